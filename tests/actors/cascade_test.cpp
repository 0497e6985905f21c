#include "actors/actor.h"
#include "model/messagerecorder.h"
#include "policy/policy.h"
#include "support/designfixture.h"
#include "support/testpaths.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {

// Every kind of reference into the hierarchy and the catalogues: two designs
// of the same shape, Town (City, Gas chosen) > North, South (District, Walls
// chosen, count 2) > Block, where Gas rules out Insulation; two actors, a
// policy and three combinations.
struct TCascadeFixture : TDesignFixture
{
    TDesign* Other = Case.Designs.At(Case.AddDesign("Other"));
    TActor* Mayor = Case.Actors.At(Case.AddActor("Mayor"));
    TActor* Council = Case.Actors.At(Case.AddActor("Council"));
    TPolicy* Policy = Case.Policies.At(Case.AddPolicy("Green deal"));
    TMessageRecorder Messages;

    TCascadeFixture()
    {
        Effect(Gas, Cost, "100");
        Effect(Walls, Cost, "10");
        Effect(Walls, Price, "2");
        Walls->AddQualifier(Green);
        Gas->AddPreclusion(Insulation);
        for (TDesign* design : { Plan, Other }) {
            TDesignObject* town = Object("Town", nullptr, City, 1, design);
            town->SelectDesignOption(Gas);
            town->SelectStatusQuoOption(Gas);
            for (const char* name : { "North", "South" }) {
                TDesignObject* district = Object(name, town, District, 2, design);
                district->SelectDesignOption(Walls);
                district->SelectStatusQuoOption(Walls);
                Object("Block", district, Block, 1, design);
            }
        }
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

    TDesignObject* Town() const { return Plan->TopObjects.First(); }

    /// Touches every remaining reference, as a save and the views would; the
    /// sanitizers catch what a cascade left dangling.
    void UseWhatRemains()
    {
        AllValues(Case);
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

    /// What remains once Insulation, with Walls, is gone.
    void ExpectOnlyTheCityPositions()
    {
        for (TActor* actor : Case.Actors) {
            ASSERT_EQ(actor->Decisions.size(), 1u);
            EXPECT_EQ(actor->Decisions[0]->DecisionArea, Heating);
            ASSERT_EQ(actor->Options.size(), 1u);
            EXPECT_EQ(actor->Options[0]->Option, Gas);
        }
        EXPECT_EQ(Policy->Options, std::vector<TOption*>({ Gas, Bus }));
        EXPECT_EQ(Case.Combinations.size(), 1u);
        UseWhatRemains();
    }
};

struct Cascades : ::testing::Test { TCascadeFixture f; };

} // namespace

TEST_F(Cascades, DeletingAnOptionReachesObjectsPreclusionsPoliciesFeelingsAndCombinations)
{
    f.Heating->DeleteOption(f.Gas);
    EXPECT_TRUE(f.Case.Changed);
    for (TDesign* design : { f.Plan, f.Other }) {
        design->ForEachObject([&](TDesignObject* object) {
            EXPECT_TRUE(object->PrecludedAreas.empty());
            if (object->SystemLevel == f.City) {
                EXPECT_TRUE(object->DesignOptions.empty() && object->StatusQuoOptions.empty()
                            && object->FindAttribute(f.Cost)->Calculations.empty());
            }
        });
        EXPECT_EQ(DesignValue(*design, *f.Cost), 40);
    }
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Bus, f.Walls }));
    EXPECT_EQ(f.Case.Combinations.size(), 2u);
    for (TActor* actor : f.Case.Actors) {
        ASSERT_EQ(actor->Options.size(), 1u);
        EXPECT_EQ(actor->Options[0]->Option, f.Walls);
    }

    f.Insulation->DeleteOption(f.Walls);
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Bus }));
    for (TActor* actor : f.Case.Actors)
        EXPECT_TRUE(actor->Options.empty());
    ASSERT_EQ(f.Case.Combinations.size(), 1u);
    EXPECT_EQ(f.Case.Combinations[0]->Rating, -3);
    f.UseWhatRemains();
}

TEST_F(Cascades, DeletingADecisionAreaDeletesItsRecordsAndPositionsEverywhere)
{
    TDecisionArea* roof = f.Area(f.District, "Roof");
    f.Gas->AddPreclusion(roof);   // nothing is chosen in Roof
    TOption* flat = TDesignFixture::Option(roof, "Flat");
    flat->AddPreclusion(f.Insulation);   // by an option of the same level
    f.District->DeleteDecisionArea(f.Insulation);
    EXPECT_TRUE(flat->PrecludedAreas.empty());
    f.District->DeleteDecisionArea(roof);
    EXPECT_TRUE(f.Gas->PrecludedAreas.empty());
    EXPECT_TRUE(f.District->DecisionAreas.IsEmpty());
    f.Plan->ForEachObject([](TDesignObject* object) { EXPECT_TRUE(object->PrecludedAreas.empty()); });
    f.ExpectOnlyTheCityPositions();
}

TEST_F(Cascades, DeletingALevelDeletesItsObjectsAtEveryDepthAndItsPositions)
{
    f.Object("Loose", nullptr, f.District);
    f.Case.DeleteSystemLevel(f.District);
    for (TDesign* design : { f.Plan, f.Other })
        design->ForEachObject([&](TDesignObject* object) { EXPECT_EQ(object->SystemLevel, f.City); });
    f.ExpectOnlyTheCityPositions();
}

