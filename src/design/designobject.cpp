#include "design/designobject.h"

#include "design/design.h"
#include "design/evaluation.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/helpers.h"
#include "model/option.h"
#include "model/systemlevel.h"

#include <algorithm>
#include <iterator>
#include <set>

namespace {

bool Contains(const std::vector<TOption*>& list, const TOption* option)
{
    return std::find(list.begin(), list.end(), option) != list.end();
}

} // namespace

TDesignObject::TDesignObject(const QString& name, TDesign* design, TDesignObject* parent)
    : TConcept(name), Design(design), Parent(parent), Children(design->Case)
{
}

TDesignObject::~TDesignObject() = default;

void TDesignObject::MarkChanged() const
{
    TEvaluation::Invalidate();
    MarkCaseChanged(Design->Case);
}

void TDesignObject::SetSystemLevel(TSystemLevel* level)
{
    if (SystemLevel == level)
        return;
    SystemLevel = level;
    UpdatePreclusions();
    MarkChanged();
}

void TDesignObject::SetCount(int count)
{
    if (CountWithinParent == count)
        return;
    CountWithinParent = count;
    MarkChanged();
}

int TDesignObject::CumulativeCount() const
{
    qint64 product = 1;
    for (const TDesignObject* o = this; o; o = o->Parent)
        product = Saturated(product * o->CountWithinParent);
    return int(product);
}

int TDesignObject::Depth() const { return SystemLevel ? SystemLevel->Depth : -1; }

// ---- Option choices ----

bool TDesignObject::HasDesignOption(const TOption* option) const { return Contains(DesignOptions, option); }
bool TDesignObject::HasStatusQuoOption(const TOption* option) const { return Contains(StatusQuoOptions, option); }

void TDesignObject::AddEffectCalculation(TEffect* effect)
{
    if (!effect->Variable)
        return;
    TAttribute* attribute = EnsureAttribute(effect->Variable);
    // Such an effect describes a change from the status quo; keeping it is no change.
    if (effect->NullWhenStatusQuo && HasStatusQuoOption(effect->Option))
        return;
    attribute->AddCalculation(effect);
}

void TDesignObject::RemoveEffectCalculations(const TEffect* effect)
{
    for (const auto& attribute : Attributes)
        attribute->RemoveCalculation(effect);
}

void TDesignObject::SelectDesignOption(TOption* option)
{
    bool replaced = false;
    for (int i = int(DesignOptions.size()) - 1; i >= 0; --i) {
        TOption* earlier = DesignOptions[size_t(i)];
        if (earlier->DecisionArea != option->DecisionArea)
            continue;
        for (const auto& effect : earlier->Effects)
            RemoveEffectCalculations(effect.get());
        DesignOptions.erase(DesignOptions.begin() + i);
        replaced = true;
    }
    DesignOptions.push_back(option);
    for (const auto& effect : option->Effects)
        AddEffectCalculation(effect.get());
    if (replaced)
        DropUnneededAttributes();
    UpdatePreclusions();
    MarkChanged();
}

void TDesignObject::SelectStatusQuoOption(TOption* option)
{
    for (int i = int(StatusQuoOptions.size()) - 1; i >= 0; --i) {
        TOption* earlier = StatusQuoOptions[size_t(i)];
        if (earlier->DecisionArea != option->DecisionArea)
            continue;
        StatusQuoOptions.erase(StatusQuoOptions.begin() + i);
        // Effects that the earlier status quo suppressed occur again.
        if (HasDesignOption(earlier))
            for (const auto& effect : earlier->Effects)
                if (effect->NullWhenStatusQuo)
                    AddEffectCalculation(effect.get());
    }
    StatusQuoOptions.push_back(option);
    if (HasDesignOption(option))
        for (const auto& effect : option->Effects)
            if (effect->NullWhenStatusQuo)
                RemoveEffectCalculations(effect.get());
    MarkChanged();
}

