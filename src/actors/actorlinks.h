#pragma once

#include "model/nameless.h"

#include <QtGlobal>

class TActor;
class TDecisionArea;
class TOption;
class TQualifier;
class TVariable;

/// An actor's influence on another actor, 1..4.
class TActorConnection : public TNameless
{
public:
    explicit TActorConnection(TActor* actor) : Actor(actor) {}
    TActor* Actor;
    TActor* OtherActor = nullptr;
    qint32 Influence = 1;
};

/// An actor's influence on a decision area, 1..4.
class TActorDecision : public TNameless
{
public:
    explicit TActorDecision(TActor* actor) : Actor(actor) {}
    TActor* Actor;
    TDecisionArea* DecisionArea = nullptr;
    qint32 Influence = 1;
};

/// An objective on a variable: Direction -2, -1, +1 or +2 with its X in Value.
class TActorGoal : public TNameless
{
public:
    explicit TActorGoal(TActor* actor) : Actor(actor) {}
    TActor* Actor;
    TVariable* Variable = nullptr;
    qint16 Direction = 1;
    double Value = 0;
    qint16 Preference = 1;
};

/// A feeling about an option, -3..+3.
class TActorOption : public TNameless
{
public:
    explicit TActorOption(TActor* actor) : Actor(actor) {}
    TActor* Actor;
    TOption* Option = nullptr;
    qint16 Preference = 1;
};

/// A feeling about a qualifier, -3..+3.
class TActorQualifier : public TNameless
{
public:
    explicit TActorQualifier(TActor* actor) : Actor(actor) {}
    TActor* Actor;
    TQualifier* Qualifier = nullptr;
    qint16 Preference = 1;
};
