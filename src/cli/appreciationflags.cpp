#include "cli/appreciationflags.h"

#include "cli/clicommand.h"
#include "design/design.h"
#include "model/case.h"
#include "model/messages.h"

#include <QCommandLineParser>

TAppreciationFlags::TAppreciationFlags(QCommandLineParser& parser)
    : Parser(parser), Objectives(QStringLiteral("objectives"), QStringLiteral("Weigh the actors' objectives.")),
      SpecificOptions(QStringLiteral("options"), QStringLiteral("Weigh the actors' feelings about specific options.")),
      Qualifications(QStringLiteral("qualifications"), QStringLiteral("Weigh the actors' feelings about qualifiers.")),
      Base(QStringLiteral("base"), QStringLiteral("The base design that relative goals and changes refer to."),
           QStringLiteral("DESIGN"))
{
    parser.addOptions({ Objectives, SpecificOptions, Qualifications, Base });
}

TAppreciationSettings TAppreciationFlags::Settings() const
{
    TAppreciationSettings settings;
    settings.Objectives = Parser.isSet(Objectives);
    settings.SpecificOptions = Parser.isSet(SpecificOptions);
    settings.Qualifications = Parser.isSet(Qualifications);
    if (!settings.Any())
        settings.Objectives = true;
    return settings;
}

bool TAppreciationFlags::ApplyBase(TCase& aCase) const
{
    if (!Parser.isSet(Base))
        return true;
    aCase.BaseCase = FindDesignByName(aCase, Parser.value(Base));
    return aCase.BaseCase != nullptr;
}

TDesign* FindDesignByName(TCase& aCase, const QString& name)
{
    TDesign* design = aCase.Designs.Find(name);
    if (!design)
        ShowError(QStringLiteral("There is no design \"") + name + QStringLiteral("\" in the case"));
    return design;
}
