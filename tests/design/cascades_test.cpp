#include "designfixture.h"

#include "model/messagerecorder.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {

/// Two designs with the same shape: Town (City) > North, South (District) >
/// Block; Gas at City rules out Insulation at District.
struct TCascadeFixture : TDesignFixture
{
    TVariable* Cost = Variable("Cost");
    TDecisionArea* Heating = Area(City, "Heating");
    TDecisionArea* Insulation = Area(District, "Insulation");
    TOption* Gas = Option(Heating, "Gas", 1);
    TOption* Pump = Option(Heating, "Pump", 2);
    TOption* Walls = Option(Insulation, "Walls", 1);
    TDesign* Other = Case.Designs.At(Case.AddDesign("Other"));

    TCascadeFixture()
    {
        Effect(Gas, Cost, "100");
        Effect(Walls, Cost, "10");
        Gas->AddPreclusion(Insulation);
        for (TDesign* design : { Design, Other }) {
            TDesignObject* town = Object("Town", nullptr, City, 1, design);
            town->SelectDesignOption(Gas);
            town->SelectStatusQuoOption(Gas);
            for (const char* name : { "North", "South" }) {
                TDesignObject* district = Object(QString::fromLatin1(name), town, District, 2, design);
                district->SelectDesignOption(Walls);
                district->SelectStatusQuoOption(Walls);
                Object("Block", district, Block, 1, design);
            }
        }
    }

