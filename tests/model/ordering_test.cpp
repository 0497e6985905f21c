#include "model/case.h"
#include "model/ordering.h"

#include <gtest/gtest.h>

namespace {


std::vector<int> Orders(const TCase& c, std::initializer_list<const char*> names)
{
    std::vector<int> result;
    for (const char* name : names)
        result.push_back(c.Phases.Find(QLatin1String(name))->Order);
    return result;
}

struct TMoveCase
{
    const char* Dragged;
    const char* Target;
    std::vector<int> Expected;   // orders of a, b, c
    bool Moved;
};

class PhaseMoves : public ::testing::TestWithParam<TMoveCase>
{
};

TEST_P(PhaseMoves, TakeTheTargetsOrderAndShiftTheOnesBetween)
{
    TCase c;
    for (const char* name : {"a", "b", "c"})
        c.AddPhase(QLatin1String(name));
    const TMoveCase& m = GetParam();
    EXPECT_EQ(MovePhase(c, c.Phases.Find(QLatin1String(m.Dragged)), c.Phases.Find(QLatin1String(m.Target))), m.Moved);
    EXPECT_EQ(Orders(c, {"a", "b", "c"}), m.Expected);
}

INSTANTIATE_TEST_SUITE_P(Ordering, PhaseMoves,
                         ::testing::Values(TMoveCase{"a", "c", {2, 0, 1}, true}, TMoveCase{"c", "a", {1, 2, 0}, true},
                                           TMoveCase{"a", "b", {1, 0, 2}, true}, TMoveCase{"b", "b", {0, 1, 2}, false}));

TEST(Ordering, NewItemsGoAfterTheHighestNumberEvenAfterADelete)
{
    TCase c;
    for (const char* name : {"one", "two", "three"}) {
        c.AddCategory(QLatin1String(name));
        c.AddPhase(QLatin1String(name));
    }
    c.DeleteCategory(c.Categories.Find(QStringLiteral("one")));
    c.DeletePhase(c.Phases.Find(QStringLiteral("two")));
    c.AddCategory(QStringLiteral("four"));
    c.AddPhase(QStringLiteral("four"));
    EXPECT_EQ(c.Categories.Find(QStringLiteral("four"))->Number, 4);
    EXPECT_EQ(c.Phases.Find(QStringLiteral("four"))->Order, 3);
    // An existing name keeps its number.
    c.AddCategory(QStringLiteral("TWO"));
    EXPECT_EQ(c.Categories.Find(QStringLiteral("two"))->Number, 2);
    // Moving still tells items apart: no two share a number.
    EXPECT_TRUE(MoveCategory(c, c.Categories.Find(QStringLiteral("four")), c.Categories.Find(QStringLiteral("two"))));
    EXPECT_EQ(c.Categories.Find(QStringLiteral("four"))->Number, 2);
    EXPECT_EQ(c.Categories.Find(QStringLiteral("two"))->Number, 3);
    EXPECT_EQ(c.Categories.Find(QStringLiteral("three"))->Number, 4);
}

TEST(Ordering, MovesOnlyItemsOfThisCase)
{
    TCase c, other;
    TPhase* mine = c.Phases.At(c.AddPhase(QStringLiteral("a")));
    TPhase* foreign = other.Phases.At(other.AddPhase(QStringLiteral("b")));
    foreign->Order = 5;
    EXPECT_FALSE(MovePhase(c, mine, foreign));
    EXPECT_FALSE(MovePhase(c, mine, nullptr));
    EXPECT_EQ(mine->Order, 0);
}

TEST(Ordering, AveragingOrCumulativeDropsTheConstantValue)
{
    TCase c;
    TVariable* v = c.Variables.At(c.AddVariable(QStringLiteral("v")));
    v->SetValue(3);
    v->SetAggregationMode(AggregationConstant);
    EXPECT_EQ(v->Value, 3);
    v->SetAggregationMode(AggregationAveraging);
    EXPECT_FALSE(v->HasValue());
    v->SetAggregationMode(AggregationConstant);
    EXPECT_FALSE(v->HasValue());
}

} // namespace
