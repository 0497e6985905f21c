#include "cli/importcommand.h"

#include "cli/climessagesink.h"
#include "import/caseimport.h"
#include "import/database.h"
#include "import/databaseerror.h"
#include "model/case.h"
#include "model/messages.h"
#include "storage/folderwriter.h"

#include <QCommandLineParser>

namespace {

int ListCases(TDatabase& database)
{
    for (const QString& name : CaseNames(database))
        PrintFields({ name });
    return 0;
}

int ImportInto(TDatabase& database, const QString& name, const QString& folder, const TCliMessageSink& sink)
{
    TImportResult result = ImportCase(database, name);
    // A stopped import leaves no case, so nothing half-built is written.
    if (!result.Case)
        return 1;
    if (!WriteCaseFolder(*result.Case, folder))
        return 1;
    return sink.ErrorCount > 0 ? 1 : 0;
}

int RunImport(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption caseOption(QStringLiteral("case"), QStringLiteral("The case to import."), QStringLiteral("NAME"));
    parser.addOption(caseOption);
    return RunCommand(parser, ImportCommand, arguments, [&](const QStringList& paths, const TCliMessageSink& sink) {
        const bool named = parser.isSet(caseOption);
        if (named != (paths.size() == 2))
            return WrongCommandLine(ImportCommand, named ? QStringLiteral("import --case needs DATABASE and OUTFOLDER.")
                                                         : QStringLiteral("import writes OUTFOLDER only with --case."));
        try {
            const std::unique_ptr<TDatabase> database = TDatabase::Open(paths[0]);
            return named ? ImportInto(*database, parser.value(caseOption), paths[1], sink) : ListCases(*database);
        } catch (const TDatabaseError& error) {
            ShowError(error.Message);
            return ExitWrongCommandLine;
        }
    });
}

} // namespace

const TCliCommand ImportCommand{
    "import", "DATABASE [OUTFOLDER --case NAME]",
    "Without --case, prints the names of the cases in the Access (.mdb, .accdb)\n"
    "      or SQLite database DATABASE, one per line. With --case, imports the case\n"
    "      NAME and writes it to OUTFOLDER as Save does; nothing is written when\n"
    "      the import stops with an error.",
    RunImport,
};
