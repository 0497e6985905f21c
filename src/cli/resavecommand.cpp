#include "cli/resavecommand.h"

#include "cli/climessagesink.h"
#include "model/case.h"
#include "storage/folderwriter.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

int RunResave(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption exportOption(QStringLiteral("export"),
                                          QStringLiteral("Write the data pages compressed, as Export does."));
    parser.addOption(exportOption);
    const QString missing = QStringLiteral("resave needs FOLDER and OUTFOLDER.");
    if (const int status = ParseCommandLine(parser, ResaveCommand, arguments, 2, missing); status >= 0)
        return status;
    const QStringList folders = parser.positionalArguments();

    TCliMessageSink sink;
    TCase aCase;
    if (const int status = ReadCaseForCommand(aCase, folders[0], sink))
        return status;
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
