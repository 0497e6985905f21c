// Imports that stop, fail or meet empty values: never a half-built case, never a crash.
#include "importfixture.h"

#include "bytesasrows.h"
#include "import/databaseerror.h"

#include <random>

namespace {

TEST_F(ImportTest, UnmatchedKeysAMissingCaseAndDatabaseFaultsEndWithTheirErrorAndLeaveNoCase)
{
    // Each change but the last four leaves one key that matches nothing the
    // import has built, and stops it; so does asking for a case that is not
    // there. Faults of the database itself fail the import.
    const TImportOutcome stopped = TImportOutcome::Stopped, failed = TImportOutcome::Failed;
    const struct { const char* what; const char* rows; const char* error; const char* caseName = "Main"; TImportOutcome outcome = stopped; } cases[] = {
        { "level of a design object", "INSERT INTO SystemLevel(SysLevID, CaseID, Name) VALUES (39, 99, 'Foreign');"
          "INSERT INTO Design(DesignID, CaseID, ParentID, VariantID, Occurrences, SysLevID, Name) VALUES (129, 7, 0, 111, 1, 39, 'Stray')",
          "Undefined system level: ID = 39" },
        { "area of a status quo", "INSERT INTO StatusQuo(DesignID, DOiAID, DAiCID) VALUES (123, 73, 62)", "Undefined decision area: ID = 62" },
        { "option of a checked option", "INSERT INTO DecOptionInDesign(DesignID, DOiAID, DAiCID) VALUES (123, 73, 61)",
          "Undefined decision option: ID = 73" },
        { "variable of an effect", "INSERT INTO Variable(VariableID, CaseID, Name) VALUES (59, 99, 'Foreign');"
          "INSERT INTO EffectOfDecOption(EoDOID, DOiAID, VariableID, Aggregation, Approximation) VALUES (89, 71, 59, 1, '1')",
          "Undefined variable: ID = 59" },
        { "variable of a goal", "INSERT INTO ActorValues(AiCID, VariableID, Director, Preference) VALUES (91, 999, 1, 1)",
          "Undefined variable: ID = 999" },
        { "qualifier", "INSERT INTO Qualification(DOiAID, QualifierID) VALUES (71, 999)", "Undefined qualifier: ID = 999" },
        { "precluded level", "INSERT INTO DecAreaInCase(DAiCID, CaseID, Name, SysLevID) VALUES (69, 99, 'Foreign', 999);"
          "INSERT INTO DecOptionPrecludes(DOiAID, DAiCID) VALUES (73, 69)", "Undefined precluded system level: ID = 999" },
        { "precluded area", "INSERT INTO DecAreaInCase(DAiCID, CaseID, Name, SysLevID) VALUES (68, 99, 'Foreign', 33);"
          "INSERT INTO DecOptionPrecludes(DOiAID, DAiCID) VALUES (73, 68)", "Undefined precluded decision area: ID = 68" },
        { "actor of a decision", "INSERT INTO ActorDecidesOn(AiCID, DAiCID, Weight) VALUES (999, 62, 1)", "Undefined actor: ID = 999" },
        { "design of a design object",
          "INSERT INTO Design(DesignID, CaseID, ParentID, VariantID, Occurrences, SysLevID, Name) VALUES (129, 7, 0, 999, 1, 31, 'Stray')",
          "Undefined design: ID = 999" },
        { "design object merged into a later row",   // the second Town sorts after the first
          "INSERT INTO Design(DesignID, CaseID, ParentID, VariantID, Occurrences, SysLevID, Name) VALUES (124, 7, 0, 111, 1, 34, 'Town');"
          "INSERT INTO StatusQuo(DesignID, DOiAID, DAiCID) VALUES (121, 73, 62)", "Undefined design object: ID = 121" },
        { "policy", "INSERT INTO DecOptionInPolicy(PolicyID, DOiAID, DAiCID) VALUES (999, 71, 61)", "Undefined Policy: ID = 999" },
        { "case", "", "Case not found", "Elsewhere" },
        { "table", "DROP TABLE Policy", "Database exception\rno such table: Policy", "Main", failed },
        { "column", "ALTER TABLE ActorValues DROP COLUMN Director", "Database exception\rno such column: ActorValues.Director", "Main", failed },
        { "category", "UPDATE DecAreaInCase SET CategoryID=999 WHERE DAiCID=64",
          "Database exception\rDecision area \"Lawn\" has no category or phase", "Main", failed },
        { "scale", "DELETE FROM Scale", "Database exception\rVariable \"Cost\" has no scale to be measured on", "Main", failed },
    };
    for (const auto& u : cases) {
        SCOPED_TRACE(u.what);
        Refill();
        Db->Execute(QString::fromUtf8(u.rows));
        const TImportResult result = Import(QString::fromUtf8(u.caseName));
        EXPECT_EQ(result.Outcome, u.outcome);
        EXPECT_FALSE(result.Case);
        EXPECT_EQ(Recorder.Errors(), QStringList({ QString::fromUtf8(u.error) }));
    }
    // A file that is no database, or none at all, gives an error that names it.
    const QString text = Temp.filePath(QStringLiteral("notes.mdb"));
    WriteBytes(text, "Standard Jet DB but not really a database at all");
    for (const QString& path : { text, Temp.filePath(QStringLiteral("missing.mdb")) }) {
        try {
            TDatabase::Open(path);
            ADD_FAILURE() << path.toStdString();
        } catch (const TDatabaseError& error) {
            EXPECT_TRUE(error.Message.contains(path)) << error.Message.toStdString();
        }
    }
}

TEST_F(ImportTest, NullsInEveryColumnNeverStopTheImport)
{
    // A case of NULLs: every row of every table empty but for the case key.
    Add("Case", { { "CaseID", 20 }, { "Name", "Empty" } });
    QStringList tables = TOldDatabaseBuilder::Tables();
    tables.removeOne(QStringLiteral("Case"));
    for (const QString& table : tables)
        if (Db->Columns(table).contains(QLatin1String("CaseID")))
            Db->Insert(table, { { "CaseID", 20 } });
        else
            Db->Execute(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
    const TImportResult result = Import(QStringLiteral("Empty"));
    ASSERT_EQ(result.Outcome, TImportOutcome::Imported) << Recorder.Messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(result.Case->Categories.Count(), 0);
    EXPECT_EQ(result.Case->Phases.Count(), 0);
    EXPECT_TRUE(Recorder.Warnings().contains(QStringLiteral("Category 0: the name is empty; the row is skipped")));
    // The area names no level: the step's own error, and the import goes on.
    EXPECT_EQ(Recorder.Errors(), QStringList({ "Undefined system level: ID = 0" }));

    // NULLs in the rows of the full case read as empty text and 0.
    Refill();
    Db->Execute(QStringLiteral("UPDATE EffectOfDecOption SET Approximation=NULL, Comment=NULL, Aggregation=NULL, MayNotOccur=NULL"));
    Db->Execute(QStringLiteral("UPDATE DecOptionInArea SET NodeNr=NULL, Comment=NULL"));
    Db->Execute(QStringLiteral("UPDATE Category SET BaseIcon=NULL"));
    const auto c = ImportMain();
    const TOption* gas = OptionNamed(*c, "Building", "Heating", "Gas");
    EXPECT_EQ(gas->Number, 0);
    EXPECT_TRUE(gas->Effects[0]->Formula.isEmpty());
    EXPECT_FALSE(gas->Effects[0]->NullWhenStatusQuo);
}

// Random table contents: the import ends one way or another.
TEST(RandomRows, ImportEndsCleanlyOnAnyContents)
{
    std::mt19937 random(20261206);
    int imported = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(int(random() % 600), '\0');
        for (char& b : bytes)
            b = char(random());
        TOldDatabaseBuilder db(QStringLiteral(":memory:"));
        FillFromBytes(db, bytes);
        TMessageRecorder quiet;
        const TImportResult result = ImportCase(db.Database(), QStringLiteral("F"));
        EXPECT_EQ(bool(result.Case), result.Outcome == TImportOutcome::Imported);
        imported += result.Outcome == TImportOutcome::Imported;
    }
    EXPECT_GT(imported, 0);
}

} // namespace
