#pragma once

#include "formula/vminstruction.h"

#include <vector>

class TAttribute;
class TEffect;

/// One effect's formula running for one attribute. The operand stack is the
/// context's; after Run it holds the result as its single entry.
class TCalculation : public TVMContext
{
public:
    TCalculation(TAttribute* attribute, TEffect* effect);
    ~TCalculation() override;

    TAttribute* Attribute;
    TEffect* Effect;
    /// The attributes of the design object that the formula reads, each once
    /// (placeholders for variables the object has no attribute for yet).
    std::vector<TAttribute*> Dependencies;

    void Run();
    /// A variable without a constant value: the design object's own attribute
    /// for it, else the nearest ancestor's, computed; "#ATTRIBUTE?" when none.
    TVMResult ReadVariable(const TVariable& variable) override;
};
