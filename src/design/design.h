#pragma once

#include "model/concept.h"

class TCase;

/// One named variant of the system being assessed: a tree of design objects.
class TDesign : public TConcept
{
public:
    TDesign(const QString& name, TCase* owner) : TConcept(name), Case(owner) {}

    TCase* Case;
};
