#pragma once

#include "design/attribute.h"
#include "design/precludedarea.h"
#include "model/concept.h"
#include "model/conceptlist.h"

#include <memory>
#include <utility>
#include <vector>

class TDecisionArea;
class TDesign;
class TEffect;
class TOption;
class TSystemLevel;
class TVariable;

/// A counted instance of a system level within a design: the options chosen
/// at it (for the design and for the status quo), the decision areas those
/// and its ancestors' choices rule out, and the values of variables.
class TDesignObject : public TConcept
{
public:
    TDesignObject(const QString& name, TDesign* design, TDesignObject* parent);
    ~TDesignObject() override;

    TDesign* Design;
    TSystemLevel* SystemLevel = nullptr;   // set through SetSystemLevel
    TDesignObject* Parent;
    TConceptList<TDesignObject> Children;
    std::vector<std::unique_ptr<TAttribute>> InheritedAttributes;   // placeholders
    std::vector<std::unique_ptr<TAttribute>> Attributes;            // one per variable at most
    std::vector<TOption*> DesignOptions;      // not owned; one per decision area at most
    std::vector<TOption*> StatusQuoOptions;   // not owned; one per decision area at most
    /// Derived from the choices on the chain down to this object and kept up
    /// to date by every operation that changes choices or preclusions.
    TPrecludedAreas PrecludedAreas;

    /// Sets the level and takes over the areas that choices above rule out.
    void SetSystemLevel(TSystemLevel* level);
    /// Number of identical instances within the parent.
    int Count() const { return CountWithinParent; }
    void SetCount(int count);
    /// Number of instances within the whole design: the product of the counts
    /// up the chain, so it never goes stale (saturated to the int range).
    int CumulativeCount() const;
    /// The system level's depth; -1 without a level.
    int Depth() const;

    // Option choices.
    /// Chooses the option for the design, replacing the choice in its area.
    void SelectDesignOption(TOption* option);
    /// Chooses the option for the status quo, replacing the choice in its area.
    void SelectStatusQuoOption(TOption* option);
    /// Takes the option (about to be deleted) out of this object and every
    /// object below it, with its calculations and its preclusions.
    void DropOption(TOption* option);
    bool HasDesignOption(const TOption* option) const;
    bool HasStatusQuoOption(const TOption* option) const;
    /// The effect of an option chosen here starts to count: its attribute
    /// exists from now on, and its calculation unless the status quo rules it out.
    void AddEffectCalculation(TEffect* effect);
    /// Removes the effect's calculation from every attribute, whatever the
    /// effect's settings are now.
    void RemoveEffectCalculations(const TEffect* effect);
    /// Decision areas of the level that are neither ruled out nor decided.
    int UndecidedCount() const;
    /// How often the option's decision area occurs in this subtree, counted
    /// with cumulative counts.
    int OccurrenceCount(const TOption* option) const;
    /// The objects of this subtree at the option's level where it is chosen
    /// and has effect, depth first.
    std::vector<TDesignObject*> FindSelections(const TOption* option) const;

    // Preclusion bookkeeping.
    /// Index of the record for the area (searched from the end), or -1.
    int IsPrecluded(const TDecisionArea* area) const;
    /// Chosen here and not ruled out.
    bool HasEffect(const TOption* option) const;
    /// The option, chosen somewhere, has begun or stopped ruling out the area:
    /// brings the records of this subtree up to date.
    void RefreshPreclusionsOf(const TOption* option, const TDecisionArea* area);
    /// Derives this object's records from its ancestors' records and its own
    /// choices (the objects above must be up to date).
    void RecomputePreclusions();
    /// RecomputePreclusions here, and below wherever what has effect above changed.
    void UpdatePreclusions();

    // Attributes.
    /// The attribute for the variable in Attributes, or nullptr.
    TAttribute* FindAttribute(const TVariable* variable) const;
    /// Makes sure this object and every ancestor have an attribute for it.
    TAttribute* EnsureAttribute(const TVariable* variable);
    /// The placeholder for the variable, created when missing.
    TAttribute* InheritedAttribute(const TVariable* variable);
    /// The attribute for the variable of the nearest ancestor that has one.
    TAttribute* FindAncestorAttribute(const TVariable* variable) const;
    /// Frees the attributes and placeholders of the variable (about to be
    /// deleted) with every link to them.
    void DropVariable(const TVariable* variable);
    /// Drops the attributes that no effect of a chosen option and no child
    /// needs any more, here and up the tree. One left behind would read 0 and
    /// weigh in its parent's average, where a reread case has none.
    void DropUnneededAttributes();

    QString IconHTML() const override;
    /// The outline row with the count, then the children's outlines.
    QStringList TreeRows() const;
    /// Where the object sits and its chosen options, in option order.
    QStringList DescriptionRows() const override;
    /// The writer's unit: sorts the option lists in place, then the description
    /// rows and the blocks of the children.
    QStringList DesignBlock();

private:
    bool ChainChooses(const TOption* option) const;
    /// RecomputePreclusions; returns the options whose effect came or went.
    std::vector<const TOption*> RederivePreclusions();
    /// The options in `changed`, chosen above, came into or lost effect.
    void PropagatePreclusions(std::vector<const TOption*> changed);
    void MarkChanged() const;

    int CountWithinParent = 1;
    /// The chosen options with effect, as last derived (sorted by address):
    /// what objects below see of this one.
    std::vector<const TOption*> OptionsWithEffect;
    /// Attributes by variable (sorted by address), for the lookup evaluation
    /// makes at every child.
    std::vector<std::pair<const TVariable*, TAttribute*>> AttributeIndex;
};
