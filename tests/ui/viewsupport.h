#pragma once

#include "model/messagerecorder.h"
#include "ui/dragitems.h"
#include "ui/droptree.h"
#include "ui/mainwindow.h"
#include "scriptedwindow.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <memory>


/// Drops `items` on a tree as a drag from another window would: on `target`,
/// or on an empty part below the items when it is nullptr. True when the
/// tree accepted the drop.
inline bool DropOn(TDropTree* tree, const std::vector<TDragItem>& items, QTreeWidgetItem* target = nullptr)
{
    std::unique_ptr<QMimeData> data(MakeDragData(items));
    QPoint at = tree->viewport()->rect().bottomLeft() + QPoint(4, -4);
    if (target) {
        tree->scrollToItem(target);
        at = tree->visualItemRect(target).center();
    }
    // Qt delivers moves and the drop only to the widget that took the drag's entry.
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &drop);
    return drop.isAccepted();
}

/// The texts of the tree's items, children indented by two blanks.
inline QStringList TreeTexts(const QTreeWidget* tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = tree->topLevelItem(i);
        texts << item->text(0);
        for (int j = 0; j < item->childCount(); ++j)
            texts << QStringLiteral("  ") + item->child(j)->text(0);
    }
    return texts;
}
