#include "ui/actorpositions.h"

#include "actors/actor.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/option.h"
#include "model/systemlevel.h"

#include <algorithm>

namespace {

template <class T>
std::vector<TNameless*> Sorted(const std::vector<std::unique_ptr<T>>& list, bool (*less)(const T&, const T&))
{
    std::vector<T*> links;
    for (const auto& link : list)
        links.push_back(link.get());
    std::stable_sort(links.begin(), links.end(), [less](const T* a, const T* b) { return less(*a, *b); });
    return std::vector<TNameless*>(links.begin(), links.end());
}

QString OptionText(const TOption& option) { return option.DecisionArea->Name + QStringLiteral(" = ") + option.Name; }

template <class T>
std::vector<TActorTarget> Named(const std::vector<T*>& items)
{
    std::vector<TActorTarget> targets;
    targets.reserve(items.size());
    for (T* item : items)
        targets.push_back({item, item->Name});
    return targets;
}

std::vector<TDecisionArea*> SortedAreas(const TCase& aCase)
{
    std::vector<TDecisionArea*> areas;
    aCase.ForEachDecisionArea([&](TDecisionArea* area) { areas.push_back(area); });
    std::stable_sort(areas.begin(), areas.end(), &DecisionAreaLess);
    return areas;
}

// Option order, built area by area: sorting the areas once is far cheaper than
// comparing the areas of every pair of options.
std::vector<TActorTarget> OptionTargets(const TCase& aCase)
{
    std::vector<TActorTarget> targets;
    for (TDecisionArea* area : SortedAreas(aCase)) {
        std::vector<TOption*> options(area->Options.begin(), area->Options.end());
        std::stable_sort(options.begin(), options.end(), [](const TOption* a, const TOption* b) { return a->Number < b->Number; });
        for (TOption* option : options)
            targets.push_back({option, OptionText(*option)});
    }
    return targets;
}

template <class T>
std::vector<T*> All(const TConceptList<T>& list)
{
    return std::vector<T*>(list.begin(), list.end());
}

} // namespace

bool WeighsPreference(TActorMode mode) { return mode != TActorMode::Relations && mode != TActorMode::Decisions; }

std::vector<TNameless*> SortedPositions(const TActor& actor, TActorMode mode)
{
    switch (mode) {
    case TActorMode::Goals: return Sorted(actor.Goals, &GoalLess);
    case TActorMode::Options: return Sorted(actor.Options, &OptionFeelingLess);
    case TActorMode::Qualifiers: return Sorted(actor.Qualifiers, &QualifierFeelingLess);
    case TActorMode::Relations: return Sorted(actor.Connections, &ConnectionLess);
    case TActorMode::Decisions: return Sorted(actor.Decisions, &DecisionLess);
    }
    return {};
}

QString PositionText(const TNameless& position, TActorMode mode)
{
    switch (mode) {
    case TActorMode::Goals: return GoalText(static_cast<const TActorGoal&>(position));
    case TActorMode::Options: return OptionText(*static_cast<const TActorOption&>(position).Option);
    case TActorMode::Qualifiers: return static_cast<const TActorQualifier&>(position).Qualifier->Name;
    case TActorMode::Relations: return static_cast<const TActorConnection&>(position).OtherActor->Name;
    case TActorMode::Decisions: return static_cast<const TActorDecision&>(position).DecisionArea->Name;
    }
    return QString();
}

void* PositionTarget(const TNameless& position, TActorMode mode)
{
    switch (mode) {
    case TActorMode::Goals: return static_cast<const TActorGoal&>(position).Variable;
    case TActorMode::Options: return static_cast<const TActorOption&>(position).Option;
    case TActorMode::Qualifiers: return static_cast<const TActorQualifier&>(position).Qualifier;
    case TActorMode::Relations: return static_cast<const TActorConnection&>(position).OtherActor;
    case TActorMode::Decisions: return static_cast<const TActorDecision&>(position).DecisionArea;
    }
    return nullptr;
}

std::vector<TActorTarget> ChooserTargets(const TCase& aCase, const TActor* actor, TActorMode mode)
{
    switch (mode) {
    case TActorMode::Goals: {
        std::vector<TVariable*> variables = All(aCase.Variables);
        std::erase_if(variables, [](const TVariable* v) { return v->HasValue(); });
        return Named(variables);
    }
    case TActorMode::Options: return OptionTargets(aCase);
    case TActorMode::Qualifiers: return Named(All(aCase.Qualifiers));
    case TActorMode::Relations: {
        std::vector<TActor*> actors = All(aCase.Actors);
        std::erase(actors, actor);
        return Named(actors);
    }
    case TActorMode::Decisions: {
        // Areas of different levels may share a name: the level tells them apart.
        std::vector<TActorTarget> targets = Named(SortedAreas(aCase));
        for (TActorTarget& target : targets)
            target.Text += QStringLiteral(" (") + static_cast<TDecisionArea*>(target.Item)->SystemLevel->Name
                           + QLatin1Char(')');
        return targets;
    }
    }
    return {};
}