    /// Reads every value of every object of both designs.
    void TouchEverything()
    {
        for (TDesign* design : { Design, Other }) {
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
    TDesignObject* north = f.Design->TopObjects.First()->Children.First();
    EXPECT_GE(north->IsPrecluded(f.Insulation), 0);
    f.Heating->DeleteOption(f.Gas);
    for (TDesign* design : { f.Design, f.Other }) {
        design->ForEachObject([&](TDesignObject* object) {
            EXPECT_TRUE(object->PrecludedAreas.empty()) << object->Name.toStdString();
            if (object->SystemLevel == f.City) {
                EXPECT_TRUE(object->DesignOptions.empty());
                EXPECT_TRUE(object->StatusQuoOptions.empty());
                EXPECT_TRUE(object->FindAttribute(f.Cost)->Calculations.empty());
            }
        });
        EXPECT_DOUBLE_EQ(DesignValue(*design, *f.Cost), 40);
    }
    f.Insulation->DeleteOption(f.Walls);
    f.TouchEverything();
    EXPECT_DOUBLE_EQ(DesignValue(*f.Design, *f.Cost), 0);
}

TEST(DesignCascades, DeletingAnAreaDeletesItsRecordsEverywhere)
{
    TCascadeFixture f;
    TDecisionArea* roof = f.Area(f.District, "Roof");
    f.Gas->AddPreclusion(roof);   // nothing is chosen in Roof
    f.District->DeleteDecisionArea(roof);
    f.District->DeleteDecisionArea(f.Insulation);
    f.Design->ForEachObject([](TDesignObject* object) { EXPECT_TRUE(object->PrecludedAreas.empty()); });
    f.TouchEverything();
    EXPECT_DOUBLE_EQ(DesignValue(*f.Design, *f.Cost), 100);
}

TEST(DesignCascades, DeletingALevelDeletesItsObjectsAtEveryDepth)
{
    TCascadeFixture f;
    TDesignObject* loose = f.Object("Loose", nullptr, f.District);
    f.Object("Inner", loose, f.Block);
    f.Case.DeleteSystemLevel(f.District);
    for (TDesign* design : { f.Design, f.Other }) {
        design->ForEachObject([&](TDesignObject* object) {
            EXPECT_EQ(object->SystemLevel, f.City) << object->Name.toStdString();
        });
    }
    EXPECT_EQ(f.Design->TopObjects.Count(), 1);
    f.TouchEverything();
}

TEST(DesignCascades, DeletingAVariableRemovesItsAttributesWithTheirLinks)
{
    TMessageRecorder messages;
    TCascadeFixture f;
    TVariable* share = f.Variable("Share");
    TVariable* rate = f.Variable("Rate");
    TOption* levy = f.OptionWithEffect(f.City, "Levy", share, "[Rate] * 2");
    TOption* local = f.OptionWithEffect(f.District, "Local", share, "[Rate] + [Cost]");
    TDesignObject* town = f.Design->TopObjects.First();
    TDesignObject* north = town->Children.First();
    town->SelectDesignOption(f.Pump);   // Walls has effect
    town->SelectDesignOption(levy);
    north->SelectDesignOption(local);
    ASSERT_EQ(north->InheritedAttributes.size(), 1u);   // the placeholder for Rate
    town->SelectDesignOption(f.OptionWithEffect(f.City, "Set rate", rate, "3"));
    EXPECT_EQ(TDesignFixture::Text(north, share), "13");   // 3 from the town, 10 own cost

    f.Case.DeleteVariable(rate);
    f.Design->ForEachObject([&](TDesignObject* object) {
        for (const auto* list : { &object->Attributes, &object->InheritedAttributes }) {
            for (const auto& attribute : *list) {
                EXPECT_NE(attribute->Variable, rate);
                for (const auto& calculation : attribute->Calculations)
                    for (const TAttribute* read : calculation->Dependencies)
                        EXPECT_NE(read->Variable, rate);
            }
        }
    });
    EXPECT_TRUE(north->InheritedAttributes.empty());
    EXPECT_EQ(messages.Warnings(), QStringList(2, "Unknown variable: \"Rate\""));
    EXPECT_EQ(TDesignFixture::Text(north, share), "#ATTRIBUTE?");
    f.Case.DeleteVariable(f.Cost);
    f.TouchEverything();
}

TEST(DesignCascades, DeletingADesignClearsTheBaseCaseAndClosesItsEditor)
{
    TCascadeFixture f;
    f.Case.BaseCase = f.Other;
    QPointer<QObject> editor = new QObject;
    f.Other->Editor = editor;
    f.Case.Changed = false;
    f.Case.DeleteDesign(f.Other);
    EXPECT_EQ(f.Case.BaseCase, nullptr);
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_EQ(f.Case.Designs.Count(), 1);
    f.Case.DeleteDesign(f.Design);
    EXPECT_TRUE(f.Case.Designs.IsEmpty());
}

TEST(DesignCascades, EffectsAddedAndTakenOutReachEveryDesign)
{
    TCascadeFixture f;
    TVariable* noise = f.Variable("Noise");
    TEffect* loud = TDesignFixture::Effect(f.Walls, noise, "3");
    for (TDesign* design : { f.Design, f.Other })
        EXPECT_DOUBLE_EQ(DesignValue(*design, *noise), 0) << "ruled out by Gas";
    f.Design->TopObjects.First()->SelectDesignOption(f.Pump);
    EXPECT_DOUBLE_EQ(DesignValue(*f.Design, *noise), 12);
    f.Walls->DeleteEffect(loud);
    EXPECT_DOUBLE_EQ(DesignValue(*f.Design, *noise), 0);
    f.TouchEverything();
}

TEST(DesignCascades, TakingOutAnEffectRemovesItsCalculationWhateverItsSetting)
{
    TCascadeFixture f;
    TDesignObject* town = f.Design->TopObjects.First();
    TEffect* effect = f.Gas->Effects.front().get();
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(town, f.Cost).Value, 100);
    // The formula editor switches the setting, then takes the effect out and adds it again.
    effect->NullWhenStatusQuo = true;
    f.Gas->AddEffect(f.Gas->TakeEffect(effect));
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(town, f.Cost).Value, 0);
    town->SelectStatusQuoOption(f.Pump);
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(town, f.Cost).Value, 100);

    TEffect* other = f.Gas->Effects.front().get();
    other->NullWhenStatusQuo = false;
    town->SelectStatusQuoOption(f.Gas);
    f.Gas->DeleteEffect(other);
    f.TouchEverything();
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(town, f.Cost).Value, 0);
}
