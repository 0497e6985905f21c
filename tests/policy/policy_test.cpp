#include "model/messagerecorder.h"
#include "support/modelfixture.h"
#include "policy/combination.h"
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

} // namespace

TEST(AddOptionToPolicy, KeepsOneOptionPerAreaInOptionOrder)
{
    TPolicyFixture f;
    AddOptionToPolicy(*f.Policy, f.Walls);
    AddOptionToPolicy(*f.Policy, f.Bus);
    AddOptionToPolicy(*f.Policy, f.Gas);
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Gas, f.Bus, f.Walls }));
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_TRUE(f.Messages.Messages.isEmpty());
}

TEST(AddOptionToPolicy, RefusesOptionsInConflictThroughAPreclusion)
{
    TModelFixture m;
    const struct { TOption* member; TOption* added; const char* warning; } cases[] = {
        { m.Gas, m.Walls, "Decision area \"Insulation\"\ris precluded by policy option \"Heating = Gas\"" },
        { m.Walls, m.Gas, "Option \"Heating = Gas\"\rwould preclude policy option \"Insulation = Walls\"" },
    };
    m.Gas->AddPreclusion(m.Insulation);
    TPolicy* policy = m.Case.Policies.At(m.Case.AddPolicy("p"));
    TMessageRecorder messages;
    for (const auto& c : cases) {
        policy->Options = { c.member };
        messages.Clear();
        m.Case.Changed = false;
        AddOptionToPolicy(*policy, c.added);
        EXPECT_EQ(messages.Messages, QStringList({ "warning: " + QString::fromLatin1(c.warning) }));
        EXPECT_EQ(policy->Options, std::vector<TOption*>({ c.member }));
        EXPECT_FALSE(m.Case.Changed);
    }
}

TEST(AddOptionToPolicy, AConflictIsRefusedEvenWhereTheOptionWouldReplace)
{
    TPolicyFixture f;
    // Options of one area never preclude each other through the editor; a
    // file may still say so.
    f.HeatPump->PrecludedAreas.push_back(f.Heating);
    f.Policy->Options = { f.HeatPump };
    f.Messages.Answer = true;
    AddOptionToPolicy(*f.Policy, f.Gas);
    EXPECT_EQ(f.Messages.Warnings().size(), 1);
    EXPECT_TRUE(f.Messages.Messages.filter("question: ").isEmpty());
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.HeatPump }));
}

TEST(AddOptionToPolicy, AsksBeforeReplacingTheOptionOfTheSameArea)
{
    for (const bool yes : { false, true }) {
        TPolicyFixture f;
        f.Policy->Options = { f.Gas, f.Bus };
        f.Messages.Answer = yes;
        AddOptionToPolicy(*f.Policy, f.HeatPump);
        EXPECT_EQ(f.Messages.Messages, QStringList({ "question: " + ReplaceQuestion }));
        EXPECT_EQ(f.Policy->Options, yes ? std::vector<TOption*>({ f.HeatPump, f.Bus })
                                         : std::vector<TOption*>({ f.Gas, f.Bus }));
        EXPECT_EQ(f.Case.Changed, yes);
    }
}

TEST(AddOptionToPolicy, AddingAnOptionAlreadyThereAsksAndChangesNothing)
{
    TPolicyFixture f;
    f.Policy->Options = { f.Gas, f.Bus };
    f.Messages.Answer = true;
    AddOptionToPolicy(*f.Policy, f.Bus);
    EXPECT_EQ(f.Messages.Messages, QStringList({ "question: " + ReplaceQuestion }));
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Gas, f.Bus }));
    EXPECT_FALSE(f.Case.Changed);
}

TEST(RemoveOptionFromPolicy, RemovesAndMarksChangedOnlyWhenPresent)
{
    TPolicyFixture f;
    f.Policy->Options = { f.Gas, f.Bus };
    RemoveOptionFromPolicy(*f.Policy, f.Walls);
    EXPECT_FALSE(f.Case.Changed);
    RemoveOptionFromPolicy(*f.Policy, f.Gas);
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Bus }));
    EXPECT_TRUE(f.Case.Changed);
}

TEST(Policy, RenamingMarksTheCaseChangedAndKeepsNameOnEmptyText)
{
    TPolicyFixture f;
    f.Case.Policies.RenameConcept(f.Policy, " =[]");
    EXPECT_EQ(f.Policy->Name, "Green deal");
    EXPECT_FALSE(f.Case.Changed);
    f.Case.Policies.RenameConcept(f.Policy, " Blue: deal ");
    EXPECT_EQ(f.Policy->Name, "Blue deal");
    EXPECT_TRUE(f.Case.Changed);
}

TEST(Policy, AnEmptyPolicyAffectsNothing)
{
    TPolicyFixture f;
    TModelFixture::Effect(f.Gas, f.Cost, "1");
    auto combination = std::make_unique<TCombination>(&f.Case);
    combination->Options = { f.Gas, f.Bus };
    f.Case.Combinations.push_back(std::move(combination));
    EXPECT_TRUE(AffectedVariables(*f.Policy).empty());
    EXPECT_TRUE(PolicyCombinations(*f.Policy).empty());
    EXPECT_EQ(QualifierCounts(*f.Policy), std::vector<int>({ 0 }));
}

TEST(Policy, AffectedVariablesCombinationsAndQualifierCounts)
{
    TPolicyFixture f;
    TVariable* area = f.AddVariable("area", AggregationCumulative);
    TQualifier* cheap = f.Case.Qualifiers.At(f.Case.AddQualifier("Cheap"));
    TModelFixture::Effect(f.Gas, f.Price, "1");
    TModelFixture::Effect(f.Gas, f.Cost, "2");
    TModelFixture::Effect(f.Walls, area, "3");
    TModelFixture::Effect(f.Walls, f.Cost, "4");
    f.Gas->AddQualifier(f.Green);
    f.Walls->AddQualifier(f.Green);
    f.Walls->AddQualifier(cheap);
    f.Policy->Options = { f.Gas, f.Walls };
    std::vector<TCombination*> inPolicy;
    for (const auto& [rating, options] : std::vector<std::pair<int, std::vector<TOption*>>>{
             { -1, { f.Gas, f.Walls } }, { 2, { f.Gas, f.Bus } }, { 3, { f.Gas, f.Walls } } }) {
        auto c = std::make_unique<TCombination>(&f.Case);
        c->Rating = qint16(rating);
        c->Options = options;
        if (options.back() == f.Walls)
            inPolicy.insert(inPolicy.begin(), c.get());   // the higher rating lists first
        f.Case.Combinations.push_back(std::move(c));
    }
    EXPECT_EQ(AffectedVariables(*f.Policy), std::vector<TVariable*>({ area, f.Cost, f.Price }));
    EXPECT_EQ(PolicyCombinations(*f.Policy), inPolicy);
    EXPECT_EQ(QualifierCounts(*f.Policy), std::vector<int>({ 1, 2 }));   // Cheap, Green
}
