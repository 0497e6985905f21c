// Reading a case folder back. What a page spells out is covered by the round
// trip against the exact pages of the writer's test (its values cover the
// compiled formulas, and its pages every reference read back); these tests are
// about what reading derives, and the rules that keep comments, modes and
// orders in place.
// Last, the example case that ships with the program.
#include "folderfixture.h"
#include "support/modelfixture.h"

#include <set>

namespace {

using CaseFolderReaderTest = FolderTest;

TEST_F(CaseFolderReaderTest, WriteReadWriteGivesTheSameFilesAndValues)
{
    auto original = BuildRichCase();
    EXPECT_EQ(AllValues(*RoundTrip(*original)), AllValues(*original));
    // Areas that swap categories reorder the options of combinations and policies.
    TSystemLevel* city = original->SystemLevels.Find(QStringLiteral("City"));
    TDecisionArea* layout = city->DecisionAreas.Find(QStringLiteral("Layout"));
    TDecisionArea* roads = city->DecisionAreas.Find(QStringLiteral("Roads & <paths>"));
    TCategory* land = layout->Category;
    layout->SetCategory(roads->Category);
    roads->SetCategory(land);
    RoundTrip(*original);
}

// Also: areas without category or phase, and levels outside the tree, survive.
TEST_F(CaseFolderReaderTest, DerivesWhatThePagesDoNotSpellOut)
{
    auto original = BuildRichCase();
    original->Phases.Find(QStringLiteral("Plan"))->Icon.setPixelColor(0, 0, QColor(1, 2, 3));
    TSystemLevel* loose = original->SystemLevels.At(original->AddSystemLevel(QStringLiteral("Annex")));
    NewOption(*NewArea(*loose, "Roof", nullptr, nullptr), "Flat", 0);
    original->SystemLevels.Find(QStringLiteral("City"))->DecisionAreas.At(0)->Category = nullptr;
    auto c = WriteAndRead(*original);
    ASSERT_TRUE(Messages.Errors().isEmpty()) << Joined(Messages.Errors());
    EXPECT_TRUE(c->Changed);
    EXPECT_EQ(c->Folder, Folder);
    EXPECT_EQ(c->Comments, QStringList({ QStringLiteral("First line"), QStringLiteral("Second & <third> line") }));
    const TPhase* plan = c->Phases.Find(QStringLiteral("Plan"));
    EXPECT_EQ((QList<QColor>{ plan->Color, plan->MiddleColor, plan->DarkColor }),
              (QList<QColor>{ QColor(0xFF, 0, 0), QColor(0x7F, 0, 0), QColor(0x3F, 0, 0) }));
    EXPECT_EQ(plan->Icon.pixelColor(0, 0), QColor(1, 2, 3));   // the icon file wins over the drawing
    EXPECT_EQ(c->SystemLevels.Find(QStringLiteral("Zone"))->Depth, 1);   // the parent is the page's nesting
    const TDesignObject* town = c->Designs.Find(QStringLiteral("Plan B"))->TopObjects.Find(QStringLiteral("Town"));
    EXPECT_EQ(town->Children.Find(QStringLiteral("North"))->CumulativeCount(), 6);
    const TSystemLevel* annex = c->SystemLevels.Find(QStringLiteral("Annex"));
    ASSERT_TRUE(annex);
    EXPECT_EQ(annex->Depth, -1);
    ASSERT_EQ(annex->DecisionAreas.Count(), 1);
    EXPECT_EQ(annex->DecisionAreas.At(0)->Phase, nullptr);
    EXPECT_EQ(c->SystemLevels.Find(QStringLiteral("City"))->DecisionAreas.At(0)->Category, nullptr);
}

// A comment belongs only to the row on its own line: the last effect of an area
// has no comment and the next area has one. (The sample positions hold the
// same trap in every list; the round trip covers them.)
TEST_F(CaseFolderReaderTest, ACommentStaysWithItsOwnRow)
{
    TModelFixture f;
    TModelFixture::Effect(f.HeatPump, f.Cost, "1");
    f.Transport->Comments = { QStringLiteral("transport's note") };
    const auto read = WriteAndRead(f.Case);
    ASSERT_TRUE(Messages.Errors().isEmpty()) << Joined(Messages.Errors());
    const TSystemLevel* city = read->SystemLevels.Find(QStringLiteral("City"));
    ASSERT_EQ(city->DecisionAreas.Count(), 2);
    EXPECT_EQ(city->DecisionAreas.Find(QStringLiteral("Transport"))->Comments, QStringList{ QStringLiteral("transport's note") });
    EXPECT_TRUE(city->DecisionAreas.Find(QStringLiteral("Heating"))->Options.Find(QStringLiteral("Heat pump"))->Effects[0]->Comments.isEmpty());
}

TEST_F(CaseFolderReaderTest, TheModeOfAVariableComesFromItsIcon)
{
    auto original = BuildSampleCase();
    NewVariable(*original, "Mean", original->Scales.First(), AggregationAveraging);
    NewVariable(*original, "Sum", original->Scales.First(), AggregationCumulative);
    ASSERT_TRUE(WriteCaseFolder(*original, Folder));
    // A row icon the reader does not know: the mode is guessed, and an averaging
    // effect on the variable makes it averaging.
    Edit(QStringLiteral("ORVEL case.htm"), "<img src=\"img/ceff.bmp\"></td><td>Sum", "<img src=\"img/what.bmp\"></td><td>Sum");
    Edit(QStringLiteral("ORVEL case.htm"), "<img src=\"img/aeff.bmp\"></td><td>Density", "<img src=\"img/other.bmp\"></td><td>Density");
    auto c = Read();
    ASSERT_TRUE(Messages.Errors().isEmpty()) << Joined(Messages.Errors());
    const struct { const char* name; quint8 mode; } expected[] = {
        { "Mean", AggregationAveraging }, { "Limit", AggregationConstant }, { "Rate", AggregationConstant },
        { "Cost", AggregationCumulative }, { "Sum", AggregationCumulative }, { "Density", AggregationAveraging },
    };
    for (const auto& e : expected)
        EXPECT_EQ(c->Variables.Find(QLatin1String(e.name))->AggregationMode, e.mode) << e.name;
    EXPECT_FALSE(c->Variables.Find(QStringLiteral("Limit"))->HasValue());
}

TEST_F(CaseFolderReaderTest, CommentsAndValuesComeBackUnchanged)
{
    auto original = BuildSampleCase();
    TVariable* rate = original->Variables.Find(QStringLiteral("Rate"));
    const QStringList tricky = { QStringLiteral("bare\rCR"), QStringLiteral("ends </td></tr> a row"),
                                 QStringLiteral("</table> & <tr class=cmnt><td></td><td>"), QStringLiteral("&amp; stays") };
    const QStringList expected = { QStringLiteral("bare"), QStringLiteral("CR"), tricky[1], tricky[2], tricky[3] };
    for (double value : { 1234.5, 0.12345, -98765.4321, 1e-7, 3.0, 2.5e12 }) {
        rate->Value = value;
        rate->Comments = tricky;
        original->SystemLevels.At(0)->DecisionAreas.At(0)->Comments = tricky;
        auto c = WriteAndRead(*original);
        ASSERT_TRUE(Messages.Errors().isEmpty()) << Joined(Messages.Errors());
        EXPECT_EQ(c->Variables.Find(QStringLiteral("Rate"))->Value, value);
        EXPECT_EQ(c->Variables.Find(QStringLiteral("Rate"))->Comments, expected);
        EXPECT_EQ(c->SystemLevels.At(0)->DecisionAreas.At(0)->Comments, expected);
        EXPECT_EQ(c->Variables.Count(), 4);
        EXPECT_EQ(c->SystemLevels.At(0)->DecisionAreas.Count(), 2);
    }
}

// Pages from elsewhere: an actor first named by a relation, a goal without a
// target, and a policy with two options of one area.
TEST_F(CaseFolderReaderTest, ActorsAndPoliciesAsOtherWritersLeaveThem)
{
    ASSERT_TRUE(WriteCaseFolder(*BuildRichCase(), Folder));
    // Without the last actor's own block, the relation alone brings it in.
    QByteArray page = ReadBytes(Folder + QStringLiteral("ORVEL actors.htm"));
    const qsizetype block = page.indexOf("  <tr class=subsection><td><img src=\"img/actor.bmp\"></td><td>Zoning board");
    page.remove(block, page.lastIndexOf("</table>\r\n</body>") - block);
    WriteBytes(Folder + QStringLiteral("ORVEL actors.htm"), page.replace("<table class=c3>\r\n  <tr class=subsection>", "<table class=c2>\r\n  <tr class=subsection>"));
    Edit(QStringLiteral("ORVEL actors.htm"), "Limit [m2] = 10</td></tr>", "Limit [m2]</td></tr><tr class=cmnt><td></td><td>open</td></tr>");
    auto c = Read();
    ASSERT_TRUE(Messages.Messages.isEmpty()) << Joined(Messages.Messages);
    const TActor* board = c->Actors.Find(QStringLiteral("Zoning board"));
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->Comments.isEmpty());
    EXPECT_EQ(c->Policies.Count(), 3);
    const TActorGoal* goal = c->Actors.Find(QStringLiteral("Mayor"))->Goals.front().get();
    EXPECT_TRUE(IsUndefined(goal->Value));
    EXPECT_EQ(goal->Comments, QStringList{ QStringLiteral("open") });

