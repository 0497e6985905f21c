#include "support/designfixture.h"
#include "policy/policy.h"
#include "policy/policyapplication.h"

#include <gtest/gtest.h>

// Each command takes the options of the object's own level, at the object or
// its whole subtree, for the design or the status quo, and leaves alone what holds.
TEST(ApplyPolicy, ChoosesAtTheLevelOrTheSubtreeForTheDesignOrTheStatusQuo)
{
    TPlanFixture f;
    TPolicy* policy = f.Case.Policies.At(f.Case.AddPolicy("Green"));
    policy->Options = { f.HeatPump, f.Foam, f.Solar };
    f.North->SelectDesignOption(f.Solar);
    f.North->SelectStatusQuoOption(f.Walls);
    f.Case.Changed = false;
    ApplyPolicy(*policy, *f.Amsterdam, false, false);
    EXPECT_EQ(f.Amsterdam->DesignOptions, std::vector<TOption*>({ f.HeatPump }));
    EXPECT_EQ(f.North->DesignOptions, std::vector<TOption*>({ f.Solar }));

    ApplyPolicy(*policy, *f.Amsterdam, false, true);
    EXPECT_EQ(f.North->DesignOptions, std::vector<TOption*>({ f.Solar, f.Foam }));   // Solar kept where it was
    EXPECT_EQ(f.South->DesignOptions, std::vector<TOption*>({ f.Foam, f.Solar }));
    EXPECT_TRUE(f.Case.Changed);

    // The status quo, without touching the design.
    ApplyPolicy(*policy, *f.North, true, false);
    EXPECT_EQ(f.North->StatusQuoOptions, std::vector<TOption*>({ f.Foam, f.Solar }));   // Foam replaced Walls
    EXPECT_EQ(f.North->DesignOptions, std::vector<TOption*>({ f.Solar, f.Foam }));
    EXPECT_TRUE(f.South->StatusQuoOptions.empty());
}

// The choices that have effect, or every status quo option, at the object or
// in its whole subtree; the first option met per area wins, also against
// what the policy holds already.
TEST(AddDesignObjectOptions, TakesTheFirstOptionMetPerArea)
{
    TPlanFixture f;
    TPolicy* policy = f.Case.Policies.At(f.Case.AddPolicy("From design"));
    f.Gas->AddPreclusion(f.Transport);
    f.Amsterdam->SelectDesignOption(f.Gas);
    f.Amsterdam->SelectDesignOption(f.Bus);        // precluded by Gas
    f.North->SelectDesignOption(f.Walls);
    f.South->SelectDesignOption(f.Foam);
    f.South->SelectDesignOption(f.Solar);
    f.Amsterdam->SelectStatusQuoOption(f.HeatPump);
    f.Amsterdam->SelectStatusQuoOption(f.Bus);
    f.North->SelectStatusQuoOption(f.Foam);
    f.South->SelectStatusQuoOption(f.Walls);
    const struct { std::vector<TOption*> before; bool statusQuo, subtree; std::vector<TOption*> after; } cases[] = {
        { {}, false, false, { f.Gas } },
        { { f.HeatPump }, false, true, { f.HeatPump, f.Solar, f.Walls } },   // North's Walls before South's Foam
        { {}, true, true, { f.HeatPump, f.Bus, f.Foam } },
        { { f.Gas }, false, false, { f.Gas } },
    };
    for (const auto& c : cases) {
        policy->Options = c.before;
        f.Case.Changed = false;
        AddDesignObjectOptions(*policy, f.Amsterdam, c.statusQuo, c.subtree);
        EXPECT_EQ(policy->Options, c.after);
        EXPECT_EQ(f.Case.Changed, c.after != c.before);
    }
}
