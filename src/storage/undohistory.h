#pragma once

#include "model/editrecorder.h"
#include "storage/casesnapshot.h"

#include <deque>

class TCase;

/// Undo and redo of every step of the user's editing.
///
/// The history keeps the case as it was after each step (and as it was
/// before the first one), each a snapshot of the whole case taken with the
/// case folder writer and read back with the reader. That restores a case
/// exactly, cascades and all, without an inverse for every operation. A step
/// costs one snapshot, taken as it ends; an undo or a redo only reads one back.
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
    size_t Bytes() const;

    static constexpr size_t MemoryLimit = size_t(256) << 20;
    static constexpr size_t MaxSteps = 1000;

private:
    struct TStep
    {
        QString Label;
        TCaseSnapshot After;
    };
    /// The case as it is at the position `Done`.
    TCaseSnapshot& Current() { return Done == 0 ? Start : Steps[Done - 1].After; }
    void Restore();
    void Forget();
    void DropOldest();

    TCase& Case;
    TSnapshotTaker Taker;
    TCaseSnapshot Start;           // before the oldest step kept; taken when the first step begins
    std::deque<TStep> Steps;
    size_t Done = 0;               // steps before this one are done; the rest can be redone
    long long SavedAt = 0;         // the position whose state the folder holds; -1: none
    QString PendingLabel;
};
