#include "cli/evaluatecommand.h"

#include "design/design.h"
#include "design/evaluation.h"
#include "model/case.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

// The path joins the object names with "/"; a "/" inside a name is written "\/".
void PrintObjects(const TDesign& design, const TConceptList<TDesignObject>& objects, const QString& above)
{
    for (TDesignObject* object : objects) {
        const QString name = EscapeField(object->Name).replace(QLatin1Char('/'), QLatin1String("\\/"));
        const QString path = above.isEmpty() ? name : above + QLatin1Char('/') + name;
        for (const auto& attribute : object->Attributes)
            PrintFields({ design.Name, path, attribute->Variable->Name, ResultText(Compute(*attribute)) }, { 1 });
        PrintObjects(design, object->Children, path);
    }
}

void PrintValues(const TCase& aCase, bool withObjects)
{
    // One pass: every value is computed once, however often it is read.
    const TEvaluation pass;
    for (const TDesign* design : aCase.Designs) {
        for (const TVariable* variable : aCase.Variables) {
            const double value = DesignValue(*design, *variable);
            PrintFields({ design->Name, variable->Name,
                        IsUndefined(value) ? QStringLiteral("undefined") : FormatValue(value) });
        }
        if (withObjects)
            PrintObjects(*design, design->TopObjects, QString());
    }
    std::fflush(stdout);
}

int RunEvaluate(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption objectsOption(QStringLiteral("objects"),
                                           QStringLiteral("Also print the value of every attribute of every object."));
    parser.addOption(objectsOption);
    return RunOnCase(parser, EvaluateCommand, arguments, [&](TCase& aCase, const QStringList&) {
        PrintValues(aCase, parser.isSet(objectsOption));
        return 0;
    });
}

} // namespace

const TCliCommand EvaluateCommand{
    "evaluate", "FOLDER [--objects]",
    "Reads the case folder FOLDER and prints, for each design, one line per\n"
    "      variable: design, variable and the design's value (or \"undefined\"),\n"
    "      separated by tabs. With --objects, then one line per attribute of\n"
    "      every design object: design, object path (names joined by \"/\",\n"
    "      a \"/\" in a name written \"\\/\"),\n"
    "      variable and value or error. Nothing is printed when reading shows\n"
    "      an error.",
    RunEvaluate,
};
