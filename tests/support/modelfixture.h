#pragma once

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"
#include "policy/combination.h"
#include "support/casebuilder.h"

/// A small case to build tests on: City with District below it, each with
/// decision areas and options, two variables on one scale.
struct TModelFixture
{
    TCase Case;
    TCategory* Energy = Case.Categories.At(Case.AddCategory("Energy"));
    TCategory* Mobility = Case.Categories.At(Case.AddCategory("Mobility"));
    TPhase* Now = Case.Phases.At(Case.AddPhase("Now"));
    TPhase* Later = Case.Phases.At(Case.AddPhase("Later"));
    TScale* Euro = Case.Scales.At(Case.AddScale("EUR"));
    TVariable* Cost = AddVariable("Cost", AggregationCumulative);
    TVariable* Price = AddVariable("Price", AggregationAveraging);
    TQualifier* Green = Case.Qualifiers.At(Case.AddQualifier("Green"));
    TSystemLevel* City = Level("City", nullptr);
    TSystemLevel* District = Level("District", City);
    TSystemLevel* Village = Level("Village", nullptr);   // a second tree
    TDecisionArea* Heating = Area(City, "Heating", Energy, Now);
    TDecisionArea* Transport = Area(City, "Transport", Mobility, Later);
    TDecisionArea* Insulation = Area(District, "Insulation", Energy, Later);
    TOption* Gas = Option(Heating, "Gas", 1);
    TOption* HeatPump = Option(Heating, "Heat pump", 2);
    TOption* Bus = Option(Transport, "Bus", 1);
    TOption* Walls = Option(Insulation, "Walls", 1);

    TVariable* AddVariable(const QString& name, quint8 mode) { return NewVariable(Case, name, Euro, mode); }
    TSystemLevel* Level(const QString& name, TSystemLevel* parent) { return NewLevel(Case, name, parent); }
    /// In Energy and Now unless told otherwise.
    TDecisionArea* Area(TSystemLevel* level, const QString& name, TCategory* category = nullptr, TPhase* phase = nullptr)
    {
        return NewArea(*level, name, category ? category : Energy, phase ? phase : Now);
    }
    static TOption* Option(TDecisionArea* area, const QString& name, int number = 1)
    {
        return NewOption(*area, name, number);
    }
    static TEffect* Effect(TOption* option, TVariable* variable, const QString& formula = QString(),
                           bool nullWhenStatusQuo = false)
    {
        return NewEffect(*option, variable, formula, nullWhenStatusQuo);
    }
    /// A problem (rating below 0) or a promise of the options, kept in the
    /// case with its options in order, as the editor keeps them.
    TCombination* Combine(int rating, std::vector<TOption*> options)
    {
        auto combination = std::make_unique<TCombination>(&Case);
        combination->Rating = qint16(rating);
        combination->Options = std::move(options);
        SortOptions(combination->Options);
        Case.Combinations.push_back(std::move(combination));
        return Case.Combinations.back().get();
    }
};
