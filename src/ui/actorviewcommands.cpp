// The commands of the actor window: each user step is one edit of the case.
#include "ui/actorview.h"

#include "actors/actor.h"
#include "actors/actoredit.h"
#include "model/case.h"
#include "model/caseedit.h"
#include "model/helpers.h"
#include "model/messages.h"
#include "ui/beep.h"
#include "ui/commentbox.h"
#include "ui/dragitems.h"
#include "ui/droplist.h"
#include "ui/prompter.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <cmath>

namespace {

// The position after `position` in the list, else the one before: where the
// selection goes when it is deleted.
TNameless* Neighbour(const std::vector<TNameless*>& positions, const TNameless* position)
{
    const auto at = std::find(positions.begin(), positions.end(), position);
    if (at == positions.end())
        return nullptr;
    if (at + 1 != positions.end())
        return *(at + 1);
    return at == positions.begin() ? nullptr : *(at - 1);
}

} // namespace

void TActorView::AddActor()
{
    StoreComments();
    const std::optional<QString> name = Prompts().AskConceptName(tr("Name"), QString());
    if (!name || CleanTrimmedName(*name).isEmpty())
        return;
    const int before = Case.Actors.Count();
    {
        TCaseEdit edit(Case, tr("Add actor ") + CleanTrimmedName(*name), ChangeActors);
        Actor = Case.Actors.At(Case.AddActor(*name));
        Position = nullptr;
        Target = nullptr;
        if (Case.Actors.Count() == before)
            edit.Cancel();
    }
    Rebuild();
}

void TActorView::DeleteActor()
{
    if (!Actor || !AskYesNo(tr("ALL actor-related properties will also be deleted.\rContinue?")))
        return;
    StoreComments();
    TActor* doomed = FindActor(Actor);
    if (!doomed)
        return;
    const int index = Case.Actors.IndexOf(doomed);
    TCaseEdit edit(Case, tr("Delete actor ") + doomed->Name, ChangeActors);
    Case.DeleteActor(doomed);
    Actor = Case.Actors.Count() == 0 ? nullptr : Case.Actors.At(std::min(index, Case.Actors.Count() - 1));
    Position = nullptr;
    Target = nullptr;
}

void TActorView::RenameActor(TActor* actor, const QString& name)
{
    actor = FindActor(actor);
    if (actor && CleanTrimmedName(name) != actor->Name && !CleanTrimmedName(name).isEmpty()) {
        TCaseEdit edit(Case, tr("Rename actor ") + actor->Name, ChangeActors);
        if (Case.Actors.RenameConcept(actor, name) < 0)
            edit.Cancel();
    }
    // The list shows the actual name, also when the rename was refused.
    Rebuild();
}

void TActorView::SetMode(TActorMode mode)
{
    StoreComments();
    CurrentMode = mode;
    CurrentWeight = 2;
    Position = nullptr;
    Target = nullptr;
    ModeButtons[size_t(mode)]->setChecked(true);
    FillWeightMenu();
    RebuildChooser();
    RebuildPositions();
}

void TActorView::ChooseWeight(int weight)
{
    CurrentWeight = weight;
    UpdateControls();
    ApplyWeight();
}

void TActorView::ApplyWeight()
{
    if (!Actor)
        return;
    if (CurrentMode == TActorMode::Goals) {
        SetGoal();
        return;
    }
    void* target = ChosenTarget();
    bool changed = false;
    if (CurrentMode == TActorMode::Relations && !target) {
        ShowInfo(tr("First select an actor"));
        return;
    }
    if (target && !(Position && PositionTarget(*Position, CurrentMode) == target)) {
        changed = Place(target, NameBox->currentText());
    } else if (Position) {
        TCaseEdit edit(Case, tr("Weigh ") + PositionText(*Position, CurrentMode), ChangeActors);
        changed = SetPositionWeight(*Actor, Position, CurrentWeight);
        if (!changed)
            edit.Cancel();
    }
    if (!changed)
        RebuildPositions();
}

