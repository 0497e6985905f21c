#include "ui/droplist.h"

#include <QDragEnterEvent>
#include <QKeyEvent>

TDropList::TDropList(QWidget* parent) : QListWidget(parent)
{
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void TDropList::dragEnterEvent(QDragEnterEvent* event)
{
    if (Takes(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TDropList::dragMoveEvent(QDragMoveEvent* event)
{
    if (Takes(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TDropList::dropEvent(QDropEvent* event)
{
    if (!Takes(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (Dropped)
        Dropped(event->mimeData());
}

void TDropList::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Delete && OnDelete && state() != QAbstractItemView::EditingState) {
        OnDelete();
        return;
    }
    if (plain && event->key() == Qt::Key_Insert && OnInsert) {
        OnInsert();
        return;
    }
    QListWidget::keyPressEvent(event);
}
