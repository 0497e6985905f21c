#include "design/calculation.h"

#include "design/attribute.h"
#include "design/designobject.h"
#include "design/evaluation.h"
#include "formula/machine.h"
#include "model/effect.h"

TCalculation::TCalculation(TAttribute* attribute, TEffect* effect) : Attribute(attribute), Effect(effect) {}

TCalculation::~TCalculation() = default;

void TCalculation::Run() { RunCode(Effect->Code, *this); }

TVMResult TCalculation::ReadVariable(const TVariable& variable)
{
    TDesignObject* object = Attribute->DesignObject;
    TAttribute* source = nullptr;
    for (TAttribute* dependency : Dependencies) {
        if (dependency->Variable == &variable) {
            source = dependency;
            break;
        }
    }
    // Not among the dependencies when the formula changed after this calculation was made.
    if (!source)
        source = object->FindAttribute(&variable);
    if (!source || source->Inherited)
        source = object->FindAncestorAttribute(&variable);
    if (!source)
        return { VMNoAttribute, UndefinedValue };
    return ReadDuringCompute(*source, *Attribute);
}
