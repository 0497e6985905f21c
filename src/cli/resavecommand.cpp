#include "cli/resavecommand.h"

#include "model/case.h"
#include "storage/folderwriter.h"

#include <QCommandLineParser>

namespace {

int RunResave(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption exportOption(QStringLiteral("export"),
                                          QStringLiteral("Write the data pages compressed, as Export does."));
    parser.addOption(exportOption);
    return RunOnCase(parser, ResaveCommand, arguments, [&](TCase& aCase, const QStringList& positional) {
        WriteCaseFolder(aCase, positional[1], parser.isSet(exportOption) ? TSaveMode::Export : TSaveMode::Normal);
        return 0;
    });
}

} // namespace

const TCliCommand ResaveCommand{
    "resave", "FOLDER OUTFOLDER [--export]",
    "Reads the case folder FOLDER and writes it to OUTFOLDER; with --export the\n"
    "      data pages are written compressed (\".cmc\"). Nothing is written when\n"
    "      reading shows an error.",
    RunResave,
};
