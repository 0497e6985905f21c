#include "designfixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

/// City: Heating (Gas, Pump) and Transport (Bus, Tram); District: Insulation
/// (Walls) and Windows (Triple). Gas rules out Insulation; Walls rules out Windows.
struct TPreclusionFixture : TDesignFixture
{
    TVariable* Cost = Variable("Cost");
    TDecisionArea* Heating = Area(City, "Heating");
    TDecisionArea* Transport = Area(City, "Transport");
    TDecisionArea* Insulation = Area(District, "Insulation");
    TDecisionArea* Windows = Area(District, "Windows");
    TOption* Gas = Option(Heating, "Gas", 1);
    TOption* Pump = Option(Heating, "Pump", 2);
    TOption* Bus = Option(Transport, "Bus", 1);
    TOption* Tram = Option(Transport, "Tram", 2);
    TOption* Walls = Option(Insulation, "Walls", 1);
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

} // namespace

TEST(Preclusion, ReplacingAChoiceLiftsItsPreclusionsAndChoosingItAgainRestoresThem)
{
    TPreclusionFixture f;
    f.North->SelectDesignOption(f.Walls);
    f.North->SelectDesignOption(f.Triple);
    struct { TOption* heating; QStringList north; double cost; } steps[] = {
        { f.Gas, { "Insulation" }, 1 },    // Walls ruled out: Triple counts
        { f.Pump, { "Windows" }, 10 },     // Walls has effect again and rules out Triple
        { f.Gas, { "Insulation" }, 1 },
    };
    for (const auto& step : steps) {
        f.Town->SelectDesignOption(step.heating);
        EXPECT_EQ(TDesignFixture::Precluded(f.North), step.north) << step.heating->Name.toStdString();
        EXPECT_DOUBLE_EQ(TDesignFixture::Result(f.Town, f.Cost).Value, step.cost);
        EXPECT_EQ(f.North->DesignOptions, (std::vector<TOption*>{ f.Walls, f.Triple }));
    }
    EXPECT_EQ(f.North->FindSelections(f.Walls), std::vector<TDesignObject*>{});
    EXPECT_EQ(f.Town->FindSelections(f.Triple), std::vector<TDesignObject*>{ f.North });
}

TEST(Preclusion, AnAreaStaysRuledOutWhileAnyChosenOptionRulesItOut)
{
    TPreclusionFixture f;
    f.Bus->AddPreclusion(f.Insulation);
    f.Town->SelectDesignOption(f.Gas);
    f.Town->SelectDesignOption(f.Bus);
    ASSERT_GE(f.North->IsPrecluded(f.Insulation), 0);
    EXPECT_EQ(f.North->PrecludedAreas.front()->Options, (std::vector<TOption*>{ f.Gas, f.Bus }));
    f.Town->SelectDesignOption(f.Pump);
    EXPECT_EQ(f.North->PrecludedAreas.front()->Options, std::vector<TOption*>{ f.Bus });
    f.Town->SelectDesignOption(f.Tram);
    EXPECT_EQ(f.North->IsPrecluded(f.Insulation), -1);
}

TEST(Preclusion, AddingAPreclusionAppliesOnlyWhereTheOptionHasEffect)
{
    TPreclusionFixture f;
    f.Bus->AddPreclusion(f.Heating);
    f.Town->SelectDesignOption(f.Bus);
    f.Town->SelectDesignOption(f.Pump);   // ruled out by Bus
    f.North->SelectDesignOption(f.Walls);
    f.Pump->AddPreclusion(f.Insulation);
    EXPECT_EQ(TDesignFixture::Precluded(f.North), QStringList{ "Windows" });
    EXPECT_EQ(f.North->UndecidedCount(), 0);

    // A fresh derivation, as on opening the case, agrees.
    f.North->RecomputePreclusions();
    EXPECT_EQ(TDesignFixture::Precluded(f.North), QStringList{ "Windows" });

    f.Bus->RemovePreclusion(f.Heating);   // Pump has effect now
    EXPECT_EQ(TDesignFixture::Precluded(f.Town), QStringList{});
    EXPECT_EQ(TDesignFixture::Precluded(f.North), QStringList{ "Insulation" });
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(f.Town, f.Cost).Value, 0);
    f.Pump->RemovePreclusion(f.Insulation);
    EXPECT_EQ(TDesignFixture::Precluded(f.North), QStringList{ "Windows" });
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(f.Town, f.Cost).Value, 10);
}

