#include "actors/actor.h"
#include "actors/actoredit.h"
#include "model/messagerecorder.h"
#include "support/modelfixture.h"
#include "support/testpaths.h"

#include <gtest/gtest.h>

namespace {

struct TActorFixture : TModelFixture
{
    TActor* Mayor = Case.Actors.At(Case.AddActor("Mayor"));
    TActor* Council = Case.Actors.At(Case.AddActor("Council"));

    TActorFixture() { Case.Changed = false; }
};

template <class T>
std::vector<T*> Order(const std::vector<std::unique_ptr<T>>& list)
{
    std::vector<T*> result;
    for (const auto& link : list)
        result.push_back(link.get());
    return result;
}

struct Actor : ::testing::Test { TActorFixture f; };

} // namespace

TEST_F(Actor, GoalTextsPerDirectionAndAnUndefinedOneReported)
{
    const struct { int direction; double value; const char* text; } cases[] = {
        { -2, 10, "Cost: -10%" }, { -1, 2.5, "Cost <= 2.5" }, { 1, 2.5, "Cost >= 2.5" },
        { 2, 10, "Cost: +10%" }, { 7, 10, "Cost: +10%" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(GoalText(*f.Mayor->AddGoal(f.Cost, c.direction, c.value, 1)), Local(QString::fromLatin1(c.text)));
    // An undefined direction is written without an image.
    TMessageRecorder messages;
    TActorGoal* goal = f.Mayor->AddGoal(f.Price, 0, 1, 1);
    EXPECT_EQ(goal->Row(), "<tr><td><img src=\"img/face1.bmp\" alt=\"desirable\"></td><td>Price [EUR] = 1</td></tr>");
    EXPECT_EQ(messages.Errors(), QStringList({ "Undefined change direction: 0" }));
}

TEST_F(Actor, SortPositionsOrdersEveryList)
{
    TActor* b = f.Case.Actors.At(f.Case.AddActor("bank"));
    TActor* a = f.Case.Actors.At(f.Case.AddActor("Army"));
    auto* weak = f.Mayor->AddConnection(a, 1);
    auto* strongB = f.Mayor->AddConnection(b, 4);
    auto* strongA = f.Mayor->AddConnection(a, 4);
    auto* district = f.Mayor->AddDecision(f.Insulation, 2);
    auto* transport = f.Mayor->AddDecision(f.Transport, 2);
    auto* heating = f.Mayor->AddDecision(f.Heating, 1);
    auto* down2 = f.Mayor->AddGoal(f.Price, -2, 1, 3);
    auto* down1 = f.Mayor->AddGoal(f.Price, -1, 1, 3);
    auto* up2Mild = f.Mayor->AddGoal(f.Price, 2, 1, 1);
    auto* up2 = f.Mayor->AddGoal(f.Price, 2, 1, 2);
    auto* up1 = f.Mayor->AddGoal(f.Price, 1, 1, 3);
    auto* cost = f.Mayor->AddGoal(f.Cost, -2, 1, -3);
    auto* walls = f.Mayor->AddOptionFeeling(f.Walls, 2);
    auto* pump = f.Mayor->AddOptionFeeling(f.HeatPump, 2);
    auto* gas = f.Mayor->AddOptionFeeling(f.Gas, -1);
    TQualifier* cheap = f.Case.Qualifiers.At(f.Case.AddQualifier("cheap"));
    auto* green = f.Mayor->AddQualifierFeeling(f.Green, 1);
    auto* cheapLow = f.Mayor->AddQualifierFeeling(cheap, 1);
    auto* greenHigh = f.Mayor->AddQualifierFeeling(f.Green, 2);

    const QStringList before = f.Mayor->DescriptionRows();
    f.Mayor->SortPositions();

    EXPECT_EQ(Order(f.Mayor->Connections), std::vector<TActorConnection*>({ strongA, strongB, weak }));
    EXPECT_EQ(Order(f.Mayor->Decisions), std::vector<TActorDecision*>({ transport, district, heating }));
    EXPECT_EQ(Order(f.Mayor->Goals), std::vector<TActorGoal*>({ cost, up2, up2Mild, up1, down1, down2 }));
    EXPECT_EQ(Order(f.Mayor->Options), std::vector<TActorOption*>({ pump, walls, gas }));
    EXPECT_EQ(Order(f.Mayor->Qualifiers), std::vector<TActorQualifier*>({ greenHigh, cheapLow, green }));
    // The rows come out in the same order whether or not the lists were sorted.
    EXPECT_EQ(f.Mayor->DescriptionRows(), before);
}

// Placing refuses the actor itself and weights off the scale, and keeps one
// position per target; weighing keeps each kind on its scale; a goal keeps its
// exact value; only a position of the actor's own is deleted.
TEST_F(Actor, PositionsArePlacedWeighedAndDeletedOnTheirScales)
{
    TActor& a = *f.Mayor;
    EXPECT_FALSE(PlaceConnection(a, &a, 2).Position);
    EXPECT_FALSE(PlaceConnection(a, f.Council, 0).Position);
    EXPECT_FALSE(PlaceDecision(a, f.Heating, 5).Position);
    EXPECT_FALSE(PlaceOptionFeeling(a, f.Gas, 4).Position);
    EXPECT_FALSE(PlaceQualifierFeeling(a, f.Green, -4).Position);
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_TRUE(a.Connections.empty() && a.Decisions.empty() && a.Options.empty());

    // The same target placed twice keeps one position, with the new weight.
    const struct { const char* what; std::function<TPositionEdit(int)> place; int first, second; } cases[] = {
        { "option", [&](int w) { return PlaceOptionFeeling(a, f.Gas, w); }, 2, -3 },
        { "qualifier", [&](int w) { return PlaceQualifierFeeling(a, f.Green, w); }, 1, 3 },
        { "area", [&](int w) { return PlaceDecision(a, f.Heating, w); }, 2, 4 },
        { "actor", [&](int w) { return PlaceConnection(a, f.Council, w); }, 1, 3 },
    };
    size_t placed = 0;
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
        EXPECT_EQ(a.Options.size() + a.Qualifiers.size() + a.Decisions.size() + a.Connections.size(), ++placed) << c.what;
    }

    const TNameless* connection = a.Connections.front().get();   // weight 3
    TActorGoal* goal = a.AddGoal(f.Cost, 1, 1234.5, 1);
    f.Case.Changed = false;
    EXPECT_FALSE(SetPositionWeight(a, connection, -2));
    EXPECT_FALSE(SetPositionWeight(a, connection, 3));
    EXPECT_FALSE(SetPositionWeight(a, goal, 4));
    EXPECT_FALSE(SetPositionWeight(*f.Council, goal, -2));   // not the Council's goal
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_TRUE(SetPositionWeight(a, connection, 4));
    EXPECT_TRUE(SetPositionWeight(a, goal, -2));
    EXPECT_EQ(PositionWeight(a, connection), 4);
    EXPECT_EQ(PositionWeight(a, goal), -2);
    EXPECT_EQ(PositionWeight(*f.Council, goal), 0);
    EXPECT_TRUE(f.Case.Changed);

    f.Case.Changed = false;
    EXPECT_FALSE(SetGoal(*goal, 1, 1234.5, -2));
    EXPECT_FALSE(SetGoal(*goal, 0, 1234.5, -2));
    EXPECT_FALSE(SetGoal(*goal, 3, 1234.5, -2));
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_TRUE(SetGoal(*goal, -2, 1234.5, 3));
    EXPECT_EQ(goal->Direction, -2);
    EXPECT_EQ(goal->Value, 1234.5);
    EXPECT_EQ(goal->Preference, 3);
    EXPECT_TRUE(f.Case.Changed);

    f.Case.Changed = false;
    TActorGoal other(f.Mayor);
    a.DeletePosition(&other);
    EXPECT_FALSE(f.Case.Changed);
    a.DeletePosition(goal);
    EXPECT_TRUE(a.Goals.empty());
    EXPECT_TRUE(f.Case.Changed);
}
