// The Edit menu: undo and redo of the steps of the open case.
#include "ui/mainwindow.h"

#include "design/design.h"
#include "model/case.h"
#include "storage/undohistory.h"
#include "ui/doview.h"

#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <utility>

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

void TORVEL::ItemsReplacing()
{
    EditorsToReopen.clear();
    ActiveBeforeReplacing = Mdi->activeSubWindow();
    for (QMdiSubWindow* frame : Mdi->subWindowList())
        if (auto* editor = qobject_cast<TDOView*>(frame->widget()); editor && editor->Design())
            EditorsToReopen.push_back({editor->Design()->Name, frame->geometry(), frame->windowState(),
                                       int(editor->ShownPanel()), TSelectionMemory::Of(*editor),
                                       frame == ActiveBeforeReplacing});
}

void TORVEL::ItemsReplaced()
{
    // Every design editor closed as its design was freed; the designs that
    // came back get theirs again, as they were.
    QMdiSubWindow* active = ActiveBeforeReplacing;
    for (const TEditorPlace& place : std::exchange(EditorsToReopen, {})) {
        TDesign* design = OpenCase ? OpenCase->Designs.Find(place.Design) : nullptr;
        if (!design || design->Editor)
            continue;
        QMdiSubWindow* frame = TDOView::Open(*this, *OpenCase, *design);
        frame->setGeometry(place.Geometry);
        frame->setWindowState(place.State);
        auto* editor = static_cast<TDOView*>(frame->widget());
        editor->ShowPanel(TDOView::TPanel(place.Panel));
        place.Selection.ApplyTo(*editor);
        if (place.Active)
            active = frame;
    }
    if (active)
        Mdi->setActiveSubWindow(active);
}
