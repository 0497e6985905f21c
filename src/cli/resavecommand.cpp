#include "cli/resavecommand.h"

#include "cli/climessagesink.h"
#include "model/case.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

namespace {

int RunResave(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption exportOption(QStringLiteral("export"),
                                          QStringLiteral("Write the data pages compressed, as Export does."));
    parser.addOption(exportOption);
    const QCommandLineOption helpOption({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help."));
    parser.addOption(helpOption);
    if (!parser.parse(arguments))
        return WrongCommandLine(ResaveCommand, parser.errorText());
    if (parser.isSet(helpOption)) {
        WrongCommandLine(ResaveCommand, QString());
        return 0;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 2)
        return WrongCommandLine(ResaveCommand, QStringLiteral("resave needs FOLDER and OUTFOLDER."));

    TCliMessageSink sink;
    const QFileInfo input(folders[0]);
    if (!input.isDir() || !input.isReadable()) {
        ShowError(QStringLiteral("Could not open folder\r\"") + folders[0] + QStringLiteral("\""));
        return ExitWrongCommandLine;
    }
    TCase aCase;
    // A case read only in part is not written: it would replace good pages with less.
    if (!ReadCaseFolder(aCase, input.absoluteFilePath() + QLatin1Char('/')) || sink.ErrorCount > 0)
        return 1;
    WriteCaseFolder(aCase, folders[1], parser.isSet(exportOption) ? TSaveMode::Export : TSaveMode::Normal);
    return sink.ErrorCount > 0 ? 1 : 0;
}

} // namespace

const TCliCommand ResaveCommand{
    "resave", "FOLDER OUTFOLDER [--export]",
    "Reads the case folder FOLDER and writes it to OUTFOLDER; with --export the\n"
    "      data pages are written compressed (\".cmc\"). Nothing is written when\n"
    "      reading shows an error.",
    RunResave,
};
