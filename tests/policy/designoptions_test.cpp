#include "support/designfixture.h"
#include "policy/policy.h"

#include <gtest/gtest.h>

namespace {

struct TDesignOptionsFixture : TPlanFixture
{
    TPolicy* Policy = Case.Policies.At(Case.AddPolicy("From design"));

    TDesignOptionsFixture()
    {
        Gas->AddPreclusion(Transport);
        Amsterdam->SelectDesignOption(Gas);
        Amsterdam->SelectDesignOption(Bus);        // precluded by Gas
        North->SelectDesignOption(Walls);
        South->SelectDesignOption(Foam);
        South->SelectDesignOption(Solar);
        Amsterdam->SelectStatusQuoOption(HeatPump);
        Amsterdam->SelectStatusQuoOption(Bus);
        North->SelectStatusQuoOption(Foam);
        South->SelectStatusQuoOption(Walls);
        Case.Changed = false;
    }
};

} // namespace

TEST(AddDesignObjectOptions, TakesTheChoicesThatHaveEffect)
{
    TDesignOptionsFixture f;
    AddDesignObjectOptions(*f.Policy, f.Amsterdam, false, false);
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Gas }));
    EXPECT_TRUE(f.Case.Changed);
}

TEST(AddDesignObjectOptions, TheFirstOptionMetPerAreaWins)
{
    TDesignOptionsFixture f;
    f.Policy->Options = { f.HeatPump };
    AddDesignObjectOptions(*f.Policy, f.Amsterdam, false, true);
    // HeatPump stays; North's Walls comes before South's Foam.
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.HeatPump, f.Solar, f.Walls }));
}

TEST(AddDesignObjectOptions, TakesEveryStatusQuoOption)
{
    TDesignOptionsFixture f;
    AddDesignObjectOptions(*f.Policy, f.Amsterdam, true, true);
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.HeatPump, f.Bus, f.Foam }));
}

TEST(AddDesignObjectOptions, NothingNewLeavesTheCaseUnchanged)
{
    TDesignOptionsFixture f;
    f.Policy->Options = { f.Gas };
    AddDesignObjectOptions(*f.Policy, f.Amsterdam, false, false);
    EXPECT_FALSE(f.Case.Changed);
}
