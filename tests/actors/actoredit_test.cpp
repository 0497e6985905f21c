#include "actors/actoredit.h"
#include "support/modelfixture.h"

#include <gtest/gtest.h>

namespace {

struct TActorEditFixture : TModelFixture
{
    TActor* Mayor = Case.Actors.At(Case.AddActor("Mayor"));
    TActor* Council = Case.Actors.At(Case.AddActor("Council"));

    TActorEditFixture() { Case.Changed = false; }
};

} // namespace

TEST(PlacePosition, TheSameTargetTwiceKeepsOnePositionWithTheNewWeight)
{
    TActorEditFixture f;
    TActor& a = *f.Mayor;
    const struct { const char* what; std::function<TPositionEdit(int)> place; std::function<size_t()> count; int first, second; } cases[] = {
        { "option", [&](int w) { return PlaceOptionFeeling(a, f.Gas, w); }, [&] { return a.Options.size(); }, 2, -3 },
        { "qualifier", [&](int w) { return PlaceQualifierFeeling(a, f.Green, w); }, [&] { return a.Qualifiers.size(); }, 1, 3 },
        { "area", [&](int w) { return PlaceDecision(a, f.Heating, w); }, [&] { return a.Decisions.size(); }, 2, 4 },
        { "actor", [&](int w) { return PlaceConnection(a, f.Council, w); }, [&] { return a.Connections.size(); }, 1, 3 },
    };
    for (const auto& c : cases) {
        f.Case.Changed = false;
        const TPositionEdit added = c.place(c.first);
        ASSERT_TRUE(added.Position) << c.what;
        EXPECT_TRUE(added.Changed && f.Case.Changed) << c.what;
        EXPECT_EQ(PositionWeight(a, added.Position), c.first) << c.what;

        f.Case.Changed = false;
        const TPositionEdit same = c.place(c.first);
        EXPECT_EQ(same.Position, added.Position) << c.what;
        EXPECT_FALSE(same.Changed || f.Case.Changed) << c.what;

        const TPositionEdit again = c.place(c.second);
        EXPECT_EQ(again.Position, added.Position) << c.what;
        EXPECT_TRUE(again.Changed && f.Case.Changed) << c.what;
        EXPECT_EQ(PositionWeight(a, added.Position), c.second) << c.what;
        EXPECT_EQ(c.count(), 1u) << c.what;
    }
}

TEST(PlacePosition, RefusesItselfAndWeightsOffTheScale)
{
    TActorEditFixture f;
    EXPECT_FALSE(PlaceConnection(*f.Mayor, f.Mayor, 2).Position);
    EXPECT_FALSE(PlaceConnection(*f.Mayor, f.Council, 0).Position);
    EXPECT_FALSE(PlaceDecision(*f.Mayor, f.Heating, 5).Position);
    EXPECT_FALSE(PlaceOptionFeeling(*f.Mayor, f.Gas, 4).Position);
    EXPECT_FALSE(PlaceQualifierFeeling(*f.Mayor, f.Green, -4).Position);
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_TRUE(f.Mayor->Connections.empty() && f.Mayor->Decisions.empty() && f.Mayor->Options.empty());
}

TEST(SetPositionWeight, KeepsEachKindOnItsScale)
{
    TActorEditFixture f;
    TActor& a = *f.Mayor;
    const TNameless* connection = a.AddConnection(f.Council, 1);
    const TNameless* goal = a.AddGoal(f.Cost, 1, 5, 1);
    f.Case.Changed = false;
    EXPECT_FALSE(SetPositionWeight(a, connection, -2));
    EXPECT_FALSE(SetPositionWeight(a, connection, 1));
    EXPECT_FALSE(SetPositionWeight(a, goal, 4));
    EXPECT_FALSE(SetPositionWeight(*f.Council, goal, -2));   // not the Council's goal
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_TRUE(SetPositionWeight(a, connection, 4));
    EXPECT_TRUE(SetPositionWeight(a, goal, -2));
    EXPECT_EQ(PositionWeight(a, connection), 4);
    EXPECT_EQ(PositionWeight(a, goal), -2);
    EXPECT_EQ(PositionWeight(*f.Council, goal), 0);
    EXPECT_TRUE(f.Case.Changed);
}

TEST(SetGoal, KeepsTheExactValueAndRefusesUnknownDirections)
{
    TActorEditFixture f;
    TActorGoal* goal = f.Mayor->AddGoal(f.Cost, 1, 1234.5, 1);
    f.Case.Changed = false;
    EXPECT_FALSE(SetGoal(*goal, 1, 1234.5, 1));
    EXPECT_FALSE(SetGoal(*goal, 0, 1234.5, 1));
    EXPECT_FALSE(SetGoal(*goal, 3, 1234.5, 1));
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_TRUE(SetGoal(*goal, -2, 1234.5, 3));
    EXPECT_EQ(goal->Direction, -2);
    EXPECT_EQ(goal->Value, 1234.5);
    EXPECT_EQ(goal->Preference, 3);
    EXPECT_TRUE(f.Case.Changed);
}
