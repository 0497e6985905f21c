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
    if (!Current().Valid)
        Current() = Taker.Take(Case);
}

void TUndoHistory::StepEnds(bool changed)
{
    if (!changed)
        return;
    TCaseSnapshot after = Current().Valid ? Taker.Take(Case) : TCaseSnapshot();
    if (!after.Valid) {
        // Without both sides of it, this step cannot be taken back, nor any before it.
        Forget();
        return;
    }
    Steps.erase(Steps.begin() + long(Done), Steps.end());
    if (SavedAt > static_cast<long long>(Done))
        SavedAt = -1;   // the saved state was among the steps undone and now replaced
    Steps.push_back({PendingLabel, std::move(after)});
    ++Done;
    ReadAheadNeighbours();
    KeepWithinLimits();
}

void TUndoHistory::KeepWithinLimits()
{
    while (Steps.size() > MaxSteps || (Done > 1 && Bytes() > MemoryLimit))
        DropOldest();
}

void TUndoHistory::ReadAheadNeighbours()
{
    std::vector<const TCaseSnapshot*> wanted;
    if (CanUndo())
        wanted.push_back(&At(Done - 1));
    if (CanRedo())
        wanted.push_back(&At(Done + 1));
    // A copy of the present state is the way back from the next step, so
    // that an undo straight after a step only swaps items, too.
    if (Current().Valid)
        wanted.push_back(&Current());
    ReadAhead.Want(wanted);
}

void TUndoHistory::Forget()
{
    Steps.clear();
    Start = {};
    Done = 0;
    SavedAt = -1;
    ReadAhead.Want({});
}

void TUndoHistory::DropOldest()
{
    Start = std::move(Steps.front().After);
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
    --Done;
    Restore(Done + 1);
}

void TUndoHistory::Redo()
{
    if (!CanRedo())
        return;
    ++Done;
    Restore(Done - 1);
}

void TUndoHistory::Restore(size_t from)
{
    Case.TellItemsReplacing();
    if (std::unique_ptr<TCase> readAhead = ReadAhead.Take(Current())) {
        Case.SwapItems(*readAhead);
        ReadAhead.Keep(std::move(readAhead), At(from));
    } else if (!Taker.Restore(Case, Current())) {
        ShowError(QStringLiteral("The case could not be restored completely"));
    }
    ReadAheadNeighbours();
    KeepWithinLimits();   // an undo may want one case more read ahead
    Case.Changed = SavedAt != static_cast<long long>(Done);
    TEvaluation::Invalidate();
    Case.Announce(ChangeEverything);
    Case.TellItemsReplaced();
}

void TUndoHistory::MarkSaved() { SavedAt = static_cast<long long>(Done); }

size_t TUndoHistory::Bytes()
{
    size_t bytes = Start.Bytes() + ReadAhead.Bytes();
    for (const TStep& step : Steps)
        bytes += step.After.Bytes();
    return bytes;
}
