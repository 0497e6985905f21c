#include "actors/actor.h"
#include "model/messagerecorder.h"
#include "support/modelfixture.h"
#include "policy/combination.h"
#include "policy/policy.h"

#include <gtest/gtest.h>

namespace {

// Every kind of reference into the hierarchy and the catalogues, from two
// actors, a policy and two combinations.
struct TCascadeFixture : TModelFixture
{
    TActor* Mayor = Case.Actors.At(Case.AddActor("Mayor"));
    TActor* Council = Case.Actors.At(Case.AddActor("Council"));
    TPolicy* Policy = Case.Policies.At(Case.AddPolicy("Green deal"));
    TMessageRecorder Messages;

    TCascadeFixture()
    {
        TModelFixture::Effect(Gas, Cost, "1");
        TModelFixture::Effect(Walls, Price, "2");
        Walls->AddQualifier(Green);
        for (TActor* actor : { Mayor, Council }) {
            actor->AddConnection(actor == Mayor ? Council : Mayor, 2);
            actor->AddConnection(actor, 1);
            actor->AddDecision(Heating, 3);
            actor->AddDecision(Insulation, 1);
            actor->AddGoal(Cost, 1, 5, 2);
            actor->AddGoal(Price, -1, 5, 2);
            actor->AddOptionFeeling(Gas, -2);
            actor->AddOptionFeeling(Walls, 3);
            actor->AddQualifierFeeling(Green, 1);
        }
        Policy->Options = { Gas, Bus, Walls };
        Combine(2, { Gas, Walls });
        Combine(-1, { Bus, Walls });
        Combine(-3, { HeatPump, Bus });
        Case.Changed = false;
    }

    void Combine(int rating, std::vector<TOption*> options)
    {
        auto combination = std::make_unique<TCombination>(&Case);
        combination->Rating = qint16(rating);
        combination->Options = std::move(options);
        Case.Combinations.push_back(std::move(combination));
    }

    // Touches every remaining reference, as a save and the views would.
    void UseWhatRemains()
    {
        for (TActor* actor : Case.Actors) {
            actor->SortPositions();
            EXPECT_FALSE(actor->DescriptionRows().isEmpty());
            for (const auto& goal : actor->Goals)
                EXPECT_FALSE(GoalText(*goal).isEmpty());
        }
        SortCombinations(Case.Combinations);
        for (const auto& combination : Case.Combinations)
            EXPECT_FALSE(CombinationRows(*combination).isEmpty());
        for (TPolicy* policy : Case.Policies) {
            EXPECT_FALSE(policy->DescriptionRows().isEmpty());
            AffectedVariables(*policy);
            PolicyCombinations(*policy);
            QualifierCounts(*policy);
        }
        EXPECT_TRUE(Messages.Errors().isEmpty());
    }
};

template <class T, class Pred>
bool NoneOf(const std::vector<std::unique_ptr<T>>& list, Pred pred)
{
    return std::none_of(list.begin(), list.end(), [&](const auto& link) { return pred(*link); });
}

} // namespace

TEST(Cascades, DeletingAnOptionReachesPoliciesFeelingsAndCombinations)
{
    TCascadeFixture f;
    f.Insulation->DeleteOption(f.Walls);
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Gas, f.Bus }));
    for (TActor* actor : f.Case.Actors) {
        ASSERT_EQ(actor->Options.size(), 1u);
        EXPECT_EQ(actor->Options[0]->Option, f.Gas);
    }
    ASSERT_EQ(f.Case.Combinations.size(), 1u);
    EXPECT_EQ(f.Case.Combinations[0]->Rating, -3);
    f.UseWhatRemains();
}

TEST(Cascades, DeletingADecisionAreaDeletesTheDecisionPowersOnIt)
{
    TCascadeFixture f;
    f.City->DeleteDecisionArea(f.Heating);
    for (TActor* actor : f.Case.Actors) {
        ASSERT_EQ(actor->Decisions.size(), 1u);
        EXPECT_EQ(actor->Decisions[0]->DecisionArea, f.Insulation);
        EXPECT_TRUE(NoneOf(actor->Options, [&](const TActorOption& l) { return l.Option->DecisionArea == f.Heating; }));
    }
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Bus, f.Walls }));
    EXPECT_EQ(f.Case.Combinations.size(), 1u);
    f.UseWhatRemains();
}

TEST(Cascades, DeletingAVariableDeletesTheGoalsOnIt)
{
    TCascadeFixture f;
    f.Case.DeleteVariable(f.Cost);
    for (TActor* actor : f.Case.Actors) {
        ASSERT_EQ(actor->Goals.size(), 1u);
        EXPECT_EQ(actor->Goals[0]->Variable, f.Price);
    }
    f.UseWhatRemains();
}

TEST(Cascades, DeletingAnActorDeletesTheRelationsTowardsIt)
{
    TCascadeFixture f;
    f.Case.DeleteActor(f.Council);
    ASSERT_EQ(f.Case.Actors.Count(), 1);
    ASSERT_EQ(f.Mayor->Connections.size(), 1u);
    EXPECT_EQ(f.Mayor->Connections[0]->OtherActor, f.Mayor);
    EXPECT_TRUE(f.Case.Changed);
    f.UseWhatRemains();
}

TEST(Cascades, DeletingAQualifierDeletesTheFeelingsAboutIt)
{
    TCascadeFixture f;
    f.Case.DeleteQualifier(f.Green);
    for (TActor* actor : f.Case.Actors)
        EXPECT_TRUE(actor->Qualifiers.empty());
    EXPECT_TRUE(f.Walls->Qualifiers.empty());
    EXPECT_TRUE(QualifierCounts(*f.Policy).empty());
    f.UseWhatRemains();
}

TEST(Cascades, DeletingALevelOrACategoryReachesEveryPosition)
{
    TCascadeFixture f;
    f.Case.DeleteSystemLevel(f.District);
    f.Case.DeleteCategory(f.Mobility);
    for (TActor* actor : f.Case.Actors) {
        ASSERT_EQ(actor->Decisions.size(), 1u);
        EXPECT_EQ(actor->Decisions[0]->DecisionArea, f.Heating);
        ASSERT_EQ(actor->Options.size(), 1u);
    }
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Gas }));
    EXPECT_TRUE(f.Case.Combinations.empty());
    f.UseWhatRemains();
}
