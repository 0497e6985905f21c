#include "import/caseimport.h"

#include "import/caseimporter.h"
#include "import/database.h"
#include "import/databaseerror.h"
#include "model/case.h"
#include "model/messages.h"

#include <algorithm>
#include <optional>

namespace {

const QString CaseTable = QStringLiteral("\"Case\"");   // a word SQLite reserves

struct TCaseRow
{
    qint64 Key = 0;
    QString Comment;
    int PhaseCount = 0;
    QStringList PhaseNames;
};

// Step 2: the chosen case's row, or nothing when the database has none.
std::optional<TCaseRow> ReadCaseRow(TQuery& query, const QString& caseName)
{
    query.Open({ QStringLiteral("SELECT CaseID, Comment, NrOfPhases, Phase1, Phase2, Phase3, Phase4 FROM ") + CaseTable
                 + QStringLiteral(" WHERE Name=?;") },
               { caseName });
    if (query.Eof())
        return std::nullopt;
    TCaseRow row;
    row.Key = query.AsInteger(QStringLiteral("CaseID"));
    row.Comment = query.AsText(QStringLiteral("Comment"));
    // Four phase columns exist: more phases than that cannot be read.
    row.PhaseCount = int(std::clamp<qint64>(query.AsInteger(QStringLiteral("NrOfPhases")), 0, 4));
    for (int i = 1; i <= row.PhaseCount; ++i)
        row.PhaseNames << query.AsText(QStringLiteral("Phase") + QString::number(i));
    query.Close();
    return row;
}

void RunSteps(TCaseImporter& importer, const TCaseRow& row)
{
    importer.ImportPhases(row.PhaseCount, row.PhaseNames);
    importer.ImportCatalogues();
    importer.ImportSystemLevels();
    importer.ImportVariables();
    importer.ImportDecisionAreas();
    importer.ImportOptions();
    importer.ImportEffects();
    importer.ImportQualifications();
    importer.ImportPreclusions();
    importer.ImportActors();
    importer.ImportActorPositions();
    importer.ImportCombinations();
    importer.ImportDesigns();
    importer.ImportDesignChoices(true);
    importer.ImportDesignChoices(false);
    importer.ImportPolicies();
}

} // namespace

QStringList CaseNames(TDatabase& database)
{
    TQuery query(database);
    query.Open({ QStringLiteral("SELECT Name FROM ") + CaseTable + QStringLiteral(" ORDER BY Name;") });
    QStringList names;
    for (; !query.Eof(); query.Next()) {
        const QString name = query.AsText(QStringLiteral("Name"));
        if (name != QLatin1String("NIL"))
            names << name;
    }
    return names;
}

TImportResult ImportCase(TDatabase& database, const QString& caseName, const TImportProgress& progress)
{
    const TImportProgress report = progress ? progress : TImportProgress(&ShowStatus);
    const TBusyScope busy;
    TImportResult result;
    try {
        report(QStringLiteral("Importing..."));
        TQuery query(database);
        const std::optional<TCaseRow> row = ReadCaseRow(query, caseName);
        if (!row) {
            ShowError(QStringLiteral("Case not found"));
            result.Outcome = TImportOutcome::Stopped;
            return result;
        }
        auto aCase = std::make_unique<TCase>();
        SetComment(*aCase, row->Comment);
        TCaseImporter importer(database, *aCase, row->Key, report);
        RunSteps(importer, *row);
        result.Outcome = TImportOutcome::Imported;
        result.Case = std::move(aCase);
    } catch (const TImportStop& stop) {
        ShowError(stop.Message);
        result.Outcome = TImportOutcome::Stopped;
    } catch (const TDatabaseError& error) {
        ShowError(QStringLiteral("Database exception\r") + error.Message);
        result.Outcome = TImportOutcome::Failed;
    }
    return result;
}
