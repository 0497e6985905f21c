#include "support/designfixture.h"
#include "policy/occurrence.h"

#include <gtest/gtest.h>

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

TEST_F(Occurrence, OccursInALevelAndItsSubLevelUnlessRuledOut)
{
    TCombination* gasAndWalls = f.Combine(0, { f.Walls, f.Gas });
    f.Amsterdam->SelectDesignOption(f.Gas);
    EXPECT_FALSE(OccursIn(*gasAndWalls, f.Amsterdam));
    f.South->SelectDesignOption(f.Walls);
    TSelections where;
    EXPECT_TRUE(OccursIn(*gasAndWalls, f.Amsterdam, &where));
    EXPECT_EQ(where[0], std::vector<TDesignObject*>({ f.Amsterdam }));
    EXPECT_EQ(where[1], std::vector<TDesignObject*>({ f.South }));
    // From any district the search starts at the city above it.
    EXPECT_TRUE(OccursIn(*gasAndWalls, f.North));
    EXPECT_EQ(CountOccurrences(*gasAndWalls, f.Plan->TopObjects), 1);
    // A choice that is ruled out does not count.
    f.Gas->AddPreclusion(f.Insulation);
    EXPECT_FALSE(OccursIn(*gasAndWalls, f.Amsterdam));
}

TEST_F(Occurrence, OccursInACombinationAboveTheObjectOrInAnotherTreeDoesNotOccur)
{
    TCombination* cityOnly = f.Combine(0, { f.Gas, f.Bus });
    f.Amsterdam->SelectDesignOption(f.Gas);
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
