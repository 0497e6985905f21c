#include "cli/evaluatecommand.h"

#include "cli/climessagesink.h"
#include "design/design.h"
#include "design/evaluation.h"
#include "model/case.h"
#include "storage/folderreader.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

namespace {

void PrintLine(const QStringList& fields)
{
    std::fputs((fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8().constData(), stdout);
}

void PrintObjects(const TDesign& design, const TConceptList<TDesignObject>& objects, const QString& above)
{
    for (TDesignObject* object : objects) {
        const QString path = above.isEmpty() ? object->Name : above + QLatin1Char('/') + object->Name;
        for (const auto& attribute : object->Attributes)
            PrintLine({ design.Name, path, attribute->Variable->Name, ResultText(Compute(*attribute)) });
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
            PrintLine({ design->Name, variable->Name,
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
    const QCommandLineOption helpOption({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help."));
    parser.addOption(helpOption);
    if (!parser.parse(arguments))
        return WrongCommandLine(EvaluateCommand, parser.errorText());
    if (parser.isSet(helpOption)) {
        WrongCommandLine(EvaluateCommand, QString());
        return 0;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 1)
        return WrongCommandLine(EvaluateCommand, QStringLiteral("evaluate needs FOLDER."));

    TCliMessageSink sink;
    const QFileInfo input(folders[0]);
    if (!input.isDir() || !input.isReadable()) {
        ShowError(QStringLiteral("Could not open folder\r\"") + folders[0] + QStringLiteral("\""));
        return ExitWrongCommandLine;
    }
    TCase aCase;
    // Values of a case read only in part would look like answers but are not.
    if (!ReadCaseFolder(aCase, input.absoluteFilePath() + QLatin1Char('/')) || sink.ErrorCount > 0)
        return 1;
    PrintValues(aCase, parser.isSet(objectsOption));
    return sink.ErrorCount > 0 ? 1 : 0;
}

} // namespace

const TCliCommand EvaluateCommand{
    "evaluate", "FOLDER [--objects]",
    "Reads the case folder FOLDER and prints, for each design, one line per\n"
    "      variable: design, variable and the design's value (or \"undefined\"),\n"
    "      separated by tabs. With --objects, then one line per attribute of\n"
    "      every design object: design, object path (names joined by \"/\"),\n"
    "      variable and value or error. Nothing is printed when reading shows\n"
    "      an error.",
    RunEvaluate,
};
