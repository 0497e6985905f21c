#pragma once

#include "model/concept.h"

#include <vector>

class TCase;
class TCombination;
class TDesignObject;
class TOption;
class TVariable;

/// A named, reusable set of options, at most one per decision area, that the
/// design editor can impose on design objects. The case's Policies list owns it.
class TPolicy : public TConcept
{
public:
    TPolicy(const QString& name, TCase* owner) : TConcept(name), Case(owner) {}

    TCase* Case;
    std::vector<TOption*> Options;   // not owned, in option order

    QString IconHTML() const override;
    QStringList DescriptionRows() const override;
};

/// Adds a single option as dropped by the user: refused with a warning when it
/// conflicts through a preclusion with an option of the policy; asks before it
/// replaces the policy's option of the same decision area.
void AddOptionToPolicy(TPolicy& policy, TOption* option);
/// Adds the options chosen at the design object (or its status quo options),
/// optionally with those of its whole subtree. The first option met for a
/// decision area wins; nothing already in the policy is replaced.
void AddDesignObjectOptions(TPolicy& policy, const TDesignObject* object, bool statusQuo, bool withSubsystems);
void RemoveOptionFromPolicy(TPolicy& policy, TOption* option);

/// The variables the policy's options affect, each once, in locale-aware name order.
std::vector<TVariable*> AffectedVariables(const TPolicy& policy);
/// The combinations of the case whose options all belong to the policy, in combination order.
std::vector<TCombination*> PolicyCombinations(const TPolicy& policy);
/// Per qualifier of the case, in its order: how many policy options carry it.
std::vector<int> QualifierCounts(const TPolicy& policy);
