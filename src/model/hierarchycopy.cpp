#include "model/hierarchycopy.h"

#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"
#include "model/systemlevel.h"

#include <memory>

namespace {

void CopyEffects(const TOption& source, TOption& copy, TCopyReport* report)
{
    for (const auto& effect : source.Effects) {
        auto clone = std::make_unique<TEffect>(&copy, effect->Variable);
        clone->NullWhenStatusQuo = effect->NullWhenStatusQuo;
        // Compiled before it joins the option, so that designs see the finished code.
        const bool faulty = !clone->SetFormula(effect->Formula).isEmpty();
        TEffect* added = copy.AddEffect(std::move(clone));
        if (faulty && report)
            report->FaultyEffects.push_back(added);
    }
}

void CopyPreclusions(const TOption& source, TOption& copy, TCopyReport* report)
{
    int dropped = 0;
    for (TDecisionArea* area : source.PrecludedAreas) {
        if (area != copy.DecisionArea && copy.SystemLevel()->IsWithin(area->SystemLevel))
            copy.AddPreclusion(area);
        else
            ++dropped;
    }
    if (dropped > 0 && report)
        report->DroppedPreclusions.push_back({&copy, dropped});
}

} // namespace

TOption* CopyOption(const TOption& source, TDecisionArea& area, const QString& name, int number,
                    TCopyReport* report)
{
    if (area.Options.Find(name))
        return nullptr;
    TOption* copy = area.Options.At(area.AddOption(name));
    copy->Number = number;
    for (TQualifier* qualifier : source.Qualifiers)
        copy->AddQualifier(qualifier);
    CopyPreclusions(source, *copy, report);
    CopyEffects(source, *copy, report);
    return copy;
}

TDecisionArea* CopyDecisionArea(const TDecisionArea& source, TSystemLevel& level, const QString& name,
                                TCopyReport* report)
{
    if (level.DecisionAreas.Find(name))
        return nullptr;
    TDecisionArea* copy = level.DecisionAreas.At(level.AddDecisionArea(name));
    copy->SetPhase(source.Phase);
    copy->SetCategory(source.Category);
    for (const TOption* option : source.Options)
        CopyOption(*option, *copy, option->Name, option->Number, report);
    return copy;
}