void TDesignObject::DropOption(TOption* option)
{
    const bool chosen = HasDesignOption(option);
    if (chosen) {
        for (const auto& effect : option->Effects)
            RemoveEffectCalculations(effect.get());
        std::erase(DesignOptions, option);
    }
    std::erase(StatusQuoOptions, option);
    for (int i = Children.Count() - 1; i >= 0; --i)
        Children.At(i)->DropOption(option);
    // Its preclusions go as they would if another option replaced it.
    if (chosen) {
        DropUnneededAttributes();
        UpdatePreclusions();
    }
    TEvaluation::Invalidate();
}

int TDesignObject::UndecidedCount() const
{
    if (!SystemLevel)
        return 0;
    int count = 0;
    for (const TDecisionArea* area : SystemLevel->DecisionAreas) {
        const bool decided = std::any_of(DesignOptions.begin(), DesignOptions.end(),
                                         [area](const TOption* o) { return o->DecisionArea == area; });
        if (!decided && IsPrecluded(area) < 0)
            ++count;
    }
    return count;
}

int TDesignObject::OccurrenceCount(const TOption* option) const
{
    const TSystemLevel* level = option->SystemLevel();
    if (SystemLevel == level)
        return CumulativeCount();
    if (Depth() >= level->Depth)
        return 0;
    qint64 sum = 0;
    for (const TDesignObject* child : Children)
        sum += child->OccurrenceCount(option);
    return Saturated(sum);
}

std::vector<TDesignObject*> TDesignObject::FindSelections(const TOption* option) const
{
    std::vector<TDesignObject*> found;
    const TSystemLevel* level = option->SystemLevel();
    if (SystemLevel == level) {
        if (HasEffect(option))
            found.push_back(const_cast<TDesignObject*>(this));
    } else if (Depth() < level->Depth) {
        for (const TDesignObject* child : Children) {
            const std::vector<TDesignObject*> below = child->FindSelections(option);
            found.insert(found.end(), below.begin(), below.end());
        }
    }
    return found;
}

// ---- Preclusion bookkeeping ----

int TDesignObject::IsPrecluded(const TDecisionArea* area) const
{
    for (int i = int(PrecludedAreas.size()) - 1; i >= 0; --i)
        if (PrecludedAreas[size_t(i)]->DecisionArea == area)
            return i;
    return -1;
}

bool TDesignObject::HasEffect(const TOption* option) const
{
    return HasDesignOption(option) && IsPrecluded(option->DecisionArea) < 0;
}

bool TDesignObject::ChainChooses(const TOption* option) const
{
    for (const TDesignObject* o = this; o; o = o->Parent)
        if (o->HasDesignOption(option))
            return true;
    return false;
}

void TDesignObject::RefreshPreclusionsOf(const TOption* option, const TDecisionArea* area)
{
    if (SystemLevel == area->SystemLevel && ChainChooses(option))
        UpdatePreclusions();
    for (TDesignObject* child : Children)
        child->RefreshPreclusionsOf(option, area);
}

std::vector<const TOption*> TDesignObject::RederivePreclusions()
{
    PrecludedAreas = DerivePrecludedAreas(*this);
    std::vector<const TOption*> withEffect;
    for (const TOption* option : DesignOptions)
        if (IsPrecluded(option->DecisionArea) < 0)
            withEffect.push_back(option);
    std::sort(withEffect.begin(), withEffect.end());
    std::vector<const TOption*> changed;
    std::set_symmetric_difference(withEffect.begin(), withEffect.end(), OptionsWithEffect.begin(),
                                  OptionsWithEffect.end(), std::back_inserter(changed));
    OptionsWithEffect = std::move(withEffect);
    TEvaluation::Invalidate();
    return changed;
}

void TDesignObject::RecomputePreclusions() { RederivePreclusions(); }

void TDesignObject::UpdatePreclusions()
{
    const std::vector<const TOption*> changed = RederivePreclusions();
    if (!changed.empty())
        for (TDesignObject* child : Children)
            child->PropagatePreclusions(changed);
}

