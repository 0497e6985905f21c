#pragma once

#include "design/design.h"
#include "model/modelfixture.h"

/// The model fixture with a second district decision (Roofs: Solar, Green
/// roof) and a design: the city Amsterdam with the districts North (3 alike)
/// and South (2 alike).
struct TDesignFixture : TModelFixture
{
    TDecisionArea* Roofs = Area(District, "Roofs", Energy, Now);
    TOption* Solar = Option(Roofs, "Solar", 1);
    TOption* GreenRoof = Option(Roofs, "Green roof", 2);
    TOption* Foam = Option(Insulation, "Foam", 2);
    TDesign* Plan = Case.Designs.At(Case.AddDesign("Plan"));
    TDesignObject* Amsterdam = Plan->AddDesignObject("Amsterdam", nullptr, City);
    TDesignObject* North = Plan->AddDesignObject("North", Amsterdam, District);
    TDesignObject* South = Plan->AddDesignObject("South", Amsterdam, District);

    TDesignFixture()
    {
        North->SetCount(3);
        South->SetCount(2);
    }
};
