#include "design/attribute.h"

#include "design/designobject.h"
#include "design/evaluation.h"
#include "formula/vminstruction.h"
#include "model/effect.h"

#include <algorithm>

TAttribute::TAttribute(TDesignObject* object, const TVariable* variable, bool inherited)
    : DesignObject(object), Variable(variable), Inherited(inherited)
{
}

TAttribute::~TAttribute() = default;

TCalculation* TAttribute::FindCalculation(const TEffect* effect) const
{
    for (auto it = Calculations.rbegin(); it != Calculations.rend(); ++it)
        if ((*it)->Effect == effect)
            return it->get();
    return nullptr;
}

void TAttribute::AddCalculation(TEffect* effect)
{
    // One calculation per effect: a second would count the effect twice.
    if (effect->Variable != Variable || effect->Formula.isEmpty() || FindCalculation(effect))
        return;
    auto calculation = std::make_unique<TCalculation>(this, effect);
    for (const auto& instruction : effect->Code) {
        const auto* push = dynamic_cast<const TVM_PUSHVAR*>(instruction.get());
        if (!push || !push->Variable)
            continue;
        TAttribute* source = DesignObject->FindAttribute(push->Variable);
        if (!source)
            source = DesignObject->InheritedAttribute(push->Variable);
        auto& dependencies = calculation->Dependencies;
        if (std::find(dependencies.begin(), dependencies.end(), source) != dependencies.end())
            continue;
        dependencies.push_back(source);
        source->Dependents.push_back(this);
    }
    Calculations.push_back(std::move(calculation));
    TEvaluation::Invalidate();
}

void TAttribute::RemoveCalculation(const TEffect* effect)
{
    // Found by its effect alone, so that a calculation made before the effect
    // changed its variable still goes with it.
    TCalculation* calculation = FindCalculation(effect);
    if (!calculation)
        return;
    for (TAttribute* source : calculation->Dependencies) {
        auto it = std::find(source->Dependents.begin(), source->Dependents.end(), this);
        if (it != source->Dependents.end())
            source->Dependents.erase(it);
    }
    std::erase_if(Calculations, [calculation](const auto& c) { return c.get() == calculation; });
    TEvaluation::Invalidate();
}
