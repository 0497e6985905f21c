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

// Each command takes the options of the object's own level, at the object or
// its whole subtree, for the design or the status quo, and leaves alone what holds.
TEST(ApplyPolicy, ChoosesAtTheLevelOrTheSubtreeForTheDesignOrTheStatusQuo)
{
    TApplicationFixture f;
    ApplyPolicy(*f.Policy, *f.Amsterdam, false, false);
    EXPECT_EQ(f.Amsterdam->DesignOptions, std::vector<TOption*>({ f.HeatPump }));
    EXPECT_EQ(f.North->DesignOptions, std::vector<TOption*>({ f.Solar }));

    ApplyPolicy(*f.Policy, *f.Amsterdam, false, true);
    EXPECT_EQ(f.North->DesignOptions, std::vector<TOption*>({ f.Solar, f.Foam }));   // Solar kept where it was
    EXPECT_EQ(f.South->DesignOptions, std::vector<TOption*>({ f.Foam, f.Solar }));
    EXPECT_TRUE(f.Case.Changed);

    // The status quo, without touching the design.
    ApplyPolicy(*f.Policy, *f.North, true, false);
    EXPECT_EQ(f.North->StatusQuoOptions, std::vector<TOption*>({ f.Foam, f.Solar }));   // Foam replaced Walls
    EXPECT_EQ(f.North->DesignOptions, std::vector<TOption*>({ f.Solar, f.Foam }));
    EXPECT_TRUE(f.South->StatusQuoOptions.empty());
}

// The choices that have effect, or every status quo option, at the object or
// in its whole subtree; the first option met per area wins, also against
// what the policy holds already.
TEST(AddDesignObjectOptions, TakesTheFirstOptionMetPerArea)
{
    TDesignOptionsFixture f;
    const struct { std::vector<TOption*> before; bool statusQuo, subtree; std::vector<TOption*> after; } cases[] = {
        { {}, false, false, { f.Gas } },
        { { f.HeatPump }, false, true, { f.HeatPump, f.Solar, f.Walls } },   // North's Walls before South's Foam
        { {}, true, true, { f.HeatPump, f.Bus, f.Foam } },
        { { f.Gas }, false, false, { f.Gas } },
    };
    for (const auto& c : cases) {
        f.Policy->Options = c.before;
        f.Case.Changed = false;
        AddDesignObjectOptions(*f.Policy, f.Amsterdam, c.statusQuo, c.subtree);
        EXPECT_EQ(f.Policy->Options, c.after);
        EXPECT_EQ(f.Case.Changed, c.after != c.before);
    }
}
