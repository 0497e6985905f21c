#include "model/case.h"
#include "model/ordering.h"

#include <gtest/gtest.h>

TEST(Ordering, AMovedPhaseTakesTheTargetsOrderAndShiftsTheOnesBetween)
{
    const struct { const char* dragged; const char* target; std::vector<int> orders; bool moved; } cases[] = {
        { "a", "c", { 2, 0, 1 }, true }, { "c", "a", { 1, 2, 0 }, true },
        { "a", "b", { 1, 0, 2 }, true }, { "b", "b", { 0, 1, 2 }, false },
    };
    for (const auto& m : cases) {
        TCase c;
        for (const char* name : { "a", "b", "c" })
            c.AddPhase(name);
        EXPECT_EQ(MovePhase(c, c.Phases.Find(m.dragged), c.Phases.Find(m.target)), m.moved);
        std::vector<int> orders;
        for (const TPhase* phase : c.Phases)
            orders.push_back(phase->Order);
        EXPECT_EQ(orders, m.orders) << m.dragged << " onto " << m.target;
    }
}

TEST(Ordering, NewItemsGoAfterTheHighestNumberEvenAfterADelete)
{
    TCase c;
    for (const char* name : { "one", "two", "three" }) {
        c.AddCategory(name);
        c.AddPhase(name);
    }
    c.DeleteCategory(c.Categories.Find("one"));
    c.DeletePhase(c.Phases.Find("two"));
    c.AddCategory("four");
    c.AddPhase("four");
    const auto number = [&](const char* name) { return c.Categories.Find(name)->Number; };
    EXPECT_EQ(number("four"), 4);
    EXPECT_EQ(c.Phases.Find("four")->Order, 3);
    c.AddCategory("TWO");   // an existing name keeps its number
    EXPECT_EQ(number("two"), 2);
    // Moving still tells items apart: no two share a number.
    EXPECT_TRUE(MoveCategory(c, c.Categories.Find("four"), c.Categories.Find("two")));
    EXPECT_EQ(number("four"), 2);
    EXPECT_EQ(number("two"), 3);
    EXPECT_EQ(number("three"), 4);
}

TEST(Ordering, MovesOnlyItemsOfThisCase)
{
    TCase c, other;
    TPhase* mine = c.Phases.At(c.AddPhase("a"));
    TPhase* foreign = other.Phases.At(other.AddPhase("b"));
    foreign->Order = 5;
    EXPECT_FALSE(MovePhase(c, mine, foreign));
    EXPECT_FALSE(MovePhase(c, mine, nullptr));
    EXPECT_EQ(mine->Order, 0);
}

TEST(Ordering, AveragingOrCumulativeDropsTheConstantValue)
{
    TCase c;
    TVariable* v = c.Variables.At(c.AddVariable("v"));
    v->SetValue(3);
    v->SetAggregationMode(AggregationConstant);
    EXPECT_EQ(v->Value, 3);
    v->SetAggregationMode(AggregationAveraging);
    EXPECT_FALSE(v->HasValue());
    v->SetAggregationMode(AggregationConstant);
    EXPECT_FALSE(v->HasValue());
}
