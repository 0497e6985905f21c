#pragma once

#include "model/nameless.h"

#include <QString>
#include <QtGlobal>

class TActor;
class TDecisionArea;
class TOption;
class TQualifier;
class TVariable;

// The five kinds of position an actor holds. Each is owned by one list of its
// actor and refers, without owning, to what it is about; the case's deletes
// remove a position before what it refers to goes. Each Row() is the item's
// line on the actors page, comment included.

/// An actor's influence on another actor, 1..4.
class TActorConnection : public TNameless
{
public:
    explicit TActorConnection(TActor* actor) : Actor(actor) {}
    TActor* Actor;
    TActor* OtherActor = nullptr;
    qint32 Influence = 1;

    QString Row() const;
};

/// An actor's influence on a decision area, 1..4.
class TActorDecision : public TNameless
{
public:
    explicit TActorDecision(TActor* actor) : Actor(actor) {}
    TActor* Actor;
    TDecisionArea* DecisionArea = nullptr;
    qint32 Influence = 1;

    QString Row() const;
};

/// An objective on a variable: Direction -2, -1, +1 or +2 with its X in Value
/// (a percentage relative to the base design for +-2), and how much it matters.
class TActorGoal : public TNameless
{
public:
    explicit TActorGoal(TActor* actor) : Actor(actor) {}
    TActor* Actor;
    TVariable* Variable = nullptr;
    qint16 Direction = 1;
    double Value = 0;
    qint16 Preference = 1;

    /// Shows the error "Undefined change direction: " for a direction outside
    /// -2, -1, 1, 2 and writes the row without a direction image.
    QString Row() const;
};

/// A feeling about an option, -3..+3.
class TActorOption : public TNameless
{
public:
    explicit TActorOption(TActor* actor) : Actor(actor) {}
    TActor* Actor;
    TOption* Option = nullptr;
    qint16 Preference = 1;

    QString Row() const;
};

/// A feeling about a qualifier, -3..+3.
class TActorQualifier : public TNameless
{
public:
    explicit TActorQualifier(TActor* actor) : Actor(actor) {}
    TActor* Actor;
    TQualifier* Qualifier = nullptr;
    qint16 Preference = 1;

    QString Row() const;
};

/// The one-line text of a goal in lists and reports: "Cost <= 2.5", "Cost: +10%".
QString GoalText(const TActorGoal& goal);

// The orders in which each list is shown and written (true when a comes first).
bool ConnectionLess(const TActorConnection& a, const TActorConnection& b);   // influence down, actor name
bool DecisionLess(const TActorDecision& a, const TActorDecision& b);         // influence down, area order
bool GoalLess(const TActorGoal& a, const TActorGoal& b);                     // variable, direction down, preference down
bool OptionFeelingLess(const TActorOption& a, const TActorOption& b);        // preference down, option order
bool QualifierFeelingLess(const TActorQualifier& a, const TActorQualifier& b);   // preference down, qualifier name
