#pragma once

#include <QString>
#include <vector>

class TActor;
class TCase;
class TNameless;

/// The five kinds of position the actor window shows, one at a time.
enum class TActorMode
{
    Goals,
    Options,
    Qualifiers,
    Relations,
    Decisions,
};
inline constexpr int ActorModeCount = 5;

/// True where the weight is a preference (-3..+3); an influence (1..4) in the
/// relations and decisions modes.
bool WeighsPreference(TActorMode mode);

/// The actor's positions of the mode, in the mode's order.
std::vector<TNameless*> SortedPositions(const TActor& actor, TActorMode mode);
/// The text of a position of the mode in the position list.
QString PositionText(const TNameless& position, TActorMode mode);
/// What a position of the mode is about: a variable, an option, a qualifier,
/// another actor or a decision area.
void* PositionTarget(const TNameless& position, TActorMode mode);

/// One entry of the target chooser.
struct TActorTarget
{
    void* Item;
    QString Text;
};
/// What a position of the mode can be about, in the order people look for it:
/// goal variables (those without a constant value), every option, qualifier,
/// decision area, or every actor but `actor`.
std::vector<TActorTarget> ChooserTargets(const TCase& aCase, const TActor* actor, TActorMode mode);
