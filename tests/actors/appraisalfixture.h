#pragma once

#include "actors/actor.h"
#include "actors/appreciation.h"
#include "support/designfixture.h"

inline const TAppreciationSettings Objectives{ true, false, false };
inline const TAppreciationSettings Options{ false, true, false };
inline const TAppreciationSettings Qualifiers{ false, false, true };
inline const TAppreciationSettings Nothing{ false, false, false };

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

    /// Designs of the city alone to compare against: Zero chooses nothing,
    /// Debt the Bus (cost -10), Deeper the Bus twice over, Broken the Ferry (1/0).
    void AddCityDesigns()
    {
        TOption* ferry = Option(Transport, "Ferry", 2);
        Effect(Bus, Cost, "-10");
        Effect(ferry, Cost, "1/0");
        CityDesign("Zero", nullptr);
        CityDesign("Debt", Bus);
        CityDesign("Deeper", Bus)->TopObjects.First()->SetCount(2);
        CityDesign("Broken", ferry);
    }

    std::unique_ptr<TActorAppreciation> Appraise(const TAppreciationSettings& settings = {}, TDesign* design = nullptr)
    {
        return CreateActorAppreciation(Mayor, design ? design : Plan, settings);
    }
};
