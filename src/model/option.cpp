#include "model/option.h"

#include "model/case.h"
#include "design/designcascades.h"
#include "design/evaluation.h"
#include "formula/compiler.h"
#include "model/helpers.h"
#include "model/messages.h"

#include <algorithm>

TOption::TOption(const QString& name, TDecisionArea* area) : TConcept(name), DecisionArea(area) {}

TOption::~TOption() = default;

TCase* TOption::Case() const { return DecisionArea->Case(); }
TSystemLevel* TOption::SystemLevel() const { return DecisionArea->SystemLevel; }
QString TOption::AreaAndName() const { return DecisionArea->Name + QStringLiteral(" = ") + Name; }

TEffect* TOption::AddEffect(std::unique_ptr<TEffect> effect)
{
    effect->Option = this;
    Effects.push_back(std::move(effect));
    ApplyEffectToDesigns(*Effects.back());
    MarkCaseChanged(Case());
    return Effects.back().get();
}

std::unique_ptr<TEffect> TOption::TakeEffect(TEffect* effect)
{
    auto it = std::find_if(Effects.begin(), Effects.end(), [effect](const auto& e) { return e.get() == effect; });
    if (it == Effects.end())
        return nullptr;
    // Out of the list first, so that the designs no longer count it as needing its variable.
    std::unique_ptr<TEffect> owned = std::move(*it);
    Effects.erase(it);
    RemoveEffectFromDesigns(*owned);
    MarkCaseChanged(Case());
    return owned;
}

void TOption::DeleteEffect(TEffect* effect) { TakeEffect(effect).reset(); }

QString TOption::EditEffect(TEffect& effect, const QString& formula, bool nullWhenStatusQuo)
{
    const bool changed = effect.Formula != TrimFormula(formula) || effect.NullWhenStatusQuo != nullWhenStatusQuo;
    // The calculations go and come back, so that each reads what the new code reads
    // and the status quo setting decides afresh whether it exists.
    RemoveEffectFromDesigns(effect);
    effect.NullWhenStatusQuo = nullWhenStatusQuo;
    const QString message = effect.SetFormula(formula);
    ApplyEffectToDesigns(effect);
    TEvaluation::Invalidate();
    if (changed)
        MarkCaseChanged(Case());
    return message;
}

void TOption::AddPreclusion(TDecisionArea* area)
{
    // An option cannot rule out its own decision, nor one outside its own system.
    if (area == DecisionArea || !SystemLevel()->IsWithin(area->SystemLevel)) {
        ShowWarning(QStringLiteral("Option can only preclude decisions within its own system"));
        return;
    }
    if (Precludes(area))
        return;
    PrecludedAreas.push_back(area);
    RefreshPreclusionInDesigns(*this, *area);
    MarkCaseChanged(Case());
}

void TOption::RemovePreclusion(TDecisionArea* area)
{
    if (!Precludes(area))
        return;
    std::erase(PrecludedAreas, area);
    RefreshPreclusionInDesigns(*this, *area);
    MarkCaseChanged(Case());
}

bool TOption::Precludes(const TDecisionArea* area) const
{
    return std::find(PrecludedAreas.begin(), PrecludedAreas.end(), area) != PrecludedAreas.end();
}

bool TOption::HasQualifier(const TQualifier* qualifier) const
{
    return std::find(Qualifiers.begin(), Qualifiers.end(), qualifier) != Qualifiers.end();
}

void TOption::AddQualifier(TQualifier* qualifier)
{
    if (HasQualifier(qualifier))
        return;
    Qualifiers.push_back(qualifier);
    MarkCaseChanged(Case());
}

void TOption::RemoveQualifier(TQualifier* qualifier)
{
    if (!HasQualifier(qualifier))
        return;
    std::erase(Qualifiers, qualifier);
    MarkCaseChanged(Case());
}

QString TOption::IconHTML() const
{
    return QStringLiteral("<img src=\"img/option.bmp\" alt=\"%1\">").arg(Number);
}

QStringList TOption::DescriptionRows() const
{
    QString icons;
    for (const TQualifier* qualifier : Qualifiers)
        icons += qualifier->IconHTML();
    QStringList rows;
    rows << QStringLiteral("<tr><td align=right>") + icons + IconHTML() + QStringLiteral("</td><td>") + PageText(Name)
                + QStringLiteral("</td></tr>") + CommentRow(*this);
    QStringList effects;
    for (const auto& effect : Effects)
        effects << effect->Row();
    return rows << NestedTable(qsizetype(Effects.size()), effects);
}

QString OptionRow(const TOption& option, int marker)
{
    const TDecisionArea* area = option.DecisionArea;
    return QStringLiteral("<tr><td><img src=\"img/smopt%1.bmp\">").arg(marker) + area->IconHTML()
           + (area->Category ? area->Category->IconHTML() : QString()) + QStringLiteral("</td><td>")
           + PageText(option.AreaAndName()) + QStringLiteral("</td></tr>");
}

bool OptionLess(const TOption* a, const TOption* b)
{
    if (a->DecisionArea != b->DecisionArea) {
        const int c = CompareDecisionAreas(a->DecisionArea, b->DecisionArea);
        if (c != 0)
            return c < 0;
    }
    return a->Number < b->Number;
}

void SortOptions(std::vector<TOption*>& options)
{
    std::stable_sort(options.begin(), options.end(), OptionLess);
}
