// Imports that stop, fail or meet empty values: never a half-built case, never a crash.
#include "importfixture.h"

#include "import/databaseerror.h"

#include <functional>

namespace {

struct TUnmatched
{
    const char* What;
    std::function<void(ImportTest&)> Change;
    const char* Error;
};

// Each change leaves one key that matches nothing the import has built.
const TUnmatched UnmatchedKeys[] = {
    { "level of a design object", [](ImportTest& t) {
          t.Add("SystemLevel", { { "SysLevID", 39 }, { "CaseID", 99 }, { "Name", "Foreign" } });
          t.DesignObject(129, "Stray", 0, 1, 39); },
      "Undefined system level: ID = 39" },
    { "area of a status quo", [](ImportTest& t) { t.Add("StatusQuo", { { "DesignID", 123 }, { "DOiAID", 73 }, { "DAiCID", 62 } }); },
      "Undefined decision area: ID = 62" },
    { "option of a checked option", [](ImportTest& t) {
          t.Add("DecOptionInDesign", { { "DesignID", 123 }, { "DOiAID", 73 }, { "DAiCID", 61 } }); },
      "Undefined decision option: ID = 73" },
    { "variable of an effect", [](ImportTest& t) {
          t.Add("Variable", { { "VariableID", 59 }, { "CaseID", 99 }, { "Name", "Foreign" } });
          t.Effect(89, 71, 59, "1"); },
      "Undefined variable: ID = 59" },
    { "variable of a goal", [](ImportTest& t) {
          t.Add("ActorValues", { { "AiCID", 91 }, { "VariableID", 999 }, { "Director", 1 }, { "Preference", 1 } }); },
      "Undefined variable: ID = 999" },
    { "qualifier", [](ImportTest& t) { t.Add("Qualification", { { "DOiAID", 71 }, { "QualifierID", 999 } }); },
      "Undefined qualifier: ID = 999" },
    { "precluded level", [](ImportTest& t) {
          t.Add("DecAreaInCase", { { "DAiCID", 69 }, { "CaseID", 99 }, { "Name", "Foreign" }, { "SysLevID", 999 } });
          t.Add("DecOptionPrecludes", { { "DOiAID", 73 }, { "DAiCID", 69 } }); },
      "Undefined precluded system level: ID = 999" },
    { "precluded area", [](ImportTest& t) {
          t.Add("DecAreaInCase", { { "DAiCID", 68 }, { "CaseID", 99 }, { "Name", "Foreign" }, { "SysLevID", 33 } });
          t.Add("DecOptionPrecludes", { { "DOiAID", 73 }, { "DAiCID", 68 } }); },
      "Undefined precluded decision area: ID = 68" },
    { "actor of a decision", [](ImportTest& t) { t.Add("ActorDecidesOn", { { "AiCID", 999 }, { "DAiCID", 62 }, { "Weight", 1 } }); },
      "Undefined actor: ID = 999" },
    { "design of a design object", [](ImportTest& t) { t.DesignObject(129, "Stray", 0, 1, 31, 999); },
      "Undefined design: ID = 999" },
    { "design object merged into a later row", [](ImportTest& t) {
          t.DesignObject(124, "Town", 0, 1, 34);   // sorts after the first Town
          t.Add("StatusQuo", { { "DesignID", 121 }, { "DOiAID", 73 }, { "DAiCID", 62 } }); },
      "Undefined design object: ID = 121" },
    { "policy", [](ImportTest& t) { t.PolicyOption(999, 71, 61); }, "Undefined Policy: ID = 999" },
};

TEST_F(ImportTest, UnmatchedKeysStopWithTheirErrorAndLeaveNoCase)
{
    for (const TUnmatched& u : UnmatchedKeys) {
        SCOPED_TRACE(u.What);
        Refill();
        u.Change(*this);
        const TImportResult result = Import();
        EXPECT_EQ(result.Outcome, TImportOutcome::Stopped);
        EXPECT_FALSE(result.Case);
        EXPECT_EQ(Recorder.Errors(), QStringList({ QString::fromUtf8(u.Error) }));
    }
}

TEST_F(ImportTest, MissingCaseStopsWithoutCase)
{
    const TImportResult result = Import(QStringLiteral("Elsewhere"));
    EXPECT_EQ(result.Outcome, TImportOutcome::Stopped);
    EXPECT_FALSE(result.Case);
    EXPECT_EQ(Recorder.Errors(), QStringList({ "Case not found" }));
}

TEST_F(ImportTest, DatabaseFaultsFailWithoutCase)
{
    const std::function<void(TOldDatabaseBuilder&)> faults[] = {
        [](TOldDatabaseBuilder& db) { db.Execute(QStringLiteral("DROP TABLE Policy")); },
        [](TOldDatabaseBuilder& db) { db.Execute(QStringLiteral("ALTER TABLE ActorValues DROP COLUMN Director")); },
        [](TOldDatabaseBuilder& db) { db.Execute(QStringLiteral("UPDATE DecAreaInCase SET CategoryID=999 WHERE DAiCID=64")); },
        [](TOldDatabaseBuilder& db) { db.Execute(QStringLiteral("DELETE FROM Scale")); },
    };
    for (const auto& fault : faults) {
        Refill();
        fault(*Db);
        const TImportResult result = Import();
        EXPECT_EQ(result.Outcome, TImportOutcome::Failed);
        EXPECT_FALSE(result.Case);
        ASSERT_EQ(Recorder.Errors().size(), 1);
        EXPECT_TRUE(Recorder.Errors()[0].startsWith(QStringLiteral("Database exception\r"))) << Recorder.Errors()[0].toStdString();
    }
}

TEST_F(ImportTest, UnreadableFilesGiveAClearError)
{
    const QString text = Temp.filePath(QStringLiteral("notes.mdb"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Standard Jet DB but not really a database at all");
    file.close();
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
    for (const char* table : { "Category", "Qualifier", "SystemLevel", "Variable", "DecAreaInCase", "ActorInCase",
                               "Variant", "Design", "Policy" })
        Add(table, { { "CaseID", 20 } });
    for (const char* table : { "Scale", "DecOptionInArea", "EffectOfDecOption", "Qualification", "DecOptionPrecludes",
                               "ActorHasAccessTo", "ActorDecidesOn", "ActorValues", "ActorPrefers", "Exclusion",
                               "DecOptionInExclusion", "StatusQuo", "DecOptionInDesign", "DecOptionInPolicy" })
        Db->Execute(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QString::fromLatin1(table)));
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
    ASSERT_TRUE(c);
    const TOption* gas = OptionNamed(*c, "Building", "Heating", "Gas");
    EXPECT_EQ(gas->Number, 0);
    EXPECT_TRUE(gas->Effects[0]->Formula.isEmpty());
    EXPECT_FALSE(gas->Effects[0]->NullWhenStatusQuo);
}

} // namespace
