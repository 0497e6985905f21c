#include "cli/reportcommand.h"

#include "actors/impactreport.h"
#include "cli/appreciationflags.h"
#include "model/case.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

namespace {

int Report(TCase& aCase, const QStringList& designNames, const TAppreciationFlags& flags)
{
    std::vector<TDesign*> designs;
    for (const QString& name : designNames) {
        designs.push_back(FindDesignByName(aCase, name));
        if (!designs.back())
            return ExitWrongCommandLine;
    }
    if (!flags.ApplyBase(aCase))
        return ExitWrongCommandLine;
    const QString path = WriteImpactReport(aCase, designs, flags.Settings(), true);
    if (path.isEmpty())
        return 1;
    std::fputs((QFileInfo(path).fileName() + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
    return 0;
}

int RunReport(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption designOption(QStringLiteral("design"), QStringLiteral("A design to report on."),
                                          QStringLiteral("NAME"));
    parser.addOption(designOption);
    const TAppreciationFlags flags(parser);
    return RunCommand(parser, ReportCommand, arguments, [&](const QStringList& positional, const TCliMessageSink& sink) {
        // A wrong command line is told before anything is read.
        if (!parser.isSet(designOption))
            return WrongCommandLine(ReportCommand, QStringLiteral("report needs at least one --design."));
        TCase aCase;
        if (const int status = ReadCaseForCommand(aCase, positional[0], sink))
            return status;
        return Report(aCase, parser.values(designOption), flags);
    });
}

} // namespace

const TCliCommand ReportCommand{
    "report", "FOLDER --design NAME [--design NAME ...] [--base DESIGN]\n"
    "          [--objectives] [--options] [--qualifications]",
    "Reads the case folder FOLDER and writes the actors' impact report on the\n"
    "      named designs (D1, D2, ... in the order given) into it, as the design\n"
    "      window does, problems and promises included; the contents page links\n"
    "      to it. Prints the report's file name. The flags choose the partial\n"
    "      appreciations as for appraise; --base names the base design. Nothing\n"
    "      is written when reading shows an error.",
    RunReport,
};
