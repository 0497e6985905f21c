#include "actors/actoredit.h"

#include "actors/actor.h"
#include "model/conceptlist.h"

#include <algorithm>

namespace {

constexpr bool IsInfluence(int w) { return w >= 1 && w <= 4; }
constexpr bool IsPreference(int w) { return w >= -3 && w <= 3; }

// Sets the weight field of `link` when it differs.
template <class T, class W>
bool Weigh(TActor& actor, T& link, W T::*field, int weight)
{
    if (link.*field == weight)
        return false;
    link.*field = W(weight);
    MarkCaseChanged(actor.Case);
    return true;
}

// The position on `target` gets the weight; without one, `add` appends it.
template <class T, class Target, class W, class Add>
TPositionEdit Place(TActor& actor, std::vector<std::unique_ptr<T>>& list, Target* T::*targetField, Target* target,
                    W T::*weightField, int weight, Add add)
{
    const auto found = std::find_if(list.begin(), list.end(), [&](const auto& l) { return (*l).*targetField == target; });
    if (found != list.end())
        return {found->get(), Weigh(actor, **found, weightField, weight)};
    return {add(), true};
}

template <class T>
T* Find(const std::vector<std::unique_ptr<T>>& list, const TNameless* position)
{
    const auto found = std::find_if(list.begin(), list.end(), [position](const auto& l) { return l.get() == position; });
    return found == list.end() ? nullptr : found->get();
}

} // namespace

TPositionEdit PlaceConnection(TActor& actor, TActor* other, int influence)
{
    if (other == &actor || !IsInfluence(influence))
        return {};
    return Place(actor, actor.Connections, &TActorConnection::OtherActor, other, &TActorConnection::Influence, influence,
                 [&] { return actor.AddConnection(other, influence); });
}

TPositionEdit PlaceDecision(TActor& actor, TDecisionArea* area, int influence)
{
    if (!IsInfluence(influence))
        return {};
    return Place(actor, actor.Decisions, &TActorDecision::DecisionArea, area, &TActorDecision::Influence, influence,
                 [&] { return actor.AddDecision(area, influence); });
}

TPositionEdit PlaceOptionFeeling(TActor& actor, TOption* option, int preference)
{
    if (!IsPreference(preference))
        return {};
    return Place(actor, actor.Options, &TActorOption::Option, option, &TActorOption::Preference, preference,
                 [&] { return actor.AddOptionFeeling(option, preference); });
}

TPositionEdit PlaceQualifierFeeling(TActor& actor, TQualifier* qualifier, int preference)
{
    if (!IsPreference(preference))
        return {};
    return Place(actor, actor.Qualifiers, &TActorQualifier::Qualifier, qualifier, &TActorQualifier::Preference,
                 preference, [&] { return actor.AddQualifierFeeling(qualifier, preference); });
}

bool SetPositionWeight(TActor& actor, const TNameless* position, int weight)
{
    const auto weigh = [&](const auto& list, auto field, bool inRange) {
        auto* link = Find(list, position);
        return link && inRange && Weigh(actor, *link, field, weight);
    };
    return weigh(actor.Connections, &TActorConnection::Influence, IsInfluence(weight))
        || weigh(actor.Decisions, &TActorDecision::Influence, IsInfluence(weight))
        || weigh(actor.Goals, &TActorGoal::Preference, IsPreference(weight))
        || weigh(actor.Options, &TActorOption::Preference, IsPreference(weight))
        || weigh(actor.Qualifiers, &TActorQualifier::Preference, IsPreference(weight));
}

int PositionWeight(const TActor& actor, const TNameless* position)
{
    if (const auto* l = Find(actor.Connections, position))
        return l->Influence;
    if (const auto* l = Find(actor.Decisions, position))
        return l->Influence;
    if (const auto* l = Find(actor.Goals, position))
        return l->Preference;
    if (const auto* l = Find(actor.Options, position))
        return l->Preference;
    if (const auto* l = Find(actor.Qualifiers, position))
        return l->Preference;
    return 0;
}

bool SetGoal(TActorGoal& goal, int direction, double value, int preference)
{
    if ((direction != -2 && direction != -1 && direction != 1 && direction != 2) || !IsPreference(preference))
        return false;
    if (goal.Direction == direction && goal.Value == value && goal.Preference == preference)
        return false;
    goal.Direction = qint16(direction);
    goal.Value = value;
    goal.Preference = qint16(preference);
    MarkCaseChanged(goal.Actor->Case);
    return true;
}
