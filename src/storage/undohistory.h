#pragma once

#include "model/editrecorder.h"
#include "storage/casesnapshot.h"
#include "storage/readahead.h"

#include <deque>

class TCase;

/// Undo and redo of every step of the user's editing.
///
/// The history keeps the case as it was after each step (and as it was
/// before the first one), each a snapshot of the whole case taken with the
/// case folder writer and read back with the reader. That restores a case
/// exactly, cascades and all, without an inverse for every operation. A step
/// costs one snapshot, taken as it ends; an undo or a redo only reads one back.
/// The states next to the present one, and a copy of the present one (the
/// state before the next step), are read ahead on another thread
/// (TReadAhead), so that an undo or a redo usually only swaps items; the
/// items it displaces are the state it left, kept for the way back.
class TUndoHistory : public TEditRecorder
{
public:
    /// The case as it is now counts as saved. Installs itself as the case's recorder.
    explicit TUndoHistory(TCase& aCase);
    ~TUndoHistory() override;

    void StepBegins(const QString& label) override;
    void StepEnds(bool changed) override;

    bool CanUndo() const { return Done > 0; }
    bool CanRedo() const { return Done < Steps.size(); }
    QString UndoLabel() const;
    QString RedoLabel() const;
    /// Each restores the case and announces that everything changed.
    void Undo();
    void Redo();
    /// The case as it is now is what its folder holds.
    void MarkSaved();

    size_t StepCount() const { return Steps.size(); }
    /// The snapshots and the cases read ahead.
    size_t Bytes();
    /// Waits until the states next to this one are read ahead.
    void Settle() { ReadAhead.Settle(); }

    static constexpr size_t MemoryLimit = size_t(256) << 20;
    static constexpr size_t MaxSteps = 1000;

private:
    struct TStep
    {
        QString Label;
        TCaseSnapshot After;
    };
    /// The case as it is at a position: after that many of the steps.
    TCaseSnapshot& At(size_t position) { return position == 0 ? Start : Steps[position - 1].After; }
    TCaseSnapshot& Current() { return At(Done); }
    /// Brings the case to the state at `Done`, coming from `from`.
    void Restore(size_t from);
    void ReadAheadNeighbours();
    void Forget();
    void KeepWithinLimits();
    void DropOldest();

    TCase& Case;
    TSnapshotTaker Taker;
    TCaseSnapshot Start;           // before the oldest step kept; taken when the first step begins
    std::deque<TStep> Steps;
    size_t Done = 0;               // steps before this one are done; the rest can be redone
    long long SavedAt = 0;         // the position whose state the folder holds; -1: none
    QString PendingLabel;
    TReadAhead ReadAhead;   // last: its thread stops before the snapshots go
};
