#include "support/designfixture.h"

#include "model/messagerecorder.h"

#include <algorithm>
#include <gtest/gtest.h>

struct DesignObject : ::testing::Test { TDesignFixture f; TDesignObject* Town = f.Object("Town", nullptr, f.City, 2); };

TEST_F(DesignObject, AddingFindsAnExistingSiblingAndDeletingTakesTheSubtree)
{
    TDesignObject* north = f.Object("north", Town, f.District);
    f.Object("Block", north, f.Block);
    f.Object("East", Town, f.District);
    f.Case.Changed = false;
    EXPECT_EQ(f.Plan->AddDesignObject("North", Town), north);
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_EQ(Town->Children.At(0)->Name, "East");
    f.Plan->DeleteDesignObject(north);
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_EQ(Town->Children.Count(), 1);
}

TEST_F(DesignObject, DuplicatingCopiesChoicesCountsAndChildrenButNotComments)
{
    TMessageRecorder messages;
    TOption* pump = f.OptionWithEffect(f.City, "Pump", f.Cost, "10");
    TDesignFixture::Effect(pump, f.Cost, "1", true);
    TOption* walls = f.OptionWithEffect(f.District, "Walls", f.Cost, "2");
    Town->Comments << "keep here";
    Town->SelectDesignOption(pump);
    Town->SelectStatusQuoOption(pump);
    f.Object("North", Town, f.District, 3)->SelectDesignOption(walls);

    TDesignObject* copy = f.Plan->DuplicateDesignObject(Town, nullptr, true);
    EXPECT_EQ(copy->Name, "Copy of Town");
    EXPECT_EQ(copy->Count(), 2);
    EXPECT_TRUE(copy->Comments.isEmpty());
    EXPECT_EQ(copy->StatusQuoOptions, std::vector<TOption*>{ pump });
    EXPECT_EQ(copy->Children.At(0)->DesignOptions, std::vector<TOption*>{ walls });
    EXPECT_EQ(f.Value(copy, f.Cost), 16);
    EXPECT_EQ(f.Plan->DuplicateDesignObject(Town, nullptr, true), nullptr);

    // Into another design, merging into an object of the same name.
    TDesign* other = f.Case.Designs.At(f.Case.AddDesign("Other"));
    TDesignObject* existing = f.Object("Town", nullptr, f.City, 1, other);
    EXPECT_EQ(other->DuplicateDesignObject(Town, nullptr, false), existing);
    EXPECT_EQ(f.Value(existing, f.Cost), 16);

    // Into itself: refused, since the copy would be copied again.
    TDesignObject* north = Town->Children.At(0);
    for (TDesignObject* target : { Town, north })
        EXPECT_EQ(f.Plan->DuplicateDesignObject(Town, target, true), nullptr);
    EXPECT_EQ(Town->Children.Count(), 1);
    EXPECT_EQ(messages.Warnings(), QStringList({ "Copy of Town already exists",
                                                 "A subsystem cannot be duplicated into itself",
                                                 "A subsystem cannot be duplicated into itself" }));
}

TEST_F(DesignObject, SearchesAndCounts)
{
    TDesignObject* north = f.Object("North", Town, f.District, 3);
    TDesignObject* south = f.Object("South", Town, f.District, 1);
    TDesignObject* block = f.Object("Block", north, f.Block, 4);
    north->SelectDesignOption(f.Walls);
    EXPECT_EQ(Town->OccurrenceCount(f.Walls), 8);
    EXPECT_EQ(block->OccurrenceCount(f.Walls), 0);
    EXPECT_EQ(Town->FindSelections(f.Walls), std::vector<TDesignObject*>{ north });
    EXPECT_EQ(south->UndecidedCount(), 1);
    EXPECT_EQ(north->UndecidedCount(), 0);
    block->ID = 7;
    south->ID = 7;
    EXPECT_EQ(FindDesignObjectById(f.Plan->TopObjects, 7), block);
    EXPECT_EQ(FindDesignObjectById(f.Plan->TopObjects, 9), nullptr);

    // The cumulative count is always the product up the chain, and saturates.
    Town->SetCount(5);
    EXPECT_EQ(block->CumulativeCount(), 60);
    EXPECT_EQ(f.Plan->DuplicateDesignObject(north, Town, true)->Children.First()->CumulativeCount(), 60);
    north->SetCount(1 << 20);
    block->SetCount(1 << 20);
    EXPECT_EQ(block->CumulativeCount(), INT_MAX);
}

// An object's block lists its choices in option order, sorting them in place;
// the rest of the design's rows are on the case folder writer's pages.
TEST_F(DesignObject, ItsBlockListsTheChoicesInOptionOrder)
{
    Town->SelectDesignOption(f.Bus);
    Town->SelectDesignOption(f.HeatPump);
    EXPECT_EQ(Town->DesignOptions, (std::vector<TOption*>{ f.Bus, f.HeatPump }));   // as chosen
    const QString block = Town->DesignBlock().join(QLatin1Char('\n'));
    EXPECT_EQ(Town->DesignOptions, (std::vector<TOption*>{ f.HeatPump, f.Bus }));
    EXPECT_GE(block.indexOf("Heating = Heat pump"), 0);
    EXPECT_LT(block.indexOf("Heating = Heat pump"), block.indexOf("Transport = Bus"));
}

