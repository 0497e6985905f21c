#pragma once

#include "model/concept.h"

#include <vector>

class TCase;
class TOption;

/// A named, reusable set of options, at most one per decision area.
class TPolicy : public TConcept
{
public:
    TPolicy(const QString& name, TCase* owner) : TConcept(name), Case(owner) {}

    TCase* Case;
    std::vector<TOption*> Options;   // not owned, in option order
};
