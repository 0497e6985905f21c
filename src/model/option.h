#pragma once

#include "model/concept.h"
#include "model/effect.h"

#include <memory>
#include <vector>

class TCase;
class TDecisionArea;
class TQualifier;
class TSystemLevel;

/// One choice in a decision area, with its effects on variables.
class TOption : public TConcept
{
public:
    TOption(const QString& name, TDecisionArea* area);
    ~TOption() override;

    TDecisionArea* DecisionArea;
    std::vector<std::unique_ptr<TEffect>> Effects;   // in the order added
    std::vector<TQualifier*> Qualifiers;              // not owned, in the order added
    std::vector<TDecisionArea*> PrecludedAreas;       // not owned
    int Number = 0;

    TCase* Case() const;
    TSystemLevel* SystemLevel() const;
    /// "area = option", as messages and pages name a chosen option.
    QString AreaAndName() const;

    /// Appends the effect and lets every design take it into account.
    TEffect* AddEffect(std::unique_ptr<TEffect> effect);
    /// Takes the effect out (designs drop its calculations first) without freeing it.
    std::unique_ptr<TEffect> TakeEffect(TEffect* effect);
    void DeleteEffect(TEffect* effect);
    /// The one way to change an effect of this option: sets its formula (as
    /// SetFormula does) and its "null when status quo" setting, and brings the
    /// calculations of every design object that chose the option up to date.
    /// Returns the compiler's message (empty on success).
    QString EditEffect(TEffect& effect, const QString& formula, bool nullWhenStatusQuo);
    /// Refused with a warning outside the option's own subtree or for its own area.
    void AddPreclusion(TDecisionArea* area);
    void RemovePreclusion(TDecisionArea* area);
    bool Precludes(const TDecisionArea* area) const;
    bool HasQualifier(const TQualifier* qualifier) const;
    void AddQualifier(TQualifier* qualifier);
    void RemoveQualifier(TQualifier* qualifier);

    QString IconHTML() const override;
    QStringList DescriptionRows() const override;
};

/// The row of a chosen option; marker 0 for a design, policy or combination,
/// 1 for the status quo.
QString OptionRow(const TOption& option, int marker);

/// Option order: decision area order, then option number.
bool OptionLess(const TOption* a, const TOption* b);
void SortOptions(std::vector<TOption*>& options);