// Gas rules out Insulation (Walls, cost 10), Walls rules out Windows (Triple, cost 1).
TEST_F(DesignObject, ReplacingAChoiceLiftsItsPreclusionsButAnotherChosenOptionMayStillRuleTheAreaOut)
{
    TDecisionArea* windows = f.Area(f.District, "Windows");
    TOption* triple = TDesignFixture::Option(windows, "Triple");
    TOption* tram = TDesignFixture::Option(f.Transport, "Tram", 2);
    TDesignFixture::Effect(f.Walls, f.Cost, "10");
    TDesignFixture::Effect(triple, f.Cost, "1");
    f.Gas->AddPreclusion(f.Insulation);
    f.Walls->AddPreclusion(windows);
    TDesignObject* north = f.Object("North", Town, f.District);
    north->SelectDesignOption(f.Walls);
    north->SelectDesignOption(triple);
    struct { TOption* heating; QStringList north; double cost; } steps[] = {
        { f.Gas, { "Insulation" }, 1 },   // Walls is ruled out: Triple counts
        { f.HeatPump, { "Windows" }, 10 },    // Walls has effect again and rules out Triple
        { f.Gas, { "Insulation" }, 1 },
    };
    for (const auto& step : steps) {
        Town->SelectDesignOption(step.heating);
        EXPECT_EQ(TDesignFixture::Precluded(north), step.north);
        EXPECT_EQ(f.Value(Town, f.Cost), step.cost);
        EXPECT_EQ(north->DesignOptions, (std::vector<TOption*>{ f.Walls, triple }));
    }
    EXPECT_EQ(Town->FindSelections(f.Walls), std::vector<TDesignObject*>{});
    EXPECT_EQ(Town->FindSelections(triple), std::vector<TDesignObject*>{ north });

    // An area stays ruled out while any chosen option rules it out.
    f.Bus->AddPreclusion(f.Insulation);
    Town->SelectDesignOption(f.Bus);
    EXPECT_EQ(north->PrecludedAreas.at(0)->Options, (std::vector<TOption*>{ f.Gas, f.Bus }));
    Town->SelectDesignOption(f.HeatPump);
    EXPECT_EQ(north->PrecludedAreas.at(0)->Options, std::vector<TOption*>{ f.Bus });
    Town->SelectDesignOption(tram);
    EXPECT_EQ(north->IsPrecluded(f.Insulation), -1);
    // A new object takes over what choices above rule out.
    Town->SelectDesignOption(f.Gas);
    TDesignObject* south = f.Object("South", Town, f.District);
    EXPECT_EQ(TDesignFixture::Precluded(south), QStringList{ "Insulation" });
    EXPECT_EQ(south->UndecidedCount(), 1);
}

TEST(PreclusionCycles, SettleTheSameWayWhateverTheOrderOfChoosing)
{
    // Areas A, B, C of the City with options a, b, c; pairs (x, y): x rules out y's area.
    struct { const char* name; std::vector<std::pair<int, int>> rules; QString expected; } cases[] = {
        { "two", { { 0, 1 }, { 1, 0 } }, "B:a = 2" },
        { "three", { { 0, 1 }, { 1, 2 }, { 2, 0 } }, "B:a = 2" },
        { "three and a self", { { 0, 1 }, { 1, 2 }, { 2, 0 }, { 2, 2 } }, "B:a = 2" },
        { "two with a tail", { { 1, 2 }, { 2, 1 }, { 0, 1 } }, "B:a,c = 2" },
    };
    for (const auto& c : cases) {
        TDesignFixture f;
        TVariable* cost = f.Variable("Cost");
        std::vector<TOption*> options;
        for (const char* name : { "A", "B", "C" })
            options.push_back(f.OptionWithEffect(f.City, name, cost, "1"));
        for (const auto& [from, to] : c.rules) {
            if (from == to)   // refused by the editor; a damaged file may still hold it
                options[size_t(from)]->PrecludedAreas.push_back(options[size_t(to)]->DecisionArea);
            else
                options[size_t(from)]->AddPreclusion(options[size_t(to)]->DecisionArea);
        }
        std::vector<int> order = { 0, 1, 2 };
        do {
            TDesignObject* object = f.Object(QString::number(f.Plan->TopObjects.Count()), nullptr, f.City);
            for (int i : order)
                object->SelectDesignOption(options[size_t(i)]);
            QStringList records;
            for (const auto& record : object->PrecludedAreas) {
                QStringList by;
                for (const TOption* o : record->Options)
                    by << o->Name.toLower();
                by.sort();
                records << record->DecisionArea->Name + ":" + by.join(",");
            }
            EXPECT_EQ(records.join(" ") + " = " + f.Text(object, cost), c.expected) << c.name;
        } while (std::next_permutation(order.begin(), order.end()));
    }
}
