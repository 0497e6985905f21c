#include "support/designfixture.h"

#include "model/messagerecorder.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {

/// Two designs of the same shape: Town (City, Gas chosen) > North, South
/// (District, Walls chosen, count 2) > Block. Gas rules out Insulation.
struct TCascadeFixture : TDesignFixture
{
    TOption* Pump = HeatPump;
    TDesign* Other = Case.Designs.At(Case.AddDesign("Other"));

    TCascadeFixture()
    {
        Effect(Gas, Cost, "100");
        Effect(Walls, Cost, "10");
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
    }

    TDesignObject* Town() const { return Plan->TopObjects.First(); }

    /// Reads every value; the sanitizers catch what a cascade left dangling.
    void TouchEverything()
    {
        for (const TDesign* design : Case.Designs) {
            design->ForEachObject([](TDesignObject* object) {
                for (const auto& attribute : object->Attributes)
                    Compute(*attribute);
            });
            for (const TVariable* variable : Case.Variables)
                DesignValue(*design, *variable);
        }
    }
};

} // namespace

TEST(DesignCascades, DeletingAnOptionDropsItFromEveryObjectWithItsPreclusions)
{
    TCascadeFixture f;
    f.Heating->DeleteOption(f.Gas);
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
    f.Insulation->DeleteOption(f.Walls);
    f.TouchEverything();
}

TEST(DesignCascades, DeletingAnAreaDeletesItsRecordsEverywhere)
{
    TCascadeFixture f;
    TDecisionArea* roof = f.Area(f.District, "Roof");
    f.Gas->AddPreclusion(roof);   // nothing is chosen in Roof
    f.District->DeleteDecisionArea(roof);
    f.District->DeleteDecisionArea(f.Insulation);
    f.Plan->ForEachObject([](TDesignObject* object) { EXPECT_TRUE(object->PrecludedAreas.empty()); });
    f.TouchEverything();
}

TEST(DesignCascades, DeletingALevelDeletesItsObjectsAtEveryDepth)
{
    TCascadeFixture f;
    f.Object("Loose", nullptr, f.District);
    f.Case.DeleteSystemLevel(f.District);
    for (TDesign* design : { f.Plan, f.Other })
        design->ForEachObject([&](TDesignObject* object) { EXPECT_EQ(object->SystemLevel, f.City); });
    f.TouchEverything();
}

TEST(DesignCascades, DeletingAVariableRemovesItsAttributesWithTheirLinks)
{
    TMessageRecorder messages;
    TCascadeFixture f;
    TVariable* share = f.Variable("Share");
    TVariable* rate = f.Variable("Rate");
    TDesignObject* north = f.Town()->Children.First();
    f.Town()->SelectDesignOption(f.Pump);
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
    f.TouchEverything();
}

TEST(DesignCascades, DeletingADesignClearsTheBaseCaseAndLeavesItsEditorToTheProgram)
{
    TCascadeFixture f;
    f.Case.BaseCase = f.Other;
    QObject editor;
    f.Other->Editor = &editor;
    f.Case.DeleteDesign(f.Other);   // the core frees no window
    EXPECT_EQ(f.Case.BaseCase, nullptr);
    EXPECT_EQ(f.Case.Designs.Count(), 1);
}

TEST(DesignCascades, EffectsAddedAndTakenOutReachEveryDesign)
{
    TCascadeFixture f;
    TVariable* noise = f.Variable("Noise");
    TEffect* loud = TDesignFixture::Effect(f.Walls, noise, "3");
    EXPECT_EQ(DesignValue(*f.Other, *noise), 0);   // Walls is ruled out by Gas
    f.Other->TopObjects.First()->SelectDesignOption(f.Pump);
    EXPECT_EQ(DesignValue(*f.Other, *noise), 12);
    f.Walls->DeleteEffect(loud);
    EXPECT_EQ(DesignValue(*f.Other, *noise), 0);
}

TEST(DesignCascades, TakingOutAnEffectRemovesItsCalculationWhateverItsSetting)
{
    TCascadeFixture f;
    TEffect* effect = f.Gas->Effects.front().get();
    EXPECT_EQ(f.Value(f.Town(), f.Cost), 100);
    // The formula editor switches the setting, then takes the effect out and adds it again.
    effect->NullWhenStatusQuo = true;
    f.Gas->AddEffect(f.Gas->TakeEffect(effect));
    EXPECT_EQ(f.Value(f.Town(), f.Cost), 0);
    f.Town()->SelectStatusQuoOption(f.Pump);
    EXPECT_EQ(f.Value(f.Town(), f.Cost), 100);
    effect->NullWhenStatusQuo = false;
    f.Town()->SelectStatusQuoOption(f.Gas);
    f.Gas->DeleteEffect(effect);
    f.TouchEverything();
    EXPECT_EQ(f.Value(f.Town(), f.Cost), 0);
}
