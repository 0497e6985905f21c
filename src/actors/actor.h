#pragma once

#include "actors/actorlinks.h"
#include "model/concept.h"

#include <functional>
#include <memory>
#include <vector>

class TCase;

/// A party with influence, goals and feelings about options and qualifiers.
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
};

/// Frees every element of an owning list for which `matches` holds.
template <class T>
void EraseLinks(std::vector<std::unique_ptr<T>>& list, const std::function<bool(const T&)>& matches)
{
    std::erase_if(list, [&](const std::unique_ptr<T>& link) { return matches(*link); });
}
