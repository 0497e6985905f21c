#pragma once

#include "model/concept.h"

class TCase;

/// The unit in which variables are expressed; the name is the unit.
class TScale : public TConcept
{
public:
    TScale(const QString& name, TCase* owner) : TConcept(name), Case(owner) {}

    TCase* Case;

    QStringList DescriptionRows() const override;
};