void TDesignObject::PropagatePreclusions(std::vector<const TOption*> changed)
{
    // Only options that rule out areas of this level change the records here,
    // but any level further down may still depend on them.
    const bool concerned = std::any_of(changed.begin(), changed.end(), [this](const TOption* option) {
        return std::any_of(option->PrecludedAreas.begin(), option->PrecludedAreas.end(),
                           [this](const TDecisionArea* area) { return area->SystemLevel == SystemLevel; });
    });
    if (concerned) {
        const std::vector<const TOption*> own = RederivePreclusions();
        changed.insert(changed.end(), own.begin(), own.end());
    }
    for (TDesignObject* child : Children)
        child->PropagatePreclusions(changed);
}

// ---- Attributes ----

namespace {

using TIndexEntry = std::pair<const TVariable*, TAttribute*>;

bool VariableBefore(const TIndexEntry& entry, const TVariable* variable) { return entry.first < variable; }

TAttribute* FindIn(const std::vector<std::unique_ptr<TAttribute>>& list, const TVariable* variable)
{
    for (const auto& attribute : list)
        if (attribute->Variable == variable)
            return attribute.get();
    return nullptr;
}

} // namespace

TAttribute* TDesignObject::FindAttribute(const TVariable* variable) const
{
    const auto it = std::lower_bound(AttributeIndex.begin(), AttributeIndex.end(), variable, VariableBefore);
    return it != AttributeIndex.end() && it->first == variable ? it->second : nullptr;
}

TAttribute* TDesignObject::EnsureAttribute(const TVariable* variable)
{
    TAttribute* attribute = FindAttribute(variable);
    if (!attribute) {
        // A placeholder becomes the real attribute, so formulas that read the
        // variable here see it at once through their dependencies.
        auto placeholder = std::find_if(InheritedAttributes.begin(), InheritedAttributes.end(),
                                        [variable](const auto& a) { return a->Variable == variable; });
        if (placeholder != InheritedAttributes.end()) {
            Attributes.push_back(std::move(*placeholder));
            InheritedAttributes.erase(placeholder);
            Attributes.back()->Inherited = false;
        } else {
            Attributes.push_back(std::make_unique<TAttribute>(this, variable, false));
        }
        attribute = Attributes.back().get();
        const auto at = std::lower_bound(AttributeIndex.begin(), AttributeIndex.end(), variable, VariableBefore);
        AttributeIndex.insert(at, { variable, attribute });
        TEvaluation::Invalidate();
    }
    if (Parent)
        Parent->EnsureAttribute(variable);
    return attribute;
}

TAttribute* TDesignObject::InheritedAttribute(const TVariable* variable)
{
    if (TAttribute* placeholder = FindIn(InheritedAttributes, variable))
        return placeholder;
    InheritedAttributes.push_back(std::make_unique<TAttribute>(this, variable, true));
    return InheritedAttributes.back().get();
}

TAttribute* TDesignObject::FindAncestorAttribute(const TVariable* variable) const
{
    for (const TDesignObject* o = Parent; o; o = o->Parent)
        if (TAttribute* attribute = o->FindAttribute(variable))
            return attribute;
    return nullptr;
}

void TDesignObject::DropVariable(const TVariable* variable)
{
    auto doomed = [variable](const TAttribute* a) { return a->Variable == variable; };
    const bool present = FindAttribute(variable) || FindIn(InheritedAttributes, variable);
    if (!present)
        return;
    // Every link stays within the object: calculations read attributes of their own object.
    for (auto* list : { &Attributes, &InheritedAttributes }) {
        for (const auto& attribute : *list) {
            std::erase_if(attribute->Dependents, doomed);
            for (const auto& calculation : attribute->Calculations)
                std::erase_if(calculation->Dependencies, doomed);
        }
    }
    for (auto* list : { &Attributes, &InheritedAttributes })
        std::erase_if(*list, [&](const auto& a) { return doomed(a.get()); });
    std::erase_if(AttributeIndex, [variable](const TIndexEntry& e) { return e.first == variable; });
    TEvaluation::Invalidate();
}

