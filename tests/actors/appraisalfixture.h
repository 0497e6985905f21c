#pragma once

#include "actors/actor.h"
#include "actors/appreciation.h"
#include "support/designfixture.h"

/// The plan fixture (Amsterdam > North x3, South x2 in design "Plan") with
/// the actor Mayor; Gas costs 10 at the city, Walls 3 per district.
struct TAppraisalFixture : TPlanFixture
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
