#include "model/case.h"
#include "model/messagerecorder.h"
#include "model/ordering.h"
#include "support/testpaths.h"

#include <gtest/gtest.h>

struct ConceptList : ::testing::Test { TCase c; };
struct Ordering : ::testing::Test { TCase c; };

TEST_F(ConceptList, OrdersAsciiLettersWithoutCaseAndOtherCharactersByCode)
{
    for (const char* name : { "beta", "Alpha", "_under", "gamma", "Zulu", "2nd" })
        c.AddScale(QString::fromLatin1(name));
    // Letters fold to upper case, so "_" (after "Z") sorts behind every letter.
    EXPECT_EQ(NamesOf(c.Scales), QStringList({ "2nd", "Alpha", "beta", "gamma", "Zulu", "_under" }));
    EXPECT_EQ(c.Scales.IndexOfName("GAMMA"), 3);
    EXPECT_EQ(c.Scales.IndexOfName("aaa"), -2);    // would go at 1
    EXPECT_EQ(c.Scales.IndexOfName("zzzz"), -6);   // after Zulu, before _under
    EXPECT_EQ(c.Scales.IndexOfName("~"), -7);
}

TEST_F(ConceptList, AddCleansAndTrimsNamesAndReturnsAnExistingOneWithoutChange)
{
    const int first = c.AddScale("abc");
    c.Changed = false;
    EXPECT_EQ(c.AddScale("ABC"), first);
    EXPECT_EQ(NamesOf(c.Scales), QStringList({ "abc" }));
    EXPECT_FALSE(c.Changed);

    c.AddVariable("  Cost [EUR] ");
    c.AddVariable("Cost [USD]");
    EXPECT_EQ(NamesOf(c.Variables), QStringList({ "Cost EUR", "Cost USD" }));
    c.AddCategory("a=b:c@d\"e");
    EXPECT_EQ(NamesOf(c.Categories), QStringList({ "abcde" }));
}

// A rename refuses a name taken by another item, whatever its letter case,
// and moves the item to its new place.
TEST_F(ConceptList, RenameRefusesATakenNameAndMovesTheItem)
{
    TMessageRecorder messages;
    c.AddScale("Abc");
    TScale* only = c.Scales.At(0);
    // A list of one accepts any letter case change.
    EXPECT_EQ(c.Scales.RenameConcept(only, "ABC"), 0);
    EXPECT_EQ(only->Name, "ABC");

    for (const char* name : { "m", "c", "e", "g" })
        c.AddScale(QString::fromLatin1(name));
    c.Changed = false;
    EXPECT_LT(c.Scales.RenameConcept(only, "abc"), 0);
    EXPECT_LT(c.Scales.RenameConcept(only, " M "), 0);
    EXPECT_EQ(messages.Warnings(), QStringList(2, "Names must be unique"));
    // Same name exactly, or nothing left once cleaned: nothing happens.
    EXPECT_EQ(c.Scales.RenameConcept(only, "ABC "), 0);
    c.Scales.RenameConcept(only, " =[]");
    EXPECT_EQ(only->Name, "ABC");
    EXPECT_FALSE(c.Changed);

    // Its old slot is removed first: "f" lands between e and g, at index 2.
    EXPECT_EQ(c.Scales.RenameConcept(only, "f"), 2);
    EXPECT_EQ(NamesOf(c.Scales), QStringList({ "c", "e", "f", "g", "m" }));
    EXPECT_EQ(c.Scales.At(2), only);
    EXPECT_TRUE(c.Changed);
    TScale* m = c.Scales.At(4);
    EXPECT_EQ(c.Scales.RenameConcept(m, "b"), 0);
    EXPECT_EQ(NamesOf(c.Scales), QStringList({ "b", "c", "e", "f", "g" }));
    EXPECT_EQ(c.Scales.IndexOf(m), 0);

    // Renames in nested lists mark the case too.
    TSystemLevel* level = c.SystemLevels.At(c.AddSystemLevel("City"));
    TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea("Heating"));
    TOption* option = area->Options.At(area->AddOption("Gas"));
    c.Changed = false;
    area->Options.RenameConcept(option, "Heat pump");
    EXPECT_TRUE(c.Changed);
    c.Changed = false;
    level->DecisionAreas.RenameConcept(area, "Heat");
    EXPECT_TRUE(c.Changed);
}

TEST(PhaseMoves, AMovedPhaseTakesTheTargetsOrderAndShiftsTheOnesBetween)
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

TEST_F(Ordering, NewItemsGoAfterTheHighestNumberEvenAfterADeleteAndOnlyItemsOfThisCaseMove)
{
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

    // Only items of this case move.
    TCase other;
    TPhase* mine = c.Phases.Find("four");
    TPhase* foreign = other.Phases.At(other.AddPhase("b"));
    foreign->Order = 5;
    EXPECT_FALSE(MovePhase(c, mine, foreign));
    EXPECT_FALSE(MovePhase(c, mine, nullptr));
    EXPECT_EQ(mine->Order, 3);
}

TEST_F(Ordering, AveragingOrCumulativeDropsTheConstantValue)
{
    TVariable* v = c.Variables.At(c.AddVariable("v"));
    v->SetValue(3);
    v->SetAggregationMode(AggregationConstant);
    EXPECT_EQ(v->Value, 3);
    v->SetAggregationMode(AggregationAveraging);
    EXPECT_FALSE(v->HasValue());
    v->SetAggregationMode(AggregationConstant);
    EXPECT_FALSE(v->HasValue());
}
