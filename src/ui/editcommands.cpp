// The Edit menu: undo and redo of the steps of the open case.
#include "ui/mainwindow.h"

#include "model/case.h"
#include "storage/undohistory.h"

#include <QMenu>
#include <QMenuBar>

void TORVEL::CreateEditItems()
{
    EditMenu = menuBar()->addMenu(tr("&Edit"));
    Undo1 = EditMenu->addAction(tr("&Undo"));
    Undo1->setObjectName(QStringLiteral("Undo1"));
    Undo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(Undo1, &QAction::triggered, this, &TORVEL::Undo);
    Redo1 = EditMenu->addAction(tr("&Redo"));
    Redo1->setObjectName(QStringLiteral("Redo1"));
    Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(Redo1, &QAction::triggered, this, &TORVEL::Redo);
}

void TORVEL::UpdateEditItems()
{
    const bool canUndo = Steps && Steps->CanUndo();
    const bool canRedo = Steps && Steps->CanRedo();
    Undo1->setEnabled(canUndo);
    Redo1->setEnabled(canRedo);
    Undo1->setText(canUndo ? tr("&Undo %1").arg(Steps->UndoLabel()) : tr("&Undo"));
    Redo1->setText(canRedo ? tr("&Redo %1").arg(Steps->RedoLabel()) : tr("&Redo"));
}

void TORVEL::Undo()
{
    if (!Steps)
        return;
    // A comment being typed is the newest step: it is what goes first.
    StorePendingEdits();
    Steps->Undo();
    UpdateEditItems();
}

void TORVEL::Redo()
{
    if (!Steps)
        return;
    StorePendingEdits();
    Steps->Redo();
    UpdateEditItems();
}
