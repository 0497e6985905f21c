#include "support/modelfixture.h"
#include "policy/combination.h"

#include <gtest/gtest.h>

TEST(CompareCombinations, RatingThenOptionsThenTheLongerFirst)
{
    TModelFixture f;
    const struct { int ratingA; std::vector<TOption*> a; int ratingB; std::vector<TOption*> b; int sign; } cases[] = {
        { 2, { f.Gas, f.Walls }, -3, { f.Gas, f.Walls }, -1 },          // higher rating first
        { -3, { f.Gas, f.Walls }, 2, { f.Gas, f.Walls }, 1 },
        { 1, { f.Gas, f.Walls }, 1, { f.HeatPump, f.Walls }, -1 },      // option number within an area
        { 1, { f.Gas, f.Walls }, 1, { f.Gas, f.Bus }, 1 },              // Transport (City) before Insulation
        { 1, { f.Gas, f.Bus, f.Walls }, 1, { f.Gas, f.Bus }, -1 },      // an extension before what it extends
        { 1, { f.Gas, f.Bus }, 1, { f.Gas, f.Bus, f.Walls }, 1 },
        { 1, { f.Gas, f.Bus }, 1, { f.Gas, f.Bus }, 0 },
    };
    for (const auto& c : cases) {
        const int result = CompareCombinations(f.Combine(c.ratingA, c.a), f.Combine(c.ratingB, c.b));
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.ratingA << " " << c.ratingB;
    }
}

TEST(CombinationsOf, KeepsTheCaseOrder)
{
    TModelFixture f;
    TCombination* first = f.Combine(1, { f.Gas, f.Walls });
    f.Combine(1, { f.HeatPump, f.Bus });
    TCombination* third = f.Combine(-1, { f.Bus, f.Walls });
    EXPECT_EQ(CombinationsOf(f.Walls), std::vector<TCombination*>({ first, third }));
    EXPECT_TRUE(CombinationsOf(f.Gas).size() == 1);
}
