#pragma once

#include "model/casechange.h"
#include "ui/selectionmemory.h"

#include <QWidget>

class TCase;
class TNameless;
class TORVEL;
class TPrompter;

/// Base of every child window that shows the open case. It listens to the
/// case's change notice while it exists and rebuilds from the case when told;
/// it keeps no model data beyond what it shows, and finds its selection again
/// by identity, never touching an item it can no longer find in the case.
///
/// A view changes the case only inside a TCaseEdit. The notice comes when the
/// outermost edit ends, also to the view that made the change, so a command
/// must be done with its own tree items by then. A command started from a
/// tree's own signal (an in-place rename) is best run queued.
class TCaseView : public QWidget, public TCaseListener
{
    Q_OBJECT
public:
    TCaseView(TORVEL& main, TCase& aCase, QWidget* parent = nullptr);
    ~TCaseView() override;

    /// Stores what is being typed (a comment, a value, a count, a name) into
    /// the case, before a save, a close or quitting looks at the case.
    virtual void StorePendingEdits() {}

    /// An undo or redo keeps the selection of every tree and list wherever
    /// its item comes back.
    void ItemsReplacing() override { Remembered = TSelectionMemory::Of(*this); }
    void ItemsReplaced() override { Remembered.ApplyTo(*this); }

protected:
    /// Stores a typed comment as one edit, when it differs from the item's.
    void StoreComment(TNameless& item, const QString& text, TChangeKinds kinds);
    TPrompter& Prompts() const;

    TORVEL& Main;
    TCase& Case;

private:
    TSelectionMemory Remembered;
};
