// Counts over a design: qualifications, and where combinations occur.
#include "support/designfixture.h"
#include "policy/occurrence.h"
#include "policy/qualification.h"
#include "support/testpaths.h"

#include <gtest/gtest.h>

struct Qualifications : ::testing::Test { TPlanFixture f; };

// Green is on Bus (Transport, City) and Walls (Insulation, District); Cheap on
// no option at all.
TEST_F(Qualifications, CountTheObjectAndWeighTheChildrenByTheirCountsButNoPrecludedArea)
{
    TQualifier* cheap = f.Case.Qualifiers.At(f.Case.AddQualifier("Cheap"));
    f.Bus->AddQualifier(f.Green);
    f.Walls->AddQualifier(f.Green);
    f.Amsterdam->SelectDesignOption(f.Bus);
    f.North->SelectDesignOption(f.Walls);
    const auto list = BuildQualifications(f.Amsterdam);
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->At(0)->Qualifier, cheap);
    EXPECT_EQ(QualificationText(*list->At(0)), "Cheap: n/a");
    EXPECT_EQ(TotalQualificationText(*list->At(0)), "Cheap: n/a");
    const TQualification& green = *list->Find(f.Green);
    EXPECT_EQ(QualificationText(green), "Green: 1/1 (100%)");
    // North counts 3, South 2: relevant 1 + 3 + 2, qualified 1 + 3.
    EXPECT_EQ(TotalQualificationText(green), "Green: 4/6 (67%)");
    ASSERT_EQ(green.SubQualifications().size(), 2u);
    EXPECT_EQ(green.SubQualifications()[0]->DesignObject, f.North);
    EXPECT_EQ(QualificationText(*green.SubQualifications()[1]->Find(f.Green)), Local("Green: 0/1 (0%)"));

    // A precluded area counts neither as relevant nor as qualified.
    f.Gas->AddPreclusion(f.Transport);
    f.Gas->AddPreclusion(f.Insulation);
    f.Amsterdam->SelectDesignOption(f.Gas);
    const auto again = BuildQualifications(f.Amsterdam);
    const TQualification& precluded = *again->Find(f.Green);
    EXPECT_EQ(QualificationText(precluded), "Green: n/a");
    EXPECT_EQ(precluded.QualifiedCount, 0);
    EXPECT_EQ(TotalQualificationText(precluded), "Green: n/a");
}

TEST(DeepQualifications, EveryQualificationOfAnObjectSharesTheChildLists)
{
    // Twelve levels deep with five qualifiers: one copy of the children per
    // qualification would need 5^12 lists.
    TCase c;
    std::vector<TQualifier*> qualifiers;
    for (const char* name : { "a", "b", "c", "d", "e" })
        qualifiers.push_back(c.Qualifiers.At(c.AddQualifier(name)));
    TDesign* design = c.Designs.At(c.AddDesign("deep"));
    TSystemLevel* parentLevel = nullptr;
    TDesignObject* parent = nullptr;
    for (int depth = 0; depth < 12; ++depth) {
        TSystemLevel* level = NewLevel(c, QStringLiteral("level %1").arg(depth), parentLevel);
        TOption* option = NewOption(*NewArea(*level, "area", nullptr, nullptr), "option", 1);
        option->AddQualifier(qualifiers[size_t(depth % 5)]);
        for (int i = 0; i < 2; ++i) {
            TDesignObject* object = design->AddDesignObject(QStringLiteral("object %1").arg(i), parent, level);
            object->SetCount(2);
            object->SelectDesignOption(option);
        }
        parentLevel = level;
        parent = parent ? parent->Children.At(0) : design->TopObjects.At(0);
    }
    const auto list = BuildQualifications(design->TopObjects.At(0));
    for (int i = 0; i < list->Count(); ++i)
        EXPECT_EQ(&list->At(i)->SubQualifications(), &list->At(0)->SubQualifications());
    // Qualifier "a" is relevant at depths 0, 5 and 10. Below each object of
    // the chain sit two objects counted 2, the first carrying the rest:
    // T(d) = r(d) + 2 T(d+1) + 2 r(d+1), T(10) = 1, so T(5) = 65, T(0) = 2113.
    const TQualification& a = *list->Find(qualifiers[0]);
    EXPECT_EQ(TotalRelevant(a), 2113);
    EXPECT_EQ(TotalQualified(a), 2113);
}

