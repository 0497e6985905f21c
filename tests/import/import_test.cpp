// Importing a complete case: every step, and the case saved, reopened and evaluated.
#include "importfixture.h"

#include "design/evaluation.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"

#include <QStringList>

namespace {

TEST_F(ImportTest, ListsCaseNamesInNameOrderWithoutNil)
{
    Add("Case", { { "CaseID", 9 }, { "Name", "nil" } });
    Add("Case", { { "CaseID", 10 }, { "Name", "Aberdeen" } });
    Db.reset();
    const auto database = TDatabase::Open(Path);
    EXPECT_EQ(CaseNames(*database), QStringList({ "Aberdeen", "Main", "nil" }));
}

TEST_F(ImportTest, BuildsCataloguesAndHierarchy)
{
    const auto c = ImportMain();
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Name, QString());
    EXPECT_EQ(c->Comments, QStringList({ "First line", "second line" }));
    // Phases keep the database's numbers and colours, whatever their name order.
    const struct { const char* Name; int Id; QColor Color; } phases[] = {
        { "Operate", 1, QColor(255, 0, 0) }, { "Build", 2, QColor(255, 255, 0) }, { "Design", 3, QColor(0, 255, 0) } };
    for (const auto& p : phases) {
        const TPhase* phase = c->Phases.Find(QString::fromUtf8(p.Name));
        ASSERT_TRUE(phase) << p.Name;
        EXPECT_EQ(phase->ID, p.Id);
        EXPECT_EQ(phase->Order, p.Id - 1);
        EXPECT_EQ(phase->Color, p.Color);
        EXPECT_EQ(phase->MiddleColor, HalveColor(p.Color));
    }
    const TCategory* technical = c->Categories.Find(QStringLiteral("Technical"));
    EXPECT_EQ(technical->ID, 11);
    EXPECT_EQ(technical->Number, 2);   // after "Social" in name order
    EXPECT_EQ(c->Categories.Find(QStringLiteral("Social"))->Comments, QStringList({ "People" }));
    EXPECT_EQ(technical->Icon.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(c->Qualifiers.Find(QStringLiteral("Green"))->ID, 21);

    EXPECT_EQ(LevelNamed(*c, "City")->Depth, 0);
    EXPECT_EQ(LevelNamed(*c, "City")->Parent, nullptr);
    EXPECT_EQ(LevelNamed(*c, "District")->Parent, LevelNamed(*c, "City"));
    EXPECT_EQ(LevelNamed(*c, "Building")->Depth, 2);
    EXPECT_EQ(LevelNamed(*c, "Park")->Depth, 1);
    EXPECT_EQ(LevelNamed(*c, "City")->Children.size(), 2u);

    EXPECT_EQ(c->Scales.Count(), 2);   // the scale of another level is not read
    const TVariable* cost = c->Variables.Find(QStringLiteral("Cost"));
    EXPECT_FALSE(cost->HasValue());
    EXPECT_TRUE(cost->IsCumulative());
    const TVariable* area = c->Variables.Find(QStringLiteral("Area"));
    EXPECT_DOUBLE_EQ(area->Value, 2.5);
    EXPECT_EQ(area->AggregationMode, AggregationConstant);
    EXPECT_EQ(area->Scale->Name, QStringLiteral("m2"));
    const TVariable* comfort = c->Variables.Find(QStringLiteral("Comfort"));
    EXPECT_EQ(comfort->Scale->Name, QStringLiteral("EUR"));   // unmatched scale: the first one
    EXPECT_TRUE(comfort->IsAveraging());
}

TEST_F(ImportTest, BuildsAreasOptionsEffectsQualificationsAndPreclusions)
{
    const auto c = ImportMain();
    ASSERT_TRUE(c);
    const TDecisionArea* heating = AreaNamed(*c, "Building", "Heating");
    EXPECT_EQ(heating->ID, 61);
    EXPECT_EQ(heating->Category->Name, QStringLiteral("Technical"));
    EXPECT_EQ(heating->Phase->Name, QStringLiteral("Build"));
    const TOption* pump = OptionNamed(*c, "Building", "Heating", "Heat pump");
    EXPECT_EQ(pump->ID, 72);
    EXPECT_EQ(pump->Number, 2);
    ASSERT_EQ(pump->Effects.size(), 2u);
    // In the order of their variables' names.
    EXPECT_EQ(pump->Effects[1]->Formula, QStringLiteral("[Area]*40"));
    EXPECT_FALSE(pump->Effects[1]->NullWhenStatusQuo);
    EXPECT_EQ(pump->Effects[0]->Variable->Name, QStringLiteral("Comfort"));
    EXPECT_TRUE(pump->Effects[0]->NullWhenStatusQuo);
    EXPECT_EQ(pump->Effects[0]->Comments, QStringList({ "warm" }));
    EXPECT_EQ(pump->Effects[0]->ID, 83);
    const TOption* dense = OptionNamed(*c, "City", "Zoning", "Dense");
    ASSERT_EQ(dense->Effects.size(), 1u);
    EXPECT_TRUE(dense->Effects[0]->Formula.isEmpty());
    EXPECT_TRUE(dense->Effects[0]->Code.empty());
    EXPECT_EQ(pump->Qualifiers, std::vector<TQualifier*>({ c->Qualifiers.Find(QStringLiteral("Green")) }));
    EXPECT_EQ(dense->PrecludedAreas, std::vector<TDecisionArea*>({ AreaNamed(*c, "Building", "Heating") }));
}

TEST_F(ImportTest, BuildsActorsCombinationsDesignsAndPolicies)
{
    const auto c = ImportMain();
    ASSERT_TRUE(c);
    const TActor* mayor = c->Actors.Find(QStringLiteral("Mayor"));
    const TActor* residents = c->Actors.Find(QStringLiteral("Residents"));
    ASSERT_EQ(mayor->Connections.size(), 1u);
    EXPECT_EQ(mayor->Connections[0]->OtherActor, residents);
    EXPECT_EQ(mayor->Connections[0]->Influence, 3);
    ASSERT_EQ(mayor->Decisions.size(), 1u);
    EXPECT_EQ(mayor->Decisions[0]->Influence, 4);   // weight 8
    ASSERT_EQ(residents->Goals.size(), 1u);
    EXPECT_DOUBLE_EQ(residents->Goals[0]->Value, 1000.5);
    EXPECT_EQ(residents->Goals[0]->Direction, -1);
    EXPECT_EQ(residents->Goals[0]->Preference, 2);
    ASSERT_EQ(residents->Options.size(), 1u);
    EXPECT_EQ(residents->Options[0]->Option, OptionNamed(*c, "Building", "Heating", "Heat pump"));

    ASSERT_EQ(c->Combinations.size(), 2u);
    EXPECT_EQ(c->Combinations[0]->Rating, 2);   // XLevelID 6; higher levels first
    EXPECT_EQ(c->Combinations[1]->Rating, -3);  // XLevelID 2
    EXPECT_EQ(c->Combinations[1]->Options,
              std::vector<TOption*>({ OptionNamed(*c, "City", "Zoning", "Dense"), OptionNamed(*c, "Building", "Heating", "Gas") }));

    const TDesign* plan = c->Designs.Find(QStringLiteral("Plan A"));
    const TDesignObject* town = plan->TopObjects.Find(QStringLiteral("Town"));
    const TDesignObject* block = town->Children.Find(QStringLiteral("North"))->Children.Find(QStringLiteral("Block"));
    EXPECT_EQ(block->ID, 123);
    EXPECT_EQ(block->SystemLevel, LevelNamed(*c, "Building"));
    EXPECT_EQ(block->CumulativeCount(), 6);   // 3 under a parent with total 2
    EXPECT_TRUE(block->HasStatusQuoOption(OptionNamed(*c, "Building", "Heating", "Gas")));
    EXPECT_TRUE(block->HasDesignOption(OptionNamed(*c, "Building", "Heating", "Heat pump")));
    EXPECT_TRUE(town->HasDesignOption(OptionNamed(*c, "City", "Zoning", "Sparse")));

    EXPECT_EQ(c->Policies.Find(QStringLiteral("Green policy"))->Options,
              std::vector<TOption*>({ OptionNamed(*c, "City", "Zoning", "Sparse"), OptionNamed(*c, "Building", "Heating", "Heat pump") }));
    EXPECT_TRUE(c->Changed);   // closing it offers to save
}

TEST_F(ImportTest, ReportsProgressAfterEveryStep)
{
    ASSERT_TRUE(ImportMain());
    EXPECT_EQ(ProgressTexts, QStringList({
        "Importing...", "Imported: 3 phases", "Imported: 2 categories", "Imported: 1 qualifiers",
        "Imported: 4 system levels", "Imported: 2 scales", "Imported: 3 variables", "Imported: 4 decision areas",
        "Imported: 6 decision options", "Imported: 4 effects", "Imported: 1 qualifications", "Imported: 1 preclusions",
        "Imported: 2 actors", "Imported: 1 actor connections", "Imported: 1 actor decisions", "Imported: 1 actor goals",
        "Imported: 1 actor options", "Imported: 2 promises & problems", "Imported: 1 designs",
        "Imported: 3 design objects", "Imported: 1 status quo options", "Imported: 2 checked design options",
        "Imported: 1 policies", "Imported: 2 options in policies" }));
    EXPECT_EQ(Recorder.Messages, QStringList());
    EXPECT_EQ(Recorder.BusyDepth, 0);
}

// Every variable's value in every design, by name.
QStringList Values(const TCase& c)
{
    QStringList values;
    const TEvaluation pass;
    for (const TDesign* design : c.Designs)
        for (const TVariable* variable : c.Variables)
            values << design->Name + QLatin1Char('.') + variable->Name + QLatin1Char('=')
                          + QString::number(DesignValue(*design, *variable));
    return values;
}

TEST_F(ImportTest, SavedReopenedAndEvaluatedGivesTheSameValues)
{
    const auto c = ImportMain();
    ASSERT_TRUE(c);
    const QStringList imported = Values(*c);
    EXPECT_TRUE(imported.contains(QStringLiteral("Plan A.Cost=600"))) << imported.join(QLatin1Char(' ')).toStdString();
    const QString folder = Temp.filePath(QStringLiteral("saved"));
    ASSERT_TRUE(WriteCaseFolder(*c, folder));
    TCase reopened;
    ASSERT_TRUE(ReadCaseFolder(reopened, folder + QLatin1Char('/')));
    EXPECT_EQ(Values(reopened), imported);
    EXPECT_EQ(Recorder.Errors(), QStringList());
}

TEST_F(ImportTest, CaseNameWithQuotesImportsAsItStands)
{
    Add("Case", { { "CaseID", 10 }, { "Name", "O'Brien's \"old\" case" }, { "NrOfPhases", 1 }, { "Phase1", "Only" } });
    Add("Category", { { "CategoryID", 13 }, { "CaseID", 10 }, { "Name", "Theirs" } });
    const TImportResult result = Import(QStringLiteral("O'Brien's \"old\" case"));
    ASSERT_EQ(result.Outcome, TImportOutcome::Imported);
    EXPECT_EQ(result.Case->Phases.Count(), 1);
    EXPECT_EQ(result.Case->Categories.Count(), 1);
    // A case without rows in most tables reports 0 for those steps and completes.
    EXPECT_TRUE(ProgressTexts.contains(QStringLiteral("Imported: 0 decision areas")));
    EXPECT_TRUE(ProgressTexts.contains(QStringLiteral("Imported: 0 options in policies")));
}

} // namespace
