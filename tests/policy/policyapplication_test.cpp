#include "support/designfixture.h"
#include "policy/policy.h"
#include "policy/policyapplication.h"

#include <gtest/gtest.h>

namespace {

struct TApplicationFixture : TPlanFixture
{
    TPolicy* Policy = Case.Policies.At(Case.AddPolicy("Green"));

    TApplicationFixture()
    {
        Policy->Options = { HeatPump, Foam, Solar };
        North->SelectDesignOption(Solar);
        North->SelectStatusQuoOption(Walls);
        Case.Changed = false;
    }
};

} // namespace

// Each command takes the options of the object's own level, at the object or
// its whole subtree, for the design or the status quo, and leaves alone what holds.
TEST(ApplyPolicy, ChoosesAtTheLevelOrTheSubtree)
{
    TApplicationFixture f;
    ApplyPolicy(*f.Policy, *f.Amsterdam, false, false);
    EXPECT_EQ(f.Amsterdam->DesignOptions, std::vector<TOption*>({ f.HeatPump }));
    EXPECT_EQ(f.North->DesignOptions, std::vector<TOption*>({ f.Solar }));

    ApplyPolicy(*f.Policy, *f.Amsterdam, false, true);
    EXPECT_EQ(f.North->DesignOptions, std::vector<TOption*>({ f.Solar, f.Foam }));   // Solar kept where it was
    EXPECT_EQ(f.South->DesignOptions, std::vector<TOption*>({ f.Foam, f.Solar }));
    EXPECT_TRUE(f.Case.Changed);
}

TEST(ApplyPolicy, SetsTheStatusQuoWithoutTouchingTheDesign)
{
    TApplicationFixture f;
    ApplyPolicy(*f.Policy, *f.North, true, false);
    EXPECT_EQ(f.North->StatusQuoOptions, std::vector<TOption*>({ f.Foam, f.Solar }));   // Foam replaced Walls
    EXPECT_EQ(f.North->DesignOptions, std::vector<TOption*>({ f.Solar }));
    EXPECT_TRUE(f.South->StatusQuoOptions.empty());
}