struct Occurrence : ::testing::Test { TPlanFixture f; };

TEST_F(Occurrence, OccursInOptionsOfOneLevelMustBeChosenInOneObject)
{
    TCombination* gasRoofsAndWalls = f.Combine(0, { f.Gas, f.Solar, f.Walls });
    f.Amsterdam->SelectDesignOption(f.Gas);
    f.North->SelectDesignOption(f.Walls);
    f.South->SelectDesignOption(f.Solar);
    EXPECT_FALSE(OccursIn(*gasRoofsAndWalls, f.Amsterdam));
    EXPECT_EQ(CountOccurrences(*gasRoofsAndWalls, f.Plan->TopObjects), 0);

    f.North->SelectDesignOption(f.Solar);
    TSelections where;
    EXPECT_TRUE(OccursIn(*gasRoofsAndWalls, f.Amsterdam, &where));
    EXPECT_EQ(where, TSelections({ { f.Amsterdam }, { f.North }, { f.North } }));
    EXPECT_EQ(CountOccurrences(*gasRoofsAndWalls, f.Plan->TopObjects), 1);

    // Without the city's option the pair occurs in North alone, counted for
    // its three alike districts.
    TCombination* roofsAndWalls = f.Combine(0, { f.Solar, f.Walls });
    EXPECT_TRUE(OccursIn(*roofsAndWalls, f.North));
    EXPECT_FALSE(OccursIn(*roofsAndWalls, f.South));
    EXPECT_EQ(CountOccurrences(*roofsAndWalls, f.Plan->TopObjects), 3);
}

TEST_F(Occurrence, OccursInALevelAndItsSubLevelUnlessRuledOutButNotAboveNorInAnotherTree)
{
    TCombination* gasAndWalls = f.Combine(0, { f.Walls, f.Gas });
    f.Amsterdam->SelectDesignOption(f.Gas);
    EXPECT_FALSE(OccursIn(*gasAndWalls, f.Amsterdam));
    f.South->SelectDesignOption(f.Walls);
    TSelections where;
    EXPECT_TRUE(OccursIn(*gasAndWalls, f.Amsterdam, &where));
    EXPECT_EQ(where, TSelections({ { f.Amsterdam }, { f.South } }));
    // From any district the search starts at the city above it.
    EXPECT_TRUE(OccursIn(*gasAndWalls, f.North));
    EXPECT_EQ(CountOccurrences(*gasAndWalls, f.Plan->TopObjects), 1);
    // A choice that is ruled out does not count.
    f.Gas->AddPreclusion(f.Insulation);
    EXPECT_FALSE(OccursIn(*gasAndWalls, f.Amsterdam));

    // A combination above the object, or in another tree, does not occur there.
    TCombination* cityOnly = f.Combine(0, { f.Gas, f.Bus });
    f.Amsterdam->SelectDesignOption(f.Bus);
    EXPECT_TRUE(OccursIn(*cityOnly, f.Amsterdam));
    EXPECT_FALSE(OccursIn(*cityOnly, f.North));   // deeper than every option
    TDesignObject* village = f.Plan->AddDesignObject("Edam", nullptr, f.Village);
    EXPECT_FALSE(OccursIn(*cityOnly, village));
    EXPECT_FALSE(OccursIn(TCombination(&f.Case), f.Amsterdam));
}

TEST_F(Occurrence, CountOccurrencesWeighsEachOccurrenceWithTheCumulativeCount)
{
    f.Amsterdam->SetCount(2);
    TDesignObject* east = f.Plan->AddDesignObject("East", f.Amsterdam, f.District);
    for (TDesignObject* district : { f.North, f.South, east }) {
        district->SelectDesignOption(f.Walls);
        district->SelectDesignOption(f.Solar);
    }
    east->SelectDesignOption(f.GreenRoof);
    TCombination* wallsAndSolar = f.Combine(0, { f.Walls, f.Solar });
    // (3 + 2) districts in each of 2 cities.
    EXPECT_EQ(CountOccurrences(*wallsAndSolar, f.Plan->TopObjects), 10);
}
