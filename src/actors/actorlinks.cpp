#include "actors/actorlinks.h"

#include "actors/actor.h"
#include "model/category.h"
#include "model/conceptlist.h"
#include "model/decisionarea.h"
#include "model/enumerations.h"
#include "model/helpers.h"
#include "model/messages.h"
#include "model/option.h"
#include "model/qualifier.h"
#include "model/scale.h"
#include "model/variable.h"

namespace {

QString Face(int preference) { return FaceImage(preference, PreferenceLevelText(preference)); }
QString Weight(int influence) { return WeightImage(influence, InfluenceLevelText(influence)); }

QString Cells(const QString& first, const QString& second)
{
    return QStringLiteral("<tr><td>") + first + QStringLiteral("</td><td>") + second + QStringLiteral("</td></tr>");
}

// The image that tells a goal's direction; empty after the error for an unknown one.
QString DirectionImage(int direction)
{
    switch (direction) {
    case GoalDecreaseBy: return QStringLiteral("<img src=\"img/minp.bmp\" alt=\"decrease by X%\">");
    case GoalAtMost: return QStringLiteral("<img src=\"img/lt.bmp\" alt=\"decrease to below X\">");
    case GoalAtLeast: return QStringLiteral("<img src=\"img/gt.bmp\" alt=\"increase to above X\">");
    case GoalIncreaseBy: return QStringLiteral("<img src=\"img/plusp.bmp\" alt=\"increase by X%\">");
    default:
        ShowError(QStringLiteral("Undefined change direction: %1").arg(direction));
        return QString();
    }
}

QString CategoryIcon(const TDecisionArea* area)
{
    return area->Category ? area->Category->IconHTML() : QString();
}

} // namespace

QString TActorConnection::Row() const
{
    return Cells(Weight(Influence), PageText(OtherActor->Name)) + CommentRow(*this);
}

QString TActorDecision::Row() const
{
    return Cells(Weight(Influence), DecisionArea->IconHTML() + PageText(DecisionArea->Name)) + CommentRow(*this);
}

QString TActorGoal::Row() const
{
    // The target is written exactly, so that saving never wears its digits away.
    return Cells(Face(Preference) + DirectionImage(Direction),
                 PageText(Variable->NameWithScale()) + QStringLiteral(" = ") + FormatExactValue(Value))
           + CommentRow(*this);
}

QString TActorOption::Row() const
{
    const TDecisionArea* area = Option->DecisionArea;
    return Cells(Face(Preference), QStringLiteral("<img src=\"img/smopt0.bmp\">") + area->IconHTML()
                                       + CategoryIcon(area) + PageText(Option->AreaAndName()))
           + CommentRow(*this);
}

QString TActorQualifier::Row() const
{
    return Cells(Face(Preference), Qualifier->IconHTML() + PageText(Qualifier->Name)) + CommentRow(*this);
}

QString GoalText(const TActorGoal& goal)
{
    const QString& name = goal.Variable->Name;
    const QString value = FormatValue(goal.Value);
    switch (goal.Direction) {
    case GoalDecreaseBy: return name + QStringLiteral(": -") + value + QStringLiteral("%");
    case GoalAtMost: return name + QStringLiteral(" <= ") + value;
    case GoalAtLeast: return name + QStringLiteral(" >= ") + value;
    default: return name + QStringLiteral(": +") + value + QStringLiteral("%");
    }
}

bool ConnectionLess(const TActorConnection& a, const TActorConnection& b)
{
    if (a.Influence != b.Influence)
        return a.Influence > b.Influence;
    return CompareNames(a.OtherActor->Name, b.OtherActor->Name) < 0;
}

bool DecisionLess(const TActorDecision& a, const TActorDecision& b)
{
    if (a.Influence != b.Influence)
        return a.Influence > b.Influence;
    return DecisionAreaLess(a.DecisionArea, b.DecisionArea);
}

bool GoalLess(const TActorGoal& a, const TActorGoal& b)
{
    if (const int c = CompareNames(a.Variable->Name, b.Variable->Name))
        return c < 0;
    if (a.Direction != b.Direction)
        return a.Direction > b.Direction;
    return a.Preference > b.Preference;
}

bool OptionFeelingLess(const TActorOption& a, const TActorOption& b)
{
    if (a.Preference != b.Preference)
        return a.Preference > b.Preference;
    return OptionLess(a.Option, b.Option);
}

bool QualifierFeelingLess(const TActorQualifier& a, const TActorQualifier& b)
{
    if (a.Preference != b.Preference)
        return a.Preference > b.Preference;
    return CompareNames(a.Qualifier->Name, b.Qualifier->Name) < 0;
}