TEST_F(Cascades, DeletingACategoryOrAPhaseDeletesItsAreasWithEveryReferenceToThem)
{
    f.Case.DeleteCategory(f.Mobility);
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_EQ(f.City->DecisionAreas.Count(), 1);
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Gas, f.Walls }));
    EXPECT_EQ(f.Case.Combinations.size(), 1u);
    EXPECT_EQ(f.Case.Categories.Count(), 1);

    f.Case.DeletePhase(f.Later);
    EXPECT_TRUE(f.District->DecisionAreas.IsEmpty());
    EXPECT_TRUE(f.Gas->PrecludedAreas.empty());
    EXPECT_TRUE(f.Case.Combinations.empty());
    EXPECT_EQ(f.Policy->Options, std::vector<TOption*>({ f.Gas }));
    for (TActor* actor : f.Case.Actors)
        EXPECT_EQ(actor->Decisions.size(), 1u);
    EXPECT_EQ(f.Heating->DescriptionRows().size(), 10);   // no row for the lifted preclusion
    f.UseWhatRemains();
}

TEST_F(Cascades, DeletingAVariableRemovesItsAttributesLinksAndGoals)
{
    TVariable* share = f.Variable("Share");
    TVariable* rate = f.Variable("Rate");
    TDesignObject* north = f.Town()->Children.First();
    f.Town()->SelectDesignOption(f.HeatPump);
    f.Town()->SelectDesignOption(f.OptionWithEffect(f.City, "Levy", share, "[Rate] * 2"));
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Local", share, "[Rate] + [Cost]"));
    f.Town()->SelectDesignOption(f.OptionWithEffect(f.City, "Set rate", rate, "3"));
    EXPECT_EQ(f.Text(north, share), "13");
    ASSERT_EQ(north->InheritedAttributes.size(), 1u);

    f.Case.DeleteVariable(rate);
    f.Plan->ForEachObject([&](TDesignObject* object) {
        for (const auto* list : { &object->Attributes, &object->InheritedAttributes })
            for (const auto& attribute : *list) {
                EXPECT_NE(attribute->Variable, rate);
                for (const auto& calculation : attribute->Calculations)
                    for (const TAttribute* read : calculation->Dependencies)
                        EXPECT_NE(read->Variable, rate);
            }
    });
    EXPECT_EQ(f.Text(north, share), "#ATTRIBUTE?");
    f.Case.DeleteVariable(f.Cost);
    for (TActor* actor : f.Case.Actors) {
        ASSERT_EQ(actor->Goals.size(), 1u);
        EXPECT_EQ(actor->Goals[0]->Variable, f.Price);
    }
    f.UseWhatRemains();
}

TEST_F(Cascades, DeletingAQualifierOrAScaleDeletesEveryUseOfIt)
{
    EXPECT_TRUE(f.Insulation->HasQualifier(f.Green));
    f.Case.DeleteQualifier(f.Green);
    for (TActor* actor : f.Case.Actors)
        EXPECT_TRUE(actor->Qualifiers.empty());
    EXPECT_TRUE(f.Walls->Qualifiers.empty());
    EXPECT_FALSE(f.Insulation->HasQualifier(f.Green));
    EXPECT_TRUE(QualifierCounts(*f.Policy).empty());

    // A scale takes its variables with it, and their effects and goals.
    f.Case.DeleteScale(f.Euro);
    EXPECT_TRUE(f.Case.Variables.IsEmpty());
    EXPECT_TRUE(f.Case.Scales.IsEmpty());
    EXPECT_TRUE(f.Gas->Effects.empty() && f.Walls->Effects.empty());
    for (TActor* actor : f.Case.Actors)
        EXPECT_TRUE(actor->Goals.empty());
    f.UseWhatRemains();
}

// The core frees no window: a design's editor is left to the program.
TEST_F(Cascades, DeletingAnActorOrADesignClearsWhatReferredToIt)
{
    f.Case.DeleteActor(f.Council);
    ASSERT_EQ(f.Case.Actors.Count(), 1);
    ASSERT_EQ(f.Mayor->Connections.size(), 1u);
    EXPECT_EQ(f.Mayor->Connections[0]->OtherActor, f.Mayor);
    EXPECT_TRUE(f.Case.Changed);
    f.UseWhatRemains();

    f.Case.BaseCase = f.Other;
    QObject editor;
    f.Other->Editor = &editor;
    f.Case.DeleteDesign(f.Other);
    EXPECT_EQ(f.Case.BaseCase, nullptr);
    EXPECT_EQ(f.Case.Designs.Count(), 1);
}

// Effects added and taken out reach every design.
TEST_F(Cascades, EffectsAddedAndTakenOut)
{
    TVariable* noise = f.Variable("Noise");
    TEffect* loud = TDesignFixture::Effect(f.Walls, noise, "3");
    EXPECT_EQ(DesignValue(*f.Other, *noise), 0);   // Walls is ruled out by Gas
    f.Other->TopObjects.First()->SelectDesignOption(f.HeatPump);
    EXPECT_EQ(DesignValue(*f.Other, *noise), 12);
    EXPECT_EQ(DesignValue(*f.Plan, *noise), 0);
    f.Walls->DeleteEffect(loud);
    EXPECT_EQ(DesignValue(*f.Other, *noise), 0);
    f.UseWhatRemains();
}
