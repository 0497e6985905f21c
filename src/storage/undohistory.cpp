#include "storage/undohistory.h"

#include "design/evaluation.h"
#include "model/case.h"
#include "model/messages.h"

TUndoHistory::TUndoHistory(TCase& aCase) : Case(aCase)
{
    SavedAt = Case.Changed ? -1 : 0;
    Case.Recorder = this;
}

TUndoHistory::~TUndoHistory()
{
    if (Case.Recorder == this)
        Case.Recorder = nullptr;
}

void TUndoHistory::StepBegins(const QString& label)
{
    PendingLabel = label;
    Pending = Taker.Take(Case);
}

void TUndoHistory::StepEnds(bool changed)
{
    if (!changed)
        return;
    if (!Pending.Valid) {
        // Without the state before it, this step cannot be taken back, nor any before it.
        Steps.clear();
        Done = 0;
        SavedAt = -1;
        return;
    }
    Steps.erase(Steps.begin() + long(Done), Steps.end());
    if (SavedAt > static_cast<long long>(Done))
        SavedAt = -1;   // the saved state was among the steps undone and now replaced
    Steps.push_back({PendingLabel, std::move(Pending), {}});
    Pending = {};
    ++Done;
    while (Steps.size() > MaxSteps || (Steps.size() > 1 && Bytes() > MemoryLimit))
        DropOldest();
}

void TUndoHistory::DropOldest()
{
    Steps.pop_front();
    --Done;
    SavedAt = SavedAt > 0 ? SavedAt - 1 : -1;
}

QString TUndoHistory::UndoLabel() const { return CanUndo() ? Steps[Done - 1].Label : QString(); }
QString TUndoHistory::RedoLabel() const { return CanRedo() ? Steps[Done].Label : QString(); }

void TUndoHistory::Undo()
{
    if (!CanUndo())
        return;
    TStep& step = Steps[Done - 1];
    if (!step.After.Valid)
        step.After = Taker.Take(Case);
    --Done;
    Restore(step.Before);
}

void TUndoHistory::Redo()
{
    if (!CanRedo() || !Steps[Done].After.Valid)
        return;
    ++Done;
    Restore(Steps[Done - 1].After);
}

void TUndoHistory::Restore(const TCaseSnapshot& snapshot)
{
    if (!Taker.Restore(Case, snapshot))
        ShowError(QStringLiteral("The case could not be restored completely"));
    Case.Changed = SavedAt != static_cast<long long>(Done);
    TEvaluation::Invalidate();
    Case.Announce(ChangeEverything);
}

void TUndoHistory::MarkSaved() { SavedAt = static_cast<long long>(Done); }

size_t TUndoHistory::Bytes() const
{
    size_t bytes = 0;
    for (const TStep& step : Steps)
        bytes += step.Before.Bytes() + step.After.Bytes();
    return bytes;
}
