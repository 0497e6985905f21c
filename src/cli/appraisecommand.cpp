#include "cli/appraisecommand.h"

#include "actors/appreciation.h"
#include "actors/designsurvey.h"
#include "cli/appreciationflags.h"
#include "design/design.h"
#include "design/evaluation.h"
#include "model/case.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

void PrintAppreciations(TCase& aCase, const TAppreciationSettings& settings)
{
    const TEvaluation pass;
    const auto part = [](bool on, const TAppreciation& a) { return on ? a.AppreciationText() : QString(); };
    for (TDesign* design : aCase.Designs) {
        const auto survey = std::make_shared<TDesignSurvey>(design);
        for (TActor* actor : aCase.Actors) {
            const auto a = CreateActorAppreciation(actor, design, settings, survey);
            const QStringList fields{ design->Name,
                                      actor->Name,
                                      a->AppreciationText(),
                                      part(settings.Objectives, *a->GoalAppreciation),
                                      part(settings.SpecificOptions, *a->OptionAppreciation),
                                      part(settings.Qualifications, *a->QualifierAppreciation) };
            PrintFields(fields);
        }
    }
    std::fflush(stdout);
}

int RunAppraise(const QStringList& arguments)
{
    QCommandLineParser parser;
    const TAppreciationFlags flags(parser);
    return RunOnCase(parser, AppraiseCommand, arguments, [&flags](TCase& aCase, const QStringList&) {
        if (!flags.ApplyBase(aCase))
            return ExitWrongCommandLine;
        PrintAppreciations(aCase, flags.Settings());
        return 0;
    });
}

} // namespace

const TCliCommand AppraiseCommand{
    "appraise", "FOLDER [--objectives] [--options] [--qualifications] [--base DESIGN]",
    "Reads the case folder FOLDER and prints, for each design and each actor\n"
    "      (both in list order), one line: design, actor, the actor's appreciation\n"
    "      of the design, and the partial appreciations of its objectives, of its\n"
    "      feelings about options and of its feelings about qualifiers, separated\n"
    "      by tabs. The flags choose the partial appreciations that count (none\n"
    "      given: --objectives); a partial one that does not count is empty.\n"
    "      --base names the base design of relative goals. Nothing is printed\n"
    "      when reading shows an error.",
    RunAppraise,
};
