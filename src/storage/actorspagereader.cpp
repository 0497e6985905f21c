#include "storage/actorspagereader.h"

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/messages.h"
#include "model/option.h"
#include "storage/filebuffer.h"
#include "storage/folderreader.h"
#include "storage/optionaddress.h"
#include "storage/rangewarning.h"
#include "storage/rowreading.h"

namespace {

const QString ActorMarker = QStringLiteral("<img src=\"img/actor.bmp\"></td><td>");
const QString FaceStart = QStringLiteral("\"img/face");
const QString WeightStart = QStringLiteral("\"img/wght");
const QString ImageEnd = QStringLiteral(".bmp\"");
const QString AddressStart = QStringLiteral(".bmp\" alt=\"");

// How a skipped position is named: Actor "Mayor", feeling about "Heating = Gas".
QString About(const TActor* actor, const char* position, const QString& target)
{
    return QStringLiteral("Actor \"") + actor->Name + QStringLiteral("\", ") + QLatin1String(position)
           + QStringLiteral(" \"") + target + QLatin1Char('"');
}

// A position whose value lies in its range joins the actor's list.
template <class T>
void Keep(TActor* actor, std::vector<std::unique_ptr<T>>& list, std::unique_ptr<T> link, bool inRange)
{
    if (!inRange)
        return;
    list.push_back(std::move(link));
    MarkCaseChanged(actor->Case);
}

void ReadConnection(TFileBuffer& buffer, TActor* actor)
{
    auto link = std::make_unique<TActorConnection>(actor);
    buffer.SkipPast(WeightStart);
    const int influence = ToInt(buffer.ReadUntil(ImageEnd));
    buffer.SkipPast(QStringLiteral("</td><td>"));
    // An actor further down the page is created here and found by name there.
    TCase& aCase = *actor->Case;
    link->OtherActor = aCase.Actors.At(aCase.AddActor(ReadText(buffer, RowEnd)));
    ReadComment(buffer, *link);
    link->Influence = influence;
    const bool inRange = CheckRange(influence, 1, 4, About(actor, "relation to", link->OtherActor->Name),
                                    QStringLiteral("influence"));
    Keep(actor, actor->Connections, std::move(link), inRange);
}

void ReadDecision(TFileBuffer& buffer, TActor* actor)
{
    auto link = std::make_unique<TActorDecision>(actor);
    buffer.ReadUntil(WeightStart);
    const int influence = ToInt(buffer.ReadUntil(ImageEnd));
    buffer.ReadUntil(AddressStart);
    link->DecisionArea = ReadDecisionAreaAddress(buffer, *actor->Case, QStringLiteral("\""));
    buffer.SkipPast(RowEnd);
    ReadComment(buffer, *link);
    link->Influence = influence;
    const bool inRange = CheckRange(influence, 1, 4, About(actor, "decision power on", link->DecisionArea->Name),
                                    QStringLiteral("influence"));
    Keep(actor, actor->Decisions, std::move(link), inRange);
}

// The direction a goal's image stands for; 0 after the error for an unknown image.
int DirectionOfImage(const QString& image)
{
    const QString name = image.trimmed().toLower();
    if (name == QLatin1String("minp"))
        return -2;
    if (name == QLatin1String("lt"))
        return -1;
    if (name == QLatin1String("gt"))
        return 1;
    if (name == QLatin1String("plusp"))
        return 2;
    ShowReadError(QStringLiteral("Undefined change direction: \"") + image + QLatin1Char('"'));
    return 0;
}

TVariable* VariableNamed(const TCase& aCase, const QString& name)
{
    TVariable* variable = aCase.Variables.Find(name.trimmed());
    if (!variable)
        throw TStorageError{ QStringLiteral("Unknown variable \"") + name.trimmed() + QLatin1Char('"') };
    return variable;
}

void ReadGoal(TFileBuffer& buffer, TActor* actor)
{
    auto link = std::make_unique<TActorGoal>(actor);
    buffer.ReadUntil(FaceStart);
    const int preference = ToInt(buffer.ReadUntil(ImageEnd));
    buffer.ReadUntil(QStringLiteral("<img src=\"img/"));
    const int direction = DirectionOfImage(buffer.ReadUntil(ImageEnd));
    buffer.ReadUntil(QStringLiteral("</td><td>"));
    link->Variable = VariableNamed(*actor->Case, ReadText(buffer, QStringLiteral(" [")));
    link->Value = UndefinedValue;
    if (buffer.FindFirstOf(QStringLiteral(" = "), QStringLiteral("</td>"))) {
        buffer.SkipPast(QStringLiteral(" = "));
        link->Value = ToValue(buffer.ReadUntil(RowEnd));
    } else {
        buffer.SkipPast(RowEnd);
    }
    ReadComment(buffer, *link);
    // A goal without a known direction was reported above and is left out.
    const bool inRange = direction != 0
                         && CheckRange(preference, -3, 3, About(actor, "objective on", link->Variable->Name),
                                       QStringLiteral("preference"));
    link->Direction = qint16(direction);
    link->Preference = qint16(preference);
    Keep(actor, actor->Goals, std::move(link), inRange);
}

void ReadOptionFeeling(TFileBuffer& buffer, TActor* actor)
{
    auto link = std::make_unique<TActorOption>(actor);
    buffer.ReadUntil(FaceStart);
    const int preference = ToInt(buffer.ReadUntil(ImageEnd));
    buffer.ReadUntil(AddressStart);
    const TDecisionArea* area = ReadDecisionAreaAddress(buffer, *actor->Case, QStringLiteral("\""));
    buffer.SkipPast(QStringLiteral(" = "));
    link->Option = OptionNamed(*area, ReadText(buffer, RowEnd));
    ReadComment(buffer, *link);
    link->Preference = qint16(preference);
    const bool inRange =
        CheckRange(preference, -3, 3, About(actor, "feeling about", area->Name + QStringLiteral(" = ") + link->Option->Name),
                   QStringLiteral("preference"));
    Keep(actor, actor->Options, std::move(link), inRange);
}

void ReadQualifierFeeling(TFileBuffer& buffer, TActor* actor)
{
    auto link = std::make_unique<TActorQualifier>(actor);
    buffer.ReadUntil(FaceStart);
    const int preference = ToInt(buffer.ReadUntil(ImageEnd));
    buffer.SkipPast(QStringLiteral("\"img/qual"));
    link->Qualifier = ItemAt(actor->Case->Qualifiers, ToInt(buffer.ReadUntil(ImageEnd)), QStringLiteral("Qualifier"));
    buffer.SkipPast(RowEnd);
    ReadComment(buffer, *link);
    link->Preference = qint16(preference);
    const bool inRange = CheckRange(preference, -3, 3, About(actor, "feeling about", link->Qualifier->Name),
                                    QStringLiteral("preference"));
    Keep(actor, actor->Qualifiers, std::move(link), inRange);
}

void ReadList(TFileBuffer& buffer, TActor* actor, const QString& rowMarker, void (*read)(TFileBuffer&, TActor*))
{
    buffer.ReadTable(rowMarker, [&] { read(buffer, actor); });
}

void ReadActor(TFileBuffer& buffer, TCase& aCase)
{
    buffer.SkipPast(ActorMarker);
    TActor* actor = aCase.Actors.At(aCase.AddActor(ReadText(buffer, RowEnd)));
    ReadComment(buffer, *actor);
    ReadList(buffer, actor, WeightStart, ReadConnection);
    ReadList(buffer, actor, WeightStart, ReadDecision);
    ReadList(buffer, actor, FaceStart, ReadGoal);
    ReadList(buffer, actor, FaceStart, ReadOptionFeeling);
    // Pages of older versions have no feelings about qualifiers; the heading
    // must belong to this actor, not to one further down.
    if (buffer.FindFirstOf(QStringLiteral("qualifiers"), ActorMarker))
        ReadList(buffer, actor, FaceStart, ReadQualifierFeeling);
}

} // namespace

void ReadActorsPage(TFolderReader& folder)
{
    folder.ReadItemsPage(QStringLiteral("ORVEL actors.htm"), QStringLiteral(" [loading actor positions...]"),
                         ActorMarker, [&](TFileBuffer& buffer) { ReadActor(buffer, folder.Case); });
}