TEST(Preclusion, ANewObjectTakesOverWhatIsRuledOutAbove)
{
    TPreclusionFixture f;
    f.Town->SelectDesignOption(f.Gas);
    TDesignObject* south = f.Object("South", f.Town, f.District);
    EXPECT_EQ(TDesignFixture::Precluded(south), QStringList{ "Insulation" });
    EXPECT_EQ(south->UndecidedCount(), 1);
    south->SelectDesignOption(f.Triple);
    EXPECT_EQ(south->UndecidedCount(), 0);
}

namespace {

/// Three City areas A, B, C with options a, b, c; x rules out the next area.
struct TCycleFixture : TDesignFixture
{
    TVariable* Cost = Variable("Cost");
    std::vector<TOption*> Options;

    TCycleFixture()
    {
        for (const char* name : { "A", "B", "C" }) {
            TOption* option = Option(Area(City, QString::fromLatin1(name)), QString::fromLatin1(name).toLower());
            Effect(option, Cost, "1");
            Options.push_back(option);
        }
    }

    /// Chooses the options in the given order on a new top object and
    /// returns its records (sorted) and its cost as text.
    QString ChooseInOrder(const std::vector<int>& order, const QString& name)
    {
        TDesignObject* object = Object(name, nullptr, City);
        for (int i : order)
            object->SelectDesignOption(Options[size_t(i)]);
        QStringList records;
        for (const auto& record : object->PrecludedAreas) {
            QStringList by;
            for (const TOption* o : record->Options)
                by << o->Name;
            by.sort();
            records << record->DecisionArea->Name + ":" + by.join(",");
        }
        records.sort();
        return records.join(" ") + " = " + TDesignFixture::Text(object, Cost);
    }
};

} // namespace

TEST(Preclusion, CyclesSettleTheSameWayWhateverTheOrderOfChoosing)
{
    struct { const char* name; std::vector<std::pair<int, int>> rules; QString expected; } cases[] = {
        { "two", { { 0, 1 }, { 1, 0 } }, "B:a = 2" },
        { "three", { { 0, 1 }, { 1, 2 }, { 2, 0 } }, "B:a = 2" },
        { "three and a self", { { 0, 1 }, { 1, 2 }, { 2, 0 }, { 2, 2 } }, "B:a = 2" },
        { "even cycle with a tail", { { 1, 2 }, { 2, 1 }, { 0, 1 } }, "B:a,c = 2" },
    };
    for (const auto& c : cases) {
        TCycleFixture f;
        for (const auto& [from, to] : c.rules) {
            if (from == to)   // refused by the editor; a damaged file may still hold it
                f.Options[size_t(from)]->PrecludedAreas.push_back(f.Options[size_t(to)]->DecisionArea);
            else
                f.Options[size_t(from)]->AddPreclusion(f.Options[size_t(to)]->DecisionArea);
        }
        std::vector<int> order = { 0, 1, 2 };
        int n = 0;
        do {
            EXPECT_EQ(f.ChooseInOrder(order, QString::number(n++)), c.expected) << c.name;
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

TEST(Preclusion, ClosingACycleAfterTheChoicesTerminates)
{
    TCycleFixture f;
    TDesignObject* object = f.Object("Town", nullptr, f.City);
    for (TOption* option : f.Options)
        object->SelectDesignOption(option);
    f.Options[1]->AddPreclusion(f.Options[2]->DecisionArea);
    f.Options[2]->AddPreclusion(f.Options[0]->DecisionArea);
    EXPECT_EQ(TDesignFixture::Precluded(object), QStringList{ "C" });
    f.Options[0]->AddPreclusion(f.Options[1]->DecisionArea);   // closes a → b → c → a
    EXPECT_EQ(TDesignFixture::Precluded(object), QStringList{ "B" });
    f.Options[0]->RemovePreclusion(f.Options[1]->DecisionArea);
    EXPECT_EQ(TDesignFixture::Precluded(object), QStringList{ "C" });
}
