// The import's steps for actors and their positions.
#include "import/caseimporter.h"

#include "import/rangenotes.h"
#include "model/case.h"
#include "model/messages.h"

#include <algorithm>

namespace {

template <class Link, class Match>
bool HasLink(const std::vector<std::unique_ptr<Link>>& links, Match matches)
{
    return std::any_of(links.begin(), links.end(), [&](const auto& link) { return matches(*link); });
}

// The old weights of decisions 1, 2, 4, 8 are the influences 1..4.
qint64 InfluenceOfWeight(qint64 weight)
{
    return weight == 4 ? 3 : weight == 8 ? 4 : weight;
}

const QString UndefinedActor = QStringLiteral("Undefined actor: ID = ");

} // namespace

void TCaseImporter::ImportActors()
{
    ImportConcepts<TActor>({ QStringLiteral("SELECT AiCID, Name, Comment FROM ActorInCase WHERE CaseID=?;") },
                           QStringLiteral("AiCID"), &TCase::AddActor, Case.Actors);
    Progress(Case.Actors.Count(), QStringLiteral(" actors"));
}

void TCaseImporter::ImportActorPositions()
{
    ImportActorConnections();
    ImportActorDecisions();
    ImportActorGoals();
    ImportActorOptions();
}

void TCaseImporter::ImportActorConnections()
{
    Open({ QStringLiteral("SELECT ActorHasAccessTo.AiC1ID, ActorHasAccessTo.AiC2ID, ActorHasAccessTo.Weight, ActorHasAccessTo.Comment"),
           QStringLiteral("FROM ActorInCase INNER JOIN ActorHasAccessTo ON ActorInCase.AiCID = ActorHasAccessTo.AiC1ID"),
           QStringLiteral("WHERE ActorInCase.CaseID=?;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        TActor* actor = Resolve(Case.Actors, QStringLiteral("AiC1ID"), UndefinedActor);
        const qint64 otherKey = Key(QStringLiteral("AiC2ID"));
        TActor* other = FindById(Case.Actors, otherKey);
        if (!other) {
            ShowError(UndefinedActor + QString::number(otherKey));
            continue;
        }
        const QString row = QStringLiteral("ActorHasAccessTo %1 -> %2").arg(actor->ID).arg(otherKey);
        if (HasLink(actor->Connections, [&](const TActorConnection& l) { return l.OtherActor == other; })) {
            RowWarning(row, QStringLiteral("the relation is there already; the row is skipped"));
            continue;
        }
        TRangeNotes notes;
        const int influence = notes.Clamp(Key(QStringLiteral("Weight")), 1, 4, QStringLiteral("Weight"));
        notes.Report(row);
        SetComment(*actor->AddConnection(other, influence), Query.AsText(QStringLiteral("Comment")));
        ++count;
    }
    Progress(count, QStringLiteral(" actor connections"));
}

void TCaseImporter::ImportActorDecisions()
{
    Open({ QStringLiteral("SELECT ActorDecidesOn.AiCID, ActorDecidesOn.Weight, ActorDecidesOn.Comment, DecAreaInCase.DAiCID, DecAreaInCase.SysLevID"),
           QStringLiteral("FROM DecAreaInCase INNER JOIN ActorDecidesOn ON DecAreaInCase.DAiCID = ActorDecidesOn.DAiCID"),
           QStringLiteral("WHERE DecAreaInCase.CaseID=?;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        TActor* actor = Resolve(Case.Actors, QStringLiteral("AiCID"), UndefinedActor);
        const QString row = QStringLiteral("ActorDecidesOn %1 on %2").arg(actor->ID).arg(Key(QStringLiteral("DAiCID")));
        if (SkippedAreas.contains(Key(QStringLiteral("DAiCID")))) {
            RowWarning(row, QStringLiteral("its decision area was skipped; the row is skipped"));
            continue;
        }
        TDecisionArea* area = Area(Level(QStringLiteral("SysLevID")), QStringLiteral("DAiCID"));
        if (HasLink(actor->Decisions, [area](const TActorDecision& l) { return l.DecisionArea == area; })) {
            RowWarning(row, QStringLiteral("the decision power is there already; the row is skipped"));
            continue;
        }
        TRangeNotes notes;
        const int influence = notes.Clamp(InfluenceOfWeight(Key(QStringLiteral("Weight"))), 1, 4, QStringLiteral("Influence"));
        notes.Report(row);
        SetComment(*actor->AddDecision(area, influence), Query.AsText(QStringLiteral("Comment")));
        ++count;
    }
    Progress(count, QStringLiteral(" actor decisions"));
}

void TCaseImporter::ImportActorGoals()
{
    Open({ QStringLiteral("SELECT ActorValues.AiCID, ActorValues.VariableID, ActorValues.CValue, ActorValues.Director, ActorValues.Preference, ActorValues.Comment"),
           QStringLiteral("FROM ActorInCase INNER JOIN ActorValues ON ActorInCase.AiCID = ActorValues.AiCID"),
           QStringLiteral("WHERE ActorInCase.CaseID=?;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        TActor* actor = Resolve(Case.Actors, QStringLiteral("AiCID"), UndefinedActor);
        TVariable* variable = Variable(QStringLiteral("VariableID"));
        const QString row = QStringLiteral("ActorValues %1 on %2").arg(actor->ID).arg(variable->ID);
        TRangeNotes notes;
        const qint64 director = Key(QStringLiteral("Director"));
        const int direction = director == 0 ? 0 : notes.Clamp(director, -2, 2, QStringLiteral("Director"));
        if (direction == 0)
            notes.Refuse(director, QStringLiteral("Director"));
        const int preference = notes.Clamp(Key(QStringLiteral("Preference")), -3, 3, QStringLiteral("Preference"));
        notes.Report(row);
        if (notes.Refused())
            continue;
        if (HasLink(actor->Goals, [&](const TActorGoal& l) { return l.Variable == variable && l.Direction == direction; })) {
            RowWarning(row, QStringLiteral("the objective is there already; the row is skipped"));
            continue;
        }
        TActorGoal* goal = actor->AddGoal(variable, direction, Query.AsFloat(QStringLiteral("CValue")), preference);
        SetComment(*goal, Query.AsText(QStringLiteral("Comment")));
        ++count;
    }
    Progress(count, QStringLiteral(" actor goals"));
}

void TCaseImporter::ImportActorOptions()
{
    Open({ QStringLiteral("SELECT ActorPrefers.AiCID, ActorPrefers.Preference, ActorPrefers.Comment, DecOptionInArea.DOiAID, DecAreaInCase.DAiCID, DecAreaInCase.SysLevID"),
           QStringLiteral("FROM DecAreaInCase INNER JOIN (DecOptionInArea INNER JOIN ActorPrefers ON DecOptionInArea.DOiAID = ActorPrefers.DOiAID) ON DecAreaInCase.DAiCID = DecOptionInArea.DAiCID"),
           QStringLiteral("WHERE DecAreaInCase.CaseID=?;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        TActor* actor = Resolve(Case.Actors, QStringLiteral("AiCID"), UndefinedActor);
        const QString row = QStringLiteral("ActorPrefers %1 on %2").arg(actor->ID).arg(Key(QStringLiteral("DOiAID")));
        TOption* option = RowOption(row);
        if (!option)
            continue;
        if (HasLink(actor->Options, [option](const TActorOption& l) { return l.Option == option; })) {
            RowWarning(row, QStringLiteral("the feeling is there already; the row is skipped"));
            continue;
        }
        TRangeNotes notes;
        const int preference = notes.Clamp(Key(QStringLiteral("Preference")), -3, 3, QStringLiteral("Preference"));
        notes.Report(row);
        SetComment(*actor->AddOptionFeeling(option, preference), Query.AsText(QStringLiteral("Comment")));
        ++count;
    }
    Progress(count, QStringLiteral(" actor options"));
}