bool TActorView::Place(void* target, const QString& label)
{
    TCaseEdit edit(Case, tr("Weigh ") + label, ChangeActors);
    TPositionEdit placed;
    switch (CurrentMode) {
    case TActorMode::Options: placed = PlaceOptionFeeling(*Actor, static_cast<TOption*>(target), CurrentWeight); break;
    case TActorMode::Qualifiers:
        placed = PlaceQualifierFeeling(*Actor, static_cast<TQualifier*>(target), CurrentWeight);
        break;
    case TActorMode::Relations: placed = PlaceConnection(*Actor, static_cast<TActor*>(target), CurrentWeight); break;
    case TActorMode::Decisions: placed = PlaceDecision(*Actor, static_cast<TDecisionArea*>(target), CurrentWeight); break;
    case TActorMode::Goals: break;
    }
    if (placed.Position)
        Position = placed.Position;
    if (!placed.Changed)
        edit.Cancel();
    return placed.Changed;
}

void TActorView::ChooseDirection(int direction)
{
    CurrentDirection = direction;
    UpdateControls();
    SetGoal();
}

void TActorView::SetGoal()
{
    if (!Actor || CurrentMode != TActorMode::Goals)
        return;
    auto* variable = static_cast<TVariable*>(ChosenTarget());
    if (!variable) {
        ShowInfo(tr("First select a goal variable"));
        return;
    }
    double value = 0;
    if (!TryParseValue(ValueBox->text(), value) || !std::isfinite(value)) {
        Beep();
        return;
    }
    ValueBox->setText(FormatExactValue(value));
    auto* goal = static_cast<TActorGoal*>(Position);
    bool changed = true;
    {
        TCaseEdit edit(Case, tr("Set goal on ") + variable->Name, ChangeActors);
        if (goal && goal->Variable == variable)
            changed = ::SetGoal(*goal, CurrentDirection, value, CurrentWeight);
        else
            Position = Actor->AddGoal(variable, CurrentDirection, value, CurrentWeight);
        if (!changed)
            edit.Cancel();
    }
    if (!changed)
        RebuildPositions();
}

void TActorView::DeletePosition()
{
    if (!Actor || !Position)
        return;
    PositionComment->StorePending();
    TNameless* doomed = FindPosition(Position);
    if (!doomed)
        return;
    TCaseEdit edit(Case, tr("Delete actor property ") + PositionText(*doomed, CurrentMode), ChangeActors);
    Position = Neighbour(SortedPositions(*Actor, CurrentMode), doomed);
    Actor->DeletePosition(doomed);
}

bool TActorView::AcceptsDrop(const QMimeData* data) const
{
    if (!Actor)
        return false;
    switch (CurrentMode) {
    case TActorMode::Options: return CarriesKind(data, TDragKind::Option);
    case TActorMode::Qualifiers: return CarriesKind(data, TDragKind::Qualifier);
    case TActorMode::Decisions: return CarriesKind(data, TDragKind::DecisionArea);
    case TActorMode::Goals:
    case TActorMode::Relations: return false;
    }
    return false;
}

void TActorView::DropPositions(const QMimeData* data)
{
    if (!AcceptsDrop(data))
        return;
    const TDroppedItems dropped = ReadDragItems(data, Case);
    std::vector<void*> targets;
    switch (CurrentMode) {
    case TActorMode::Options: targets.assign(dropped.Options.begin(), dropped.Options.end()); break;
    case TActorMode::Qualifiers: targets.assign(dropped.Qualifiers.begin(), dropped.Qualifiers.end()); break;
    case TActorMode::Decisions: targets.assign(dropped.Areas.begin(), dropped.Areas.end()); break;
    case TActorMode::Goals:
    case TActorMode::Relations: break;
    }
    // An item deleted since the drag began is not in the case any more: ignored.
    if (targets.empty())
        return;
    bool changed = false;
    {
        TCaseEdit edit(Case, tr("Add actor property"), ChangeActors);
        for (void* target : targets)
            changed = Place(target, QString()) || changed;
        if (!changed)
            edit.Cancel();
    }
    if (!changed)
        RebuildPositions();
}