    // The policy keeps the first option of an area.
    const QString policies = QStringLiteral("ORVEL policies.htm");
    Edit(policies, "<td>Layout = Compact</td>", "<td>Layout = Sprawl</td></tr>\r\n<tr><td><img src=\"img/smopt0.bmp\"><img src=\"img/sl0p1.bmp\" alt=\"0:0\"></td><td>Layout = Compact</td>");
    Edit(policies, "<table class=c3>\r\n  <tr><td colspan=2>", "<table class=c4>\r\n  <tr><td colspan=2>");
    c = Read();
    ASSERT_TRUE(Messages.Errors().isEmpty()) << Joined(Messages.Errors());
    EXPECT_EQ(WithoutPlace(Messages.Warnings()), QStringList{ QStringLiteral("Policy \"Compact town\", option \"Layout = Compact\" skipped: "
                                                               "the policy has an option for this decision area already") });
    const TPolicy* town = c->Policies.Find(QStringLiteral("Compact town"));
    ASSERT_EQ(town->Options.size(), 3u);
    EXPECT_EQ(town->Options[1]->Name, QStringLiteral("Sprawl"));
}

// Every tag in upper case; the text between tags (names, comments) as it was.
QByteArray TagsInUpperCase(QByteArray page)
{
    bool inTag = false;
    for (char& ch : page) {
        inTag = ch == '<' || (inTag && ch != '>');
        if (inTag && ch >= 'a' && ch <= 'z')
            ch = char(ch - 'a' + 'A');
    }
    return page;
}

