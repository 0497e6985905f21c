#pragma once

#include "model/concept.h"
#include "model/conceptlist.h"
#include "model/option.h"

#include <vector>

class TCase;
class TCategory;
class TPhase;
class TQualifier;
class TSystemLevel;

/// A decision that can be taken at a system level, with the options it offers.
class TDecisionArea : public TConcept
{
public:
    TDecisionArea(const QString& name, TSystemLevel* level);
    ~TDecisionArea() override;

    TSystemLevel* SystemLevel;
    TCategory* Category = nullptr;
    TPhase* Phase = nullptr;
    TConceptList<TOption> Options;

    TCase* Case() const;
    /// Classifies the area anew; both are concepts of the same case.
    void SetCategory(TCategory* category);
    void SetPhase(TPhase* phase);
    int AddOption(const QString& name);
    /// Deletes the option with every reference to it.
    void DeleteOption(TOption* option);
    bool HasQualifier(const TQualifier* qualifier) const;
    /// The options that preclude this area (from its own level and each
    /// ancestor level), in option order.
    std::vector<TOption*> PrecludingOptions() const;
    /// "level index:area index", the address other pages use.
    QString Address() const;

    QString IconHTML() const override;
    QStringList DescriptionRows() const override;
    QString SummaryRow() const;
};

/// Decision area order: level depth, level name, category number, phase order, name.
bool DecisionAreaLess(const TDecisionArea* a, const TDecisionArea* b);
int CompareDecisionAreas(const TDecisionArea* a, const TDecisionArea* b);
