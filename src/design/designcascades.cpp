#include "design/designcascades.h"

#include "design/design.h"
#include "design/evaluation.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"

#include <algorithm>

namespace {

// Every object of every design, each before its children. The whole tree is
// walked, not only the levels where an option belongs, so that no reference
// survives in an object placed at an unusual level.
void ForEachDesignObject(const TCase& aCase, const std::function<void(TDesignObject*)>& visit)
{
    for (const TDesign* design : aCase.Designs)
        design->ForEachObject(visit);
}

void DeleteObjectsOfLevel(TDesign& design, TConceptList<TDesignObject>& list, const TSystemLevel& level)
{
    for (int i = list.Count() - 1; i >= 0; --i) {
        TDesignObject* object = list.At(i);
        if (object->SystemLevel == &level)
            design.DeleteDesignObject(object);
        else
            DeleteObjectsOfLevel(design, object->Children, level);
    }
}

} // namespace

void ApplyEffectToDesigns(TEffect& effect)
{
    ForEachDesignObject(*effect.Option->Case(), [&effect](TDesignObject* object) {
        if (object->HasDesignOption(effect.Option))
            object->AddEffectCalculation(&effect);
    });
}

void RemoveEffectFromDesigns(const TEffect& effect)
{
    // Calculations exist only where the option is chosen.
    ForEachDesignObject(*effect.Option->Case(), [&effect](TDesignObject* object) {
        if (object->HasDesignOption(effect.Option)) {
            object->RemoveEffectCalculations(&effect);
            object->DropUnneededAttributes();
        }
    });
}

void RefreshPreclusionInDesigns(TOption& option, TDecisionArea& area)
{
    for (const TDesign* design : option.Case()->Designs)
        for (TDesignObject* top : design->TopObjects)
            top->RefreshPreclusionsOf(&option, &area);
}

void DropOptionFromDesigns(TOption& option)
{
    for (const TDesign* design : option.Case()->Designs)
        for (int i = design->TopObjects.Count() - 1; i >= 0; --i)
            design->TopObjects.At(i)->DropOption(&option);
}

void ForgetDecisionAreaInDesigns(TDecisionArea& area)
{
    ForEachDesignObject(*area.Case(), [&area](TDesignObject* object) {
        std::erase_if(object->PrecludedAreas, [&area](const auto& r) { return r->DecisionArea == &area; });
    });
    TEvaluation::Invalidate();
}

void DeleteDesignObjectsOfLevel(TCase& aCase, const TSystemLevel& level)
{
    for (TDesign* design : aCase.Designs)
        DeleteObjectsOfLevel(*design, design->TopObjects, level);
}

void DropVariableFromDesigns(TCase& aCase, const TVariable& variable)
{
    ForEachDesignObject(aCase, [&variable](TDesignObject* object) { object->DropVariable(&variable); });
}
