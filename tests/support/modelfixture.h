#pragma once

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"

#include <memory>

/// A small case to build tests on: City with District below it, each with
/// decision areas and options, two variables on one scale.
struct TModelFixture
{
    TCase Case;
    TCategory* Energy;
    TCategory* Mobility;
    TPhase* Now;
    TPhase* Later;
    TScale* Euro;
    TVariable* Cost;
    TVariable* Price;
    TQualifier* Green;
    TSystemLevel* City;
    TSystemLevel* District;
    TSystemLevel* Village;         // a second tree
    TDecisionArea* Heating;        // City
    TDecisionArea* Transport;      // City
    TDecisionArea* Insulation;     // District
    TOption* Gas;
    TOption* HeatPump;
    TOption* Bus;
    TOption* Walls;

    TModelFixture()
    {
        Energy = Case.Categories.At(Case.AddCategory("Energy"));
        Mobility = Case.Categories.At(Case.AddCategory("Mobility"));
        Now = Case.Phases.At(Case.AddPhase("Now"));
        Later = Case.Phases.At(Case.AddPhase("Later"));
        Euro = Case.Scales.At(Case.AddScale("EUR"));
        Cost = AddVariable("Cost", AggregationCumulative);
        Price = AddVariable("Price", AggregationAveraging);
        Green = Case.Qualifiers.At(Case.AddQualifier("Green"));
        City = Level("City", nullptr);
        District = Level("District", City);
        Village = Level("Village", nullptr);
        Heating = Area(City, "Heating", Energy, Now);
        Transport = Area(City, "Transport", Mobility, Later);
        Insulation = Area(District, "Insulation", Energy, Later);
        Gas = Option(Heating, "Gas", 1);
        HeatPump = Option(Heating, "Heat pump", 2);
        Bus = Option(Transport, "Bus", 1);
        Walls = Option(Insulation, "Walls", 1);
    }

    TVariable* AddVariable(const QString& name, quint8 mode)
    {
        TVariable* v = Case.Variables.At(Case.AddVariable(name));
        v->Scale = Euro;
        v->AggregationMode = mode;
        return v;
    }

    TSystemLevel* Level(const QString& name, TSystemLevel* parent)
    {
        TSystemLevel* level = Case.SystemLevels.At(Case.AddSystemLevel(name));
        level->PlaceUnder(parent);
        return level;
    }

    static TDecisionArea* Area(TSystemLevel* level, const QString& name, TCategory* category, TPhase* phase)
    {
        TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(name));
        area->Category = category;
        area->Phase = phase;
        return area;
    }

    static TOption* Option(TDecisionArea* area, const QString& name, int number)
    {
        TOption* option = area->Options.At(area->AddOption(name));
        option->Number = number;
        return option;
    }

    static TEffect* Effect(TOption* option, TVariable* variable, const QString& formula = QString())
    {
        // The formula is set before the effect joins its option, so that designs
        // where the option is chosen already take it into account.
        auto effect = std::make_unique<TEffect>(option, variable);
        effect->SetFormula(formula);
        return option->AddEffect(std::move(effect));
    }
};