TEST_F(CaseFolderReaderTest, MarkersMatchWhateverTheirLetterCase)
{
    ASSERT_TRUE(WriteCaseFolder(*BuildRichCase(), Folder));
    const auto written = FolderFiles(Folder, false);
    for (const char* page : { "ORVEL propro.htm", "ORVEL actors.htm", "ORVEL policies.htm" })
        WriteBytes(Folder + QLatin1String(page), TagsInUpperCase(ReadBytes(Folder + QLatin1String(page))));
    const auto c = Read();
    ASSERT_TRUE(Messages.Messages.isEmpty()) << Joined(Messages.Messages);
    ASSERT_TRUE(WriteCaseFolder(*c, Folder));
    ExpectSameFiles(FolderFiles(Folder, false), written);
}

// Design pages are read up to the first missing number, and listed when the
// contents are rebuilt. A cycle of preclusions opens as it was saved; the
// details follow the page's order of the objects.
TEST_F(CaseFolderReaderTest, DesignPagesOpenAsTheyWereSavedUpToTheFirstMissingNumber)
{
    auto original = BuildRichCase();
    original->AddDesign(QStringLiteral("Third"));
    TSystemLevel* city = original->SystemLevels.Find("City");
    TDecisionArea* roads = city->DecisionAreas.Find("Roads & <paths>");
    city->DecisionAreas.Find("Layout")->Options.Find("Compact")->AddPreclusion(roads);   // Wide already rules out Layout
    TDesignObject* town = original->Designs.Find("Plan B")->TopObjects.Find("Town");
    town->SelectDesignOption(roads->Options.Find("Wide"));
    const QString before = town->PrecludedAreas.at(0)->DecisionArea->Name;
    ASSERT_TRUE(WriteCaseFolder(*original, Folder));
    QFile::rename(Folder + QStringLiteral("ORVEL design 2.htm"), Folder + QStringLiteral("ORVEL design 3.htm"));
    QFile::remove(Folder + QStringLiteral("items.htm"));
    // A page from elsewhere may list siblings in another order than ours:
    // renamed, North comes first on the page but after South in the list.
    Edit(QStringLiteral("ORVEL design 1.htm"), "[3x] North", "[3x] Zenith");
    Edit(QStringLiteral("ORVEL design 1.htm"), ">North <i>", ">Zenith <i>");
    auto read = Read();
    ASSERT_TRUE(Messages.Errors().isEmpty()) << Joined(Messages.Errors());
    TDesignObject* again = read->Designs.Find("Plan B")->TopObjects.Find("Town");
    ASSERT_EQ(again->PrecludedAreas.size(), 1u);
    EXPECT_EQ(again->PrecludedAreas.at(0)->DecisionArea->Name, before);
    ASSERT_EQ(again->Children.At(0)->Name, "South");
    EXPECT_TRUE(again->Children.At(0)->DesignOptions.empty());
    EXPECT_EQ(again->Children.At(1)->DesignOptions.size(), 1u);

    EXPECT_EQ(read->Designs.Count(), 2);
    const QStringList expected = TCase::DefaultContents() + QStringList{
        "<img src=\"img/design.bmp\" alt=\"Design\"><a href=\"ORVEL design 0.htm\" target=main><b>Design #0</b></a><br>",
        "<img src=\"img/design.bmp\" alt=\"Design\"><a href=\"ORVEL design 1.htm\" target=main><b>Design #1</b></a><br>",
        "<hr>" };
    EXPECT_EQ(read->Contents, expected);
    ASSERT_TRUE(WriteCaseFolder(*read, Folder));
    EXPECT_EQ(ReadPageLines(Folder + QStringLiteral("items.htm")), expected);
}

