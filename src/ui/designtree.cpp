#include "ui/designtree.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

TDesignTree::TDesignTree(QWidget* parent) : QTreeWidget(parent)
{
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

QRect TDesignTree::MarkRect(QTreeWidgetItem* item) const
{
    const QRect row = visualItemRect(item);
    return QRect(row.left(), row.top(), iconSize().width() + 4, row.height());
}

void TDesignTree::startDrag(Qt::DropActions)
{
    QMimeData* data = DragData ? DragData(currentItem()) : nullptr;
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

bool TDesignTree::Accepts(const QMimeData* data, const QPoint& pos) const
{
    return CanDrop && CanDrop(data, itemAt(pos));
}

void TDesignTree::dragEnterEvent(QDragEnterEvent* event)
{
    // Where it may land depends on the entry under it: keep listening.
    if (Wants && Wants(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TDesignTree::dragMoveEvent(QDragMoveEvent* event)
{
    if (Accepts(event->mimeData(), event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TDesignTree::dropEvent(QDropEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!Accepts(event->mimeData(), pos)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (Dropped)
        Dropped(event->mimeData(), itemAt(pos), viewport()->mapToGlobal(pos));
}

void TDesignTree::mousePressEvent(QMouseEvent* event)
{
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    const bool onMark = item && event->button() == Qt::LeftButton && MarkClicked
                        && MarkRect(item).contains(event->position().toPoint());
    QTreeWidget::mousePressEvent(event);
    if (onMark)
        MarkClicked(item, event->modifiers() & Qt::ShiftModifier);
}

bool TDesignTree::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (!RenameRequested || trigger == NoEditTriggers || !index.isValid())
        return QTreeWidget::edit(index, trigger, event);
    if (!(editTriggers() & trigger) && trigger != AllEditTriggers)
        return false;
    RenameRequested(itemFromIndex(index));
    return false;
}
