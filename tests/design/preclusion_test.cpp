#include "support/designfixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

/// City: Heating (Gas, Pump), Transport (Bus, Tram); District: Insulation
/// (Walls, cost 10), Windows (Triple, cost 1). Gas rules out Insulation, Walls
/// rules out Windows.
struct TPreclusionFixture : TDesignFixture
{
    TDecisionArea* Windows = Area(District, "Windows");
    TOption* Pump = HeatPump;
    TOption* Tram = Option(Transport, "Tram", 2);
    TOption* Triple = Option(Windows, "Triple", 1);
    TDesignObject* Town = Object("Town", nullptr, City);
    TDesignObject* North = Object("North", Town, District);

    TPreclusionFixture()
    {
        Effect(Walls, Cost, "10");
        Effect(Triple, Cost, "1");
        Gas->AddPreclusion(Insulation);
        Walls->AddPreclusion(Windows);
    }
};

struct Preclusion : ::testing::Test { TPreclusionFixture f; };

} // namespace

TEST_F(Preclusion, ReplacingAChoiceLiftsItsPreclusionsAndChoosingItAgainRestoresThem)
{
    f.North->SelectDesignOption(f.Walls);
    f.North->SelectDesignOption(f.Triple);
    struct { TOption* heating; QStringList north; double cost; } steps[] = {
        { f.Gas, { "Insulation" }, 1 },   // Walls is ruled out: Triple counts
        { f.Pump, { "Windows" }, 10 },    // Walls has effect again and rules out Triple
        { f.Gas, { "Insulation" }, 1 },
    };
    for (const auto& step : steps) {
        f.Town->SelectDesignOption(step.heating);
        EXPECT_EQ(TDesignFixture::Precluded(f.North), step.north);
        EXPECT_EQ(f.Value(f.Town, f.Cost), step.cost);
        EXPECT_EQ(f.North->DesignOptions, (std::vector<TOption*>{ f.Walls, f.Triple }));
    }
    EXPECT_EQ(f.Town->FindSelections(f.Walls), std::vector<TDesignObject*>{});
    EXPECT_EQ(f.Town->FindSelections(f.Triple), std::vector<TDesignObject*>{ f.North });
}

TEST_F(Preclusion, AnAreaStaysRuledOutWhileAnyChosenOptionRulesItOut)
{
    f.Bus->AddPreclusion(f.Insulation);
    f.Town->SelectDesignOption(f.Gas);
    f.Town->SelectDesignOption(f.Bus);
    EXPECT_EQ(f.North->PrecludedAreas.at(0)->Options, (std::vector<TOption*>{ f.Gas, f.Bus }));
    f.Town->SelectDesignOption(f.Pump);
    EXPECT_EQ(f.North->PrecludedAreas.at(0)->Options, std::vector<TOption*>{ f.Bus });
    f.Town->SelectDesignOption(f.Tram);
    EXPECT_EQ(f.North->IsPrecluded(f.Insulation), -1);
    // A new object takes over what choices above rule out.
    f.Town->SelectDesignOption(f.Gas);
    TDesignObject* south = f.Object("South", f.Town, f.District);
    EXPECT_EQ(TDesignFixture::Precluded(south), QStringList{ "Insulation" });
    EXPECT_EQ(south->UndecidedCount(), 1);
}

TEST_F(Preclusion, AddingAPreclusionAppliesOnlyWhereTheOptionHasEffect)
{
    f.Bus->AddPreclusion(f.Heating);
    f.Town->SelectDesignOption(f.Bus);
    f.Town->SelectDesignOption(f.Pump);   // ruled out by Bus
    f.North->SelectDesignOption(f.Walls);
    f.Pump->AddPreclusion(f.Insulation);
    EXPECT_EQ(TDesignFixture::Precluded(f.North), QStringList{ "Windows" });
    f.Bus->RemovePreclusion(f.Heating);   // now Pump has effect
    EXPECT_EQ(TDesignFixture::Precluded(f.North), QStringList{ "Insulation" });
    EXPECT_EQ(f.Value(f.Town, f.Cost), 0);
    f.Pump->RemovePreclusion(f.Insulation);
    EXPECT_EQ(TDesignFixture::Precluded(f.North), QStringList{ "Windows" });
    EXPECT_EQ(f.Value(f.Town, f.Cost), 10);
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

TEST(PreclusionCycles, ClosingOneAfterTheChoicesTerminates)
{
    TDesignFixture f;
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    std::vector<TOption*> o;
    for (const char* name : { "A", "B", "C" }) {
        o.push_back(TDesignFixture::Option(f.Area(f.City, name), QString(name).toLower()));
        town->SelectDesignOption(o.back());
    }
    o[1]->AddPreclusion(o[2]->DecisionArea);
    o[2]->AddPreclusion(o[0]->DecisionArea);
    EXPECT_EQ(TDesignFixture::Precluded(town), QStringList{ "C" });
    o[0]->AddPreclusion(o[1]->DecisionArea);   // closes a, b, c, a
    EXPECT_EQ(TDesignFixture::Precluded(town), QStringList{ "B" });
    o[0]->RemovePreclusion(o[1]->DecisionArea);
    EXPECT_EQ(TDesignFixture::Precluded(town), QStringList{ "C" });
}
