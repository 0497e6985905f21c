#pragma once

#include "actors/actorlinks.h"
#include "model/concept.h"

#include <functional>
#include <memory>
#include <vector>

class TCase;

/// A stakeholder: its influence on other actors and on decisions, its
/// objectives, and its feelings about options and qualifiers. The case's Actors
/// list owns it; it owns its five lists of positions.
class TActor : public TConcept
{
public:
    TActor(const QString& name, TCase* owner) : TConcept(name), Case(owner) {}

    TCase* Case;
    std::vector<std::unique_ptr<TActorConnection>> Connections;
    std::vector<std::unique_ptr<TActorDecision>> Decisions;
    std::vector<std::unique_ptr<TActorGoal>> Goals;
    std::vector<std::unique_ptr<TActorOption>> Options;
    std::vector<std::unique_ptr<TActorQualifier>> Qualifiers;

    // Each appends a new position, marks the case changed and returns it.
    TActorConnection* AddConnection(TActor* other, int influence);
    TActorDecision* AddDecision(TDecisionArea* area, int influence);
    TActorGoal* AddGoal(TVariable* variable, int direction, double value, int preference);
    TActorOption* AddOptionFeeling(TOption* option, int preference);
    TActorQualifier* AddQualifierFeeling(TQualifier* qualifier, int preference);
    /// Frees the position (of any of the five kinds) and marks the case changed.
    void DeletePosition(const TNameless* position);

    /// Sorts the five lists in place, each in its own order.
    void SortPositions();

    QString IconHTML() const override;
    /// The actor's row and its five blocks, each list in its own order.
    QStringList DescriptionRows() const override;
};

/// Frees every element of an owning list for which `matches` holds.
template <class T>
void EraseLinks(std::vector<std::unique_ptr<T>>& list, const std::function<bool(const T&)>& matches)
{
    std::erase_if(list, [&](const std::unique_ptr<T>& link) { return matches(*link); });
}
