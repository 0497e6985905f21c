#include "ui/hierarchytree.h"

#include "ui/dragitems.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

THierarchyTree::THierarchyTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
}

void THierarchyTree::startDrag(Qt::DropActions)
{
    QMimeData* data = DragData ? DragData() : nullptr;
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    if (DragFinished)
        DragFinished();
}

void THierarchyTree::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(DragFormat))
        event->acceptProposedAction();
    else
        event->ignore();
}

void THierarchyTree::dragMoveEvent(QDragMoveEvent* event)
{
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    if (target && Accepts && Accepts(target))
        event->acceptProposedAction();
    else
        event->ignore();
}

void THierarchyTree::dropEvent(QDropEvent* event)
{
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    if (!target || !Accepts || !Accepts(target)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The window rebuilds this tree on the drop: it runs once the drag has finished.
    const QMimeData* data = event->mimeData();
    if (Dropped)
        Dropped(data, target);
}

void THierarchyTree::keyPressEvent(QKeyEvent* event)
{
    if (KeyPressed && state() != EditingState && KeyPressed(event->key()))
        return;
    QTreeWidget::keyPressEvent(event);
}
