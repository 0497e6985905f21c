#include "ui/droptree.h"

#include "ui/dragitems.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

TDropTree::TDropTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setDragEnabled(false);
}

bool TDropTree::Accept(QDropEvent* event)
{
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    // Items dragged within the tree itself are not moved around.
    const bool ok = event->source() != this && Accepts && Accepts(event->mimeData(), target);
    if (ok) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
    return ok;
}

void TDropTree::dragEnterEvent(QDragEnterEvent* event)
{
    // Entering anywhere is fine as long as the data is ours; the point decides on move.
    if (event->source() != this && event->mimeData()->hasFormat(DragFormat))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TDropTree::dragMoveEvent(QDragMoveEvent* event)
{
    // The base scrolls a long list near its edges; whether to take the drop is ours.
    QTreeWidget::dragMoveEvent(event);
    Accept(event);
}

void TDropTree::dropEvent(QDropEvent* event)
{
    // What the base does on leaving (stop scrolling, end the drag state) without its own drop.
    QDragLeaveEvent leave;
    QTreeWidget::dragLeaveEvent(&leave);
    if (!Accept(event))
        return;
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    const QPoint global = viewport()->mapToGlobal(event->position().toPoint());
    if (Dropped)
        Dropped(event->mimeData(), target, global);
}

void TDropTree::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && DeletePressed && state() != EditingState) {
        DeletePressed();
        return;
    }
    if (event->key() == Qt::Key_Insert && InsertPressed) {
        InsertPressed();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QMimeData* TDropTree::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    return DragData ? DragData(items) : nullptr;
}

QStringList TDropTree::mimeTypes() const { return {DragFormat}; }

void SetItemObject(QTreeWidgetItem* item, const void* object)
{
    item->setData(0, Qt::UserRole, QVariant::fromValue(quintptr(object)));
}

const void* ItemObject(const QTreeWidgetItem* item)
{
    return item ? reinterpret_cast<const void*>(item->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

QTreeWidgetItem* FindItemOf(const QTreeWidget* tree, const void* object, QTreeWidgetItem* under)
{
    if (!object)
        return nullptr;
    const int count = under ? under->childCount() : tree->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* item = under ? under->child(i) : tree->topLevelItem(i);
        if (ItemObject(item) == object)
            return item;
        if (QTreeWidgetItem* found = FindItemOf(tree, object, item))
            return found;
    }
    return nullptr;
}

namespace {

bool SameItem(const QTreeWidgetItem* a, const QTreeWidgetItem* b)
{
    if (ItemObject(a) != ItemObject(b) || a->text(0) != b->text(0) || a->childCount() != b->childCount())
        return false;
    for (int i = 0; i < a->childCount(); ++i)
        if (!SameItem(a->child(i), b->child(i)))
            return false;
    return true;
}

void CopyIcons(QTreeWidgetItem* to, const QTreeWidgetItem* from)
{
    to->setIcon(0, from->icon(0));
    for (int i = 0; i < to->childCount(); ++i)
        CopyIcons(to->child(i), from->child(i));
}

} // namespace

bool ReplaceItems(QTreeWidget* tree, const QList<QTreeWidgetItem*>& items, bool expand, bool refreshIcons)
{
    bool same = tree->topLevelItemCount() == items.size();
    for (int i = 0; same && i < items.size(); ++i)
        same = SameItem(tree->topLevelItem(i), items[i]);
    if (same) {
        for (int i = 0; refreshIcons && i < items.size(); ++i)
            CopyIcons(tree->topLevelItem(i), items[i]);
        qDeleteAll(items);
        return false;
    }
    const QSignalBlocker block(tree);
    tree->clear();
    tree->addTopLevelItems(items);
    if (expand)
        for (QTreeWidgetItem* item : items)
            if (item->childCount() > 0)
                item->setExpanded(true);
    return true;
}