void TDesignObject::DropUnneededAttributes()
{
    std::set<const TVariable*> needed;
    for (const TOption* option : DesignOptions)
        for (const auto& effect : option->Effects)
            needed.insert(effect->Variable);
    for (const TDesignObject* child : Children)
        for (const auto& attribute : child->Attributes)
            needed.insert(attribute->Variable);
    const auto isNeeded = [&needed](const TAttribute* a) { return !a->Calculations.empty() || needed.contains(a->Variable); };
    const auto dropped = std::stable_partition(Attributes.begin(), Attributes.end(),
                                               [&isNeeded](const auto& a) { return isNeeded(a.get()); });
    if (dropped == Attributes.end())
        return;
    std::erase_if(AttributeIndex, [&isNeeded](const TIndexEntry& e) { return !isNeeded(e.second); });
    // Still read by a formula here: it goes back to being a placeholder.
    for (auto it = dropped; it != Attributes.end(); ++it) {
        if (!(*it)->Dependents.empty()) {
            (*it)->Inherited = true;
            InheritedAttributes.push_back(std::move(*it));
        }
    }
    Attributes.erase(dropped, Attributes.end());
    TEvaluation::Invalidate();
    if (Parent)
        Parent->DropUnneededAttributes();
}

// ---- Rows of the case folder ----

QString TDesignObject::IconHTML() const
{
    const int index = SystemLevel ? SystemLevel->Index() : -1;
    const QString name = SystemLevel ? SystemLevel->Name : QString();
    return QStringLiteral("<img src=\"img/sld%1.bmp\" alt=\"%2\">").arg(index).arg(name);
}

QStringList TDesignObject::TreeRows() const
{
    QStringList rows;
    rows << QStringLiteral("<tr><td>") + IconHTML() + QStringLiteral("</td><td>[%1x] ").arg(Count()) + PageText(Name)
                + QStringLiteral("</td></tr>") + CommentRow(*this);
    QStringList children;
    for (const TDesignObject* child : Children)
        children << child->TreeRows();
    return rows << NestedTable(Children.Count(), children);
}

namespace {

// One table of chosen options; marker 1 marks the status quo.
void AppendOptionTable(QStringList& rows, std::vector<TOption*> options, const QString& caption, int marker)
{
    SortOptions(options);
    QStringList table{ QStringLiteral("  <tr><td colspan=2><i>") + caption + QStringLiteral("</i></td></tr>") };
    for (const TOption* option : options)
        table << OptionRow(*option, marker);
    rows << NestedTable(qsizetype(options.size()), table);
}

} // namespace

QStringList TDesignObject::DescriptionRows() const
{
    const QString container =
        Parent ? Parent->IconHTML() + PageText(Parent->Name) : Design->IconHTML() + PageText(Design->Name);
    QStringList rows;
    rows << QStringLiteral("<tr><td>") + IconHTML() + QStringLiteral("</td><td>") + PageText(Name)
                + QStringLiteral(" <i>(subsystem of ") + container + QStringLiteral(")</i></td></tr>");
    AppendOptionTable(rows, StatusQuoOptions, QStringLiteral("Selected options in status quo:"), 1);
    AppendOptionTable(rows, DesignOptions, QStringLiteral("Selected options for this design:"), 0);
    // Specific values are not kept; the empty table keeps the page's layout.
    AppendOptionTable(rows, {}, QStringLiteral("Specific values for variables in this design:"), 0);
    return rows;
}

QStringList TDesignObject::DesignBlock()
{
    SortOptions(StatusQuoOptions);
    SortOptions(DesignOptions);
    QStringList rows = DescriptionRows();
    QStringList children;
    for (TDesignObject* child : Children)
        children << child->DesignBlock();
    return rows << NestedTable(Children.Count(), children);
}
