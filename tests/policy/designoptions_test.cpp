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
