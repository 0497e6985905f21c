// Importing a complete case: every step, and the case saved, reopened and evaluated.
#include "importfixture.h"

#include "design/evaluation.h"
#include "../storage/folderfixture.h"

namespace {

// The case written as Save writes it gives the kept pages in tests/data/import
// (checked by hand against town.sql); read again, it gives the same values.
TEST_F(ImportTest, BuildsTheWholeCaseWithProgressAndSavesReopensAndEvaluatesIt)
{
    const auto c = ImportMain();
    EXPECT_TRUE(c->Changed);   // closing it offers to save
    const QString folder = Temp.filePath(QStringLiteral("saved/"));
    ASSERT_TRUE(WriteCaseFolder(*c, folder));
    for (const char* page : { "case", "propro", "actors", "design 0", "policies" })
        ExpectRows(ReadPageLines(folder + QStringLiteral("ORVEL %1.htm").arg(QLatin1String(page))),
                   QStringLiteral("import/%1.htm.expected").arg(QString::fromLatin1(page).remove(QLatin1Char(' '))));
    const QStringList imported = AllValues(*c);
    EXPECT_TRUE(imported.contains(QStringLiteral("Plan A:Cost=600"))) << imported.join(QLatin1Char(' ')).toStdString();
    TCase reopened;
    ASSERT_TRUE(ReadCaseFolder(reopened, folder));
    EXPECT_EQ(AllValues(reopened), imported);

    // What the pages do not show: the database's keys, the icons, derived counts.
    const TPhase* build = c->Phases.Find(QStringLiteral("Build"));
    EXPECT_EQ(build->ID, 2);
    EXPECT_EQ(build->MiddleColor, HalveColor(QColor(255, 255, 0)));
    EXPECT_EQ(c->Categories.Find(QStringLiteral("Technical"))->ID, 11);
    EXPECT_EQ(c->Categories.Find(QStringLiteral("Technical"))->Icon.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(c->Qualifiers.Find(QStringLiteral("Green"))->ID, 21);
    EXPECT_EQ(AreaNamed(*c, "Building", "Heating")->ID, 61);
    const TOption* pump = OptionNamed(*c, "Building", "Heating", "Heat pump");
    EXPECT_EQ(pump->ID, 72);
    EXPECT_EQ(pump->Effects.at(0)->ID, 83);
    EXPECT_TRUE(OptionNamed(*c, "City", "Zoning", "Dense")->Effects.at(0)->Code.empty());
    const TDesignObject* north = c->Designs.First()->TopObjects.Find(QStringLiteral("Town"))->Children.Find(QStringLiteral("North"));
    EXPECT_EQ(north->Children.Find(QStringLiteral("Block"))->ID, 123);
    EXPECT_EQ(north->Children.Find(QStringLiteral("Block"))->CumulativeCount(), 6);   // 3 under a parent with total 2
    // Progress after every step, and no other message.
    ExpectRows(ProgressTexts, QStringLiteral("import/progress.expected"));
    EXPECT_EQ(Recorder.Messages, QStringList());
    EXPECT_EQ(Recorder.BusyDepth, 0);
}

// Case names are listed in name order, and one with quotes imports as it stands.
TEST_F(ImportTest, CaseNames)
{
    Add("Case", { { "CaseID", 9 }, { "Name", "nil" } });
    Add("Case", { { "CaseID", 10 }, { "Name", "O'Brien's \"old\" case" }, { "NrOfPhases", 1 }, { "Phase1", "Only" } });
    Add("Category", { { "CategoryID", 13 }, { "CaseID", 10 }, { "Name", "Theirs" } });
    Db.reset();
    EXPECT_EQ(CaseNames(*TDatabase::Open(Path)), QStringList({ "Main", "nil", "O'Brien's \"old\" case" }));
    const TImportResult result = Import(QStringLiteral("O'Brien's \"old\" case"));
    ASSERT_EQ(result.Outcome, TImportOutcome::Imported);
    EXPECT_EQ(result.Case->Phases.Count(), 1);
    EXPECT_EQ(result.Case->Categories.Count(), 1);
    // A case without rows in most tables reports 0 for those steps and completes.
    EXPECT_TRUE(ProgressTexts.contains(QStringLiteral("Imported: 0 decision areas")));
    EXPECT_TRUE(ProgressTexts.contains(QStringLiteral("Imported: 0 options in policies")));
}

} // namespace
