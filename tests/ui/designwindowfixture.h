#pragma once

#include "actors/actor.h"
#include "policy/combination.h"
#include "support/casebuilder.h"
#include "scriptedwindow.h"

/// A main window on a small case: City > District, a design "Plan" with the
/// city Rivertown and its districts North (2x) and South; an option that rules
/// out a district decision, a qualified option, a combination, a policy and an
/// actor with a goal. Questions are answered from the script.
class DesignWindowTest : public TWindowTest
{
protected:
    DesignWindowTest()
    {
        NewCase(QStringLiteral("Test case"));
        TCase& c = Case();
        TCategory* general = c.Categories.At(c.AddCategory(QStringLiteral("General")));
        TPhase* now = c.Phases.At(c.AddPhase(QStringLiteral("Now")));
        Green = c.Qualifiers.At(c.AddQualifier(QStringLiteral("Green")));
        TScale* eur = c.Scales.At(c.AddScale(QStringLiteral("EUR")));
        Cost = NewVariable(c, QStringLiteral("cost"), eur, AggregationCumulative);
        Comfort = NewVariable(c, QStringLiteral("Comfort"), eur, AggregationAveraging);
        City = NewLevel(c, QStringLiteral("City"), nullptr);
        District = NewLevel(c, QStringLiteral("District"), City);
        // An option with one effect.
        auto option = [](TDecisionArea* area, const char* name, int number, TVariable* variable, const char* formula) {
            TOption* made = NewOption(*area, QLatin1String(name), number);
            NewEffect(*made, variable, QLatin1String(formula));
            return made;
        };
        TDecisionArea* energy = NewArea(*City, QStringLiteral("Energy"), general, now);
        Gas = option(energy, "Gas", 1, Cost, "10");
        HeatNet = option(energy, "Heat net", 2, Cost, "50");
        Boiler = NewArea(*District, QStringLiteral("Boiler"), general, now);
        OldBoiler = option(Boiler, "Old", 1, Cost, "1");
        NewBoiler = option(Boiler, "New", 2, Cost, "5");
        NewBoiler->AddQualifier(Green);
        TDecisionArea* insulation = NewArea(*District, QStringLiteral("Insulation"), general, now);
        NoInsulation = option(insulation, "None", 1, Comfort, "1");
        Thick = option(insulation, "Thick", 2, Comfort, "3");
        NewEffect(*Thick, Cost, QStringLiteral("7"));
        HeatNet->AddPreclusion(Boiler);
        auto combination = std::make_unique<TCombination>(&c);
        combination->Options = {HeatNet, Thick};
        combination->Rating = 2;
        c.Combinations.push_back(std::move(combination));
        Policy = c.Policies.At(c.AddPolicy(QStringLiteral("Green plan")));
        Policy->Options = {Gas, NewBoiler, Thick};
        Mayor = c.Actors.At(c.AddActor(QStringLiteral("Mayor")));
        Mayor->AddGoal(Cost, -1, 100, 2);
        Plan = c.Designs.At(c.AddDesign(QStringLiteral("Plan")));
        Rivertown = Plan->AddDesignObject(QStringLiteral("Rivertown"), nullptr, City);
        North = Plan->AddDesignObject(QStringLiteral("North"), Rivertown, District);
        North->SetCount(2);
        South = Plan->AddDesignObject(QStringLiteral("South"), Rivertown, District);
        c.Changed = false;
        Window.resize(1200, 800);
        Window.show();
    }

    TQualifier* Green;
    TVariable* Cost;
    TVariable* Comfort;
    TSystemLevel* City;
    TSystemLevel* District;
    TDecisionArea* Boiler;
    TOption* Gas;
    TOption* HeatNet;
    TOption* OldBoiler;
    TOption* NewBoiler;
    TOption* NoInsulation;
    TOption* Thick;
    TPolicy* Policy;
    TActor* Mayor;
    TDesign* Plan;
    TDesignObject* Rivertown;
    TDesignObject* North;
    TDesignObject* South;
};
