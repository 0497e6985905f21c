#pragma once

#include "actors/actor.h"
#include "actors/appreciation.h"
#include "policy/designfixture.h"

/// The design fixture (Amsterdam > North x3, South x2 in design "Plan") with
/// the actor Mayor; Gas costs 10 at the city, Walls 3 per district.
struct TAppraisalFixture : TDesignFixture
{
    TActor* Mayor = Case.Actors.At(Case.AddActor("Mayor"));

    TAppraisalFixture()
    {
        Effect(Gas, Cost, "10");
        Effect(HeatPump, Cost, "40");
        Effect(Walls, Cost, "3");
        Amsterdam->SelectDesignOption(Gas);
        North->SelectDesignOption(Walls);
    }

    /// An effect with its formula from the start, so that designs where the
    /// option is already chosen take it into account.
    static void Effect(TOption* option, TVariable* variable, const QString& formula)
    {
        auto effect = std::make_unique<TEffect>(option, variable);
        effect->SetFormula(formula);
        option->AddEffect(std::move(effect));
    }

    /// A further design with only the city, choosing `option` (if any) there.
    TDesign* CityDesign(const QString& name, TOption* option)
    {
        TDesign* design = Case.Designs.At(Case.AddDesign(name));
        TDesignObject* city = design->AddDesignObject("Amsterdam", nullptr, City);
        if (option)
            city->SelectDesignOption(option);
        return design;
    }

    std::unique_ptr<TActorAppreciation> Appraise(const TAppreciationSettings& settings = {}, TDesign* design = nullptr)
    {
        return CreateActorAppreciation(Mayor, design ? design : Plan, settings);
    }
};
