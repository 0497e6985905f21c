// Importing a complete case: every step, and the case saved, reopened and
// evaluated. Rows the old program took as they came and the import now checks:
// values out of range, loops, preclusions, repeats and rows that cannot be placed.
#include "importfixture.h"

#include "design/evaluation.h"
#include "model/effect.h"
#include "../storage/folderfixture.h"

#include <QRegularExpression>

namespace {

TEST_F(ImportTest, ValuesOutOfRangeAreClampedOrSkippedWithOneWarningAndEdgeValuesMapAsBefore)
{
    Add("ActorHasAccessTo", { { "AiC1ID", 92 }, { "AiC2ID", 91 }, { "Weight", 9 } });
    Add("ActorDecidesOn", { { "AiCID", 92 }, { "DAiCID", 61 }, { "Weight", -5 } });
    Add("ActorValues", { { "AiCID", 91 }, { "VariableID", 52 }, { "Director", 5 }, { "Preference", -7 } });
    Add("ActorValues", { { "AiCID", 91 }, { "VariableID", 53 }, { "Director", 0 }, { "Preference", 1 } });
    Add("ActorPrefers", { { "AiCID", 91 }, { "DOiAID", 71 }, { "Preference", 5 } });
    Rows("INSERT INTO Exclusion(ExclusionID, XLevelID) VALUES (103, 1), (104, 12);"
         "INSERT INTO DecOptionInExclusion(ExclusionID, DOiAID) VALUES (103, 75), (104, 76);"
         "INSERT INTO Design(DesignID, CaseID, ParentID, VariantID, Occurrences, SysLevID, Name) VALUES (124, 7, 121, 111, -2, 32, 'South')");
    const auto c = ImportMain();
    const TActor* mayor = c->Actors.Find(QStringLiteral("Mayor"));
    const TActor* residents = c->Actors.Find(QStringLiteral("Residents"));
    EXPECT_EQ(residents->Connections[0]->Influence, 4);
    EXPECT_EQ(residents->Decisions[0]->Influence, 1);
    ASSERT_EQ(mayor->Goals.size(), 1u);   // Director 0 means nothing: that row is skipped
    EXPECT_EQ(mayor->Goals[0]->Direction, 2);
    EXPECT_EQ(mayor->Goals[0]->Preference, -3);
    EXPECT_EQ(mayor->Options[0]->Preference, 3);
    std::vector<int> ratings;
    for (const auto& combination : c->Combinations)
        ratings.push_back(combination->Rating);
    EXPECT_EQ(ratings, std::vector<int>({ 3, 2, -3, -3 }));
    const TDesignObject* south = c->Designs.First()->TopObjects.Find(QStringLiteral("Town"))->Children.Find(QStringLiteral("South"));
    ASSERT_TRUE(south);
    EXPECT_EQ(south->Count(), 1);
    EXPECT_EQ(Recorder.Warnings(), QStringList({
        "ActorHasAccessTo 92 -> 91: Weight 9 is outside 1..4, 4 is used",
        "ActorDecidesOn 92 on 61: Influence -5 is outside 1..4, 1 is used",
        "ActorValues 91 on 52: Director 5 is outside -2..2, 2 is used; Preference -7 is outside -3..3, -3 is used",
        "ActorValues 91 on 53: Director 0 has no meaning; the row is skipped",
        "ActorPrefers 91 on 71: Preference 5 is outside -3..3, 3 is used",
        "Exclusion 103: XLevelID 1 is outside 2..7, 2 is used",
        "Exclusion 104: XLevelID 12 is outside 2..7, 7 is used",
        "Design 124: Occurrences -2 is outside 1..1000000, 1 is used" }));

    // The edge values of the old scales map as before.
    Refill();
    const int weights[][2] = { { 1, 1 }, { 2, 2 }, { 4, 3 }, { 8, 4 } };
    int area = 61;
    for (const auto& w : weights)
        Add("ActorDecidesOn", { { "AiCID", 92 }, { "DAiCID", area++ }, { "Weight", w[0] } });
    Rows("INSERT INTO Exclusion(ExclusionID, XLevelID) VALUES (103, 4), (104, 5);"
         "INSERT INTO DecOptionInExclusion(ExclusionID, DOiAID) VALUES (103, 75), (104, 76)");
    const auto edges = ImportMain();
    const TActor* edgeResidents = edges->Actors.Find(QStringLiteral("Residents"));
    ASSERT_EQ(edgeResidents->Decisions.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(edgeResidents->Decisions[i]->Influence, weights[i][1]);
    EXPECT_EQ(edges->Combinations[1]->Rating, 1);
    EXPECT_EQ(edges->Combinations[2]->Rating, -1);
    EXPECT_EQ(Recorder.Warnings(), QStringList());
}

TEST_F(ImportTest, ParentLoopsMakeTopLevels)
{
    Rows("INSERT INTO SystemLevel(SysLevID, CaseID, Name, Parent, TreeLevel, NodeNr) VALUES (35, 7, 'Loop A', 36, 3, 1), (36, 7, 'Loop B', 35, 4, 1),"
         " (37, 7, 'Self', 37, 5, 1), (38, 7, 'Orphan', 999, 6, 1)");
    const auto c = ImportMain();
    // Loop A first went to the top (its parent was not there yet); Loop B under it.
    EXPECT_EQ(LevelNamed(*c, "Loop B")->Parent, LevelNamed(*c, "Loop A"));
    EXPECT_EQ(LevelNamed(*c, "Loop B")->Depth, 1);
    EXPECT_EQ(LevelNamed(*c, "Self")->Parent, nullptr);
    EXPECT_EQ(LevelNamed(*c, "Orphan")->Depth, 0);
    EXPECT_EQ(Recorder.Warnings(), QStringList({ "SystemLevel 37: its parent lies within the level itself; it becomes a top level" }));

    // A level met again under its own descendant stays where it was.
    Refill();
    Rows("INSERT INTO SystemLevel(SysLevID, CaseID, Name, Parent, TreeLevel, NodeNr) VALUES (31, 7, 'City', 33, 7, 1)");
    const auto again = ImportMain();
    EXPECT_EQ(LevelNamed(*again, "City")->Parent, nullptr);
    EXPECT_EQ(LevelNamed(*again, "Building")->Depth, 2);
    EXPECT_EQ(Recorder.Warnings().size(), 1);
}

TEST_F(ImportTest, PreclusionsOutsideTheOptionsSubtreeAreSkipped)
{
    Rows("INSERT INTO SystemLevel(SysLevID, CaseID, Name, Parent, TreeLevel, NodeNr) VALUES (35, 7, 'Pond', 34, 2, 1);"
         "INSERT INTO DecAreaInCase(DAiCID, CaseID, Name, SysLevID, CategoryID, PhaseNr) VALUES (65, 7, 'Fish', 35, 11, 1)");
    Rows("INSERT INTO DecOptionPrecludes(DOiAID, DAiCID) VALUES"
         " (75, 62), (75, 64), (75, 65),"   // District's option: a City area, a sibling's, a deeper one not below District
         " (75, 63), (73, 61),"             // its own area; a repeat
         " (73, 63), (74, 63)");            // below: recorded
    const auto c = ImportMain();
    EXPECT_TRUE(OptionNamed(*c, "District", "Roads", "Paved")->PrecludedAreas.empty());
    // Sorted in area order: District's area before Building's.
    EXPECT_EQ(OptionNamed(*c, "City", "Zoning", "Dense")->PrecludedAreas,
              std::vector<TDecisionArea*>({ AreaNamed(*c, "District", "Roads"), AreaNamed(*c, "Building", "Heating") }));
    EXPECT_EQ(OptionNamed(*c, "City", "Zoning", "Sparse")->PrecludedAreas.size(), 1u);
    const QString refused = QStringLiteral("Option \"Roads = Paved\"\r in subsystem \"District\" cannot preclude decision\r"
                                           "in parent or sibling system \"%1\"");
    EXPECT_EQ(Recorder.Warnings(), QStringList({
        "Preclusion of decision area 61 by option 73: the option precludes this decision area already; the row is skipped",
        refused.arg("City"),
        "Preclusion of decision area 63 by option 75: an option cannot preclude its own decision area; the row is skipped",
        refused.arg("Park"), refused.arg("Pond") }));
    EXPECT_TRUE(ProgressTexts.contains(QStringLiteral("Imported: 8 preclusions")));
}

TEST_F(ImportTest, RepeatsAndSecondOptionsOfAnAreaAreSkipped)
{
    Add("Qualification", { { "DOiAID", 72 }, { "QualifierID", 21 } });
    Add("StatusQuo", { { "DesignID", 123 }, { "DOiAID", 71 }, { "DAiCID", 61 } });
    Add("DecOptionInDesign", { { "DesignID", 123 }, { "DOiAID", 72 }, { "DAiCID", 61 } });
    Rows("INSERT INTO DecOptionInPolicy(PolicyID, DOiAID, DAiCID) VALUES (131, 71, 61), (131, 72, 61);"
         "INSERT INTO Exclusion(ExclusionID, XLevelID) VALUES (103, 3), (104, 3);"
         "INSERT INTO DecOptionInExclusion(ExclusionID, DOiAID) VALUES (103, 71), (103, 72), (103, 73),"
         " (104, 75), (104, 76)");   // 104: District and Park, never in one design
    Add("ActorHasAccessTo", { { "AiC1ID", 91 }, { "AiC2ID", 92 }, { "Weight", 1 } });
    const auto c = ImportMain();
    EXPECT_EQ(OptionNamed(*c, "Building", "Heating", "Heat pump")->Qualifiers.size(), 1u);
    EXPECT_EQ(c->Policies.First()->Options.size(), 2u);
    ASSERT_EQ(c->Combinations.size(), 3u);
    EXPECT_EQ(c->Combinations[1]->Options.size(), 2u);   // Dense and Gas; Heat pump shares Gas's area
    EXPECT_EQ(c->Actors.Find(QStringLiteral("Mayor"))->Connections.size(), 1u);
    const QStringList warnings = Recorder.Warnings();
    ASSERT_EQ(warnings.size(), 8) << warnings.join(QLatin1Char('\n')).toStdString();
    for (const char* expected : {
             "Qualification of option 72 by qualifier 21: the option has this qualifier already; the row is skipped",
             "ActorHasAccessTo 91 -> 92: the relation is there already; the row is skipped",
             "Exclusion 104: its options can never be chosen together; the combination is skipped",
             "StatusQuo of design object 123, option 71: the option is chosen there already; the row is skipped",
             "DecOptionInDesign of design object 123, option 72: the option is chosen there already; the row is skipped" })
        EXPECT_TRUE(warnings.contains(QString::fromUtf8(expected))) << expected;
    // Rows of one exclusion or policy come in no set order: which one stays may vary.
    EXPECT_EQ(warnings.filter(QRegularExpression("^Exclusion 103: option \"Heating = .*\" decides that area already")).size(), 1);
    EXPECT_EQ(warnings.filter(QStringLiteral("DecOptionInPolicy 131")).size(), 2);
}

TEST_F(ImportTest, RowsThatCannotBePlacedAreSkippedAndTheImportGoesOn)
{
    Rows("INSERT INTO DecAreaInCase(DAiCID, CaseID, Name, SysLevID, CategoryID, PhaseNr) VALUES (65, 7, 'Nowhere', 999, 11, 1);"
         "INSERT INTO DecOptionInArea(DOiAID, Name, DAiCID, NodeNr) VALUES (77, 'Lost', 65, 1), (78, '[]', 62, 3);"
         "INSERT INTO EffectOfDecOption(EoDOID, DOiAID, VariableID, Aggregation, MayNotOccur, Approximation)"
         " VALUES (85, 77, 51, 1, 0, '1')");
    Add("Category", { { "CategoryID", 14 }, { "CaseID", 7 }, { "Name", " \"@: " } });
    Add("ActorHasAccessTo", { { "AiC1ID", 91 }, { "AiC2ID", 999 }, { "Weight", 1 } });
    const auto c = ImportMain();
    EXPECT_EQ(c->Categories.Count(), 2);
    EXPECT_EQ(AreaNamed(*c, "City", "Zoning")->Options.Count(), 2);
    EXPECT_EQ(Recorder.Errors(), QStringList({ "Undefined system level: ID = 999", "Undefined actor: ID = 999" }));
    EXPECT_EQ(Recorder.Warnings(), QStringList({
        "Category 14: the name is empty; the row is skipped",
        "DecOptionInArea 78: the name is empty; the row is skipped",
        "DecOptionInArea 77: its decision area was skipped; the option is skipped",
        "EffectOfDecOption 85: its decision area was skipped; the row is skipped" }));
}

TEST_F(ImportTest, LaterRowsOfTheSameNameUpdateOneItem)
{
    Add("Category", { { "CategoryID", 16 }, { "CaseID", 7 }, { "Name", "Misc" }, { "Comment", "earlier" } });
    Add("Category", { { "CategoryID", 17 }, { "CaseID", 7 }, { "Name", "MISC" }, { "Comment", "later" } });
    Rows("INSERT INTO Design(DesignID, CaseID, ParentID, VariantID, Occurrences, SysLevID, Name) VALUES (124, 7, 121, 111, 5, 32, 'North')");
    const auto c = ImportMain();
    EXPECT_EQ(c->Categories.Count(), 3);
    EXPECT_EQ(c->Categories.Find(QStringLiteral("misc"))->ID, 17);
    EXPECT_EQ(c->Categories.Find(QStringLiteral("misc"))->Comments, QStringList({ "later" }));
    const TDesignObject* north = c->Designs.First()->TopObjects.Find(QStringLiteral("Town"))->Children.Find(QStringLiteral("North"));
    ASSERT_TRUE(north);
    EXPECT_EQ(north->ID, 124);
    EXPECT_EQ(north->Count(), 5);
}

TEST_F(ImportTest, FaultyFormulasAreOfferedForRepair)
{
    Rows("INSERT INTO EffectOfDecOption(EoDOID, DOiAID, VariableID, Aggregation, MayNotOccur, Approximation)"
         " VALUES (85, 71, 52, 1, 0, '[Nothing] +')");
    QStringList repaired;
    Recorder.OnRepair = [&](TEffect& effect) { repaired << effect.Option->Name; };
    const auto c = ImportMain();
    EXPECT_EQ(repaired, QStringList({ "Gas" }));
    EXPECT_EQ(OptionNamed(*c, "Building", "Heating", "Gas")->Effects.size(), 2u);
}

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

    // What the pages do not show: the phase's derived colours, the icons, an
    // empty formula. (The database's keys only join rows while importing: the
    // pages show every row in its place.)
    EXPECT_EQ(c->Phases.Find(QStringLiteral("Build"))->MiddleColor, HalveColor(QColor(255, 255, 0)));
    EXPECT_EQ(c->Categories.Find(QStringLiteral("Technical"))->Icon.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_TRUE(OptionNamed(*c, "City", "Zoning", "Dense")->Effects.at(0)->Code.empty());
    const TDesignObject* north = c->Designs.First()->TopObjects.Find(QStringLiteral("Town"))->Children.Find(QStringLiteral("North"));
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
