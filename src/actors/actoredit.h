#pragma once

class TActor;
class TActorGoal;
class TDecisionArea;
class TNameless;
class TOption;
class TQualifier;

// The user's edits of an actor's positions. An actor holds one position on an
// option, a qualifier, a decision area or another actor: placing a second one
// gives the existing position the weight instead, so that nothing counts twice.
// Each marks the case changed when it changes something.

/// Where an edit left the actor: the position it placed or found, and whether
/// anything changed.
struct TPositionEdit
{
    TNameless* Position = nullptr;
    bool Changed = false;
};

/// Influence 1..4 on another actor; refused (no position) for the actor itself.
TPositionEdit PlaceConnection(TActor& actor, TActor* other, int influence);
TPositionEdit PlaceDecision(TActor& actor, TDecisionArea* area, int influence);
TPositionEdit PlaceOptionFeeling(TActor& actor, TOption* option, int preference);
TPositionEdit PlaceQualifierFeeling(TActor& actor, TQualifier* qualifier, int preference);

/// The weight of one of the actor's positions: influence 1..4 for connections
/// and decisions, preference -3..+3 for goals and feelings. False, with nothing
/// changed, for a weight outside that range or one the position has.
bool SetPositionWeight(TActor& actor, const TNameless* position, int weight);
/// The weight of the position, or 0 when the actor holds no such position.
int PositionWeight(const TActor& actor, const TNameless* position);

/// Sets all of a goal. False when it had them already or the direction is not
/// one of -2, -1, +1, +2.
bool SetGoal(TActorGoal& goal, int direction, double value, int preference);
