#include "model/messagerecorder.h"
#include "support/modelfixture.h"
#include "policy/policy.h"

#include <gtest/gtest.h>

namespace {

const QString ReplaceQuestion = "Policy already contains an option for this decision area.\rReplace?";

struct TPolicyFixture : TModelFixture
{
    TPolicy* Policy = Case.Policies.At(Case.AddPolicy("Green deal"));
    TMessageRecorder Messages;

    TPolicyFixture() { Case.Changed = false; }
};

struct Policies : ::testing::Test { TPolicyFixture f; };

} // namespace

// One option per area, in option order; one of an area the policy holds
// already replaces it only when the user agrees, and one in conflict through a
// preclusion is refused. Removing changes the policy only when it is there.
TEST_F(Policies, AddOptionToPolicyAsksBeforeReplacingAndRefusesConflicts)
{
    AddOptionToPolicy(*f.Policy, f.Walls);
    AddOptionToPolicy(*f.Policy, f.Bus);
    AddOptionToPolicy(*f.Policy, f.Gas);
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Gas, f.Bus, f.Walls }));
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_TRUE(f.Messages.Messages.isEmpty());

    f.Case.Changed = false;
    RemoveOptionFromPolicy(*f.Policy, f.HeatPump);
    EXPECT_FALSE(f.Case.Changed);
    RemoveOptionFromPolicy(*f.Policy, f.Gas);
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Bus, f.Walls }));
    EXPECT_TRUE(f.Case.Changed);

    // An option of an area the policy holds already: asked first.
    const struct { TOption* added; bool yes; std::vector<TOption*> result; } replacing[] = {
        { f.HeatPump, false, { f.Gas, f.Bus } },
        { f.HeatPump, true, { f.HeatPump, f.Bus } },
        { f.Bus, true, { f.Gas, f.Bus } },   // already there: asked, and nothing changes
    };
    for (const auto& c : replacing) {
        f.Policy->Options = { f.Gas, f.Bus };
        f.Messages.Clear();
        f.Messages.Answer = c.yes;
        f.Case.Changed = false;
        AddOptionToPolicy(*f.Policy, c.added);
        EXPECT_EQ(f.Messages.Messages, QStringList({ "question: " + ReplaceQuestion }));
        EXPECT_EQ(f.Policy->Options, c.result);
        EXPECT_EQ(f.Case.Changed, c.result.front() != f.Gas);
    }

    // Options of one area never preclude each other through the editor; a file
    // may still say so, and the conflict is refused even where the option would replace.
    f.Gas->AddPreclusion(f.Insulation);
    f.HeatPump->PrecludedAreas.push_back(f.Heating);
    f.Messages.Answer = true;
    const struct { TOption* member; TOption* added; QString warning; } conflicts[] = {
        { f.Gas, f.Walls, "Decision area \"Insulation\"\ris precluded by policy option \"Heating = Gas\"" },
        { f.Walls, f.Gas, "Option \"Heating = Gas\"\rwould preclude policy option \"Insulation = Walls\"" },
        { f.HeatPump, f.Gas, "Decision area \"Heating\"\ris precluded by policy option \"Heating = Heat pump\"" },
    };
    for (const auto& c : conflicts) {
        f.Policy->Options = { c.member };
        f.Messages.Clear();
        f.Case.Changed = false;
        AddOptionToPolicy(*f.Policy, c.added);
        EXPECT_EQ(f.Messages.Messages, QStringList({ "warning: " + c.warning }));
        EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ c.member }));
        EXPECT_FALSE(f.Case.Changed);
    }
}

TEST_F(Policies, AffectedVariablesCombinationsAndQualifierCounts)
{
    TVariable* area = f.AddVariable("area", AggregationCumulative);
    TQualifier* cheap = f.Case.Qualifiers.At(f.Case.AddQualifier("Cheap"));
    TModelFixture::Effect(f.Gas, f.Price, "1");
    TModelFixture::Effect(f.Gas, f.Cost, "2");
    TModelFixture::Effect(f.Walls, area, "3");
    TModelFixture::Effect(f.Walls, f.Cost, "4");
    f.Gas->AddQualifier(f.Green);
    f.Walls->AddQualifier(f.Green);
    f.Walls->AddQualifier(cheap);
    TCombination* low = f.Combine(-1, { f.Gas, f.Walls });
    f.Combine(2, { f.Gas, f.Bus });
    TCombination* high = f.Combine(3, { f.Gas, f.Walls });
    // An empty policy affects nothing.
    EXPECT_TRUE(AffectedVariables(*f.Policy).empty());
    EXPECT_TRUE(PolicyCombinations(*f.Policy).empty());
    EXPECT_EQ(QualifierCounts(*f.Policy), std::vector<int>({ 0, 0 }));

    f.Policy->Options = { f.Gas, f.Walls };
    EXPECT_EQ(AffectedVariables(*f.Policy), std::vector<TVariable*>({ area, f.Cost, f.Price }));
    EXPECT_EQ(PolicyCombinations(*f.Policy), std::vector<TCombination*>({ high, low }));
    EXPECT_EQ(QualifierCounts(*f.Policy), std::vector<int>({ 1, 2 }));   // Cheap, Green
}