// The example case that ships with the program is the first case a new user
// opens: it must open without a message, hold every kind of item, evaluate as
// it tells and come back page for page from a save.
TEST_F(CaseFolderReaderTest, TheExampleCaseOpensComparesAsItTellsAndSavesTheSamePagesAgain)
{
    const QString example = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown/");
    const auto c = Read(example);
    ASSERT_EQ(Messages.Messages, QStringList());
    int areas = 0, options = 0;
    c->ForEachDecisionArea([&](TDecisionArea*) { ++areas; });
    c->ForEachOption([&](TOption*) { ++options; });
    EXPECT_EQ(c->SystemLevels.Count(), 3);
    EXPECT_GE(areas, 12);
    EXPECT_GE(options, 40);
    std::set<int> modes, ratings;
    for (const TVariable* variable : c->Variables)
        modes.insert(variable->AggregationMode);
    EXPECT_EQ(modes.size(), 3u);
    EXPECT_EQ(c->Actors.Count(), 4);
    for (const TActor* actor : c->Actors)
        EXPECT_FALSE(actor->Goals.empty() || actor->Options.empty() || actor->Qualifiers.empty()
                     || actor->Decisions.empty()) << actor->Name.toStdString();
    for (const auto& combination : c->Combinations)
        ratings.insert(combination->Rating > 0 ? 1 : -1);
    EXPECT_EQ(ratings.size(), 2u);   // problems and promises
    EXPECT_EQ(c->Policies.Count(), 2);
    EXPECT_EQ(c->Designs.Count(), 3);

    // The designs compare as the example tells; that every value is defined,
    // the command-line tests show on the printed values.
    const auto value = [&c](const char* design, const char* variable) {
        return DesignValue(*c->Designs.Find(design), *c->Variables.Find(variable));
    };
    // The status quo choices came back: keeping them costs nothing.
    EXPECT_EQ(value("Business as usual", "Investment cost"), 0);
    for (const char* alternative : { "All-electric", "Heat networks" })
        EXPECT_LT(value(alternative, "CO2 emissions"), value("Business as usual", "CO2 emissions") / 2);
    // The heat network of the Old Town rules out its buildings' gas boilers.
    const TDesignObject* oldTown = c->Designs.Find("Heat networks")->TopObjects.First()->Children.Find("Old Town");
    EXPECT_LT(Compute(*oldTown->FindAttribute(c->Variables.Find("Gas use"))).Value, 1e-9);

    // Saved, and saved again from what was read, it gives the same pages.
    ASSERT_TRUE(WriteCaseFolder(*c, Folder));
    const QString second = Temp.filePath(QStringLiteral("second/"));
    ASSERT_TRUE(WriteCaseFolder(*Read(), second));
    EXPECT_EQ(Messages.Messages, QStringList());
    ExpectSameFiles(FolderFiles(second), FolderFiles(Folder), "in a second save");
    // The generator writes numbers with "." whatever the locale.
    if (DecimalSeparator() == QLatin1String("."))
        ExpectSameFiles(FolderFiles(example), FolderFiles(Folder), "in examples/Rivertown: rebuild it with the target example_case");
}

} // namespace
