#pragma once

#include <QTreeWidget>
#include <functional>

class QMimeData;

/// The design editor's trees: drags, drops, mark clicks and rename requests
/// are handled by
/// its window through these hooks; a hook left empty keeps the tree's own way.
class TDesignTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TDesignTree(QWidget* parent = nullptr);

    /// The data dragged out from the item, or nullptr for no drag.
    std::function<QMimeData*(QTreeWidgetItem* item)> DragData;
    /// Whether the data is of a kind the tree takes at all.
    std::function<bool(const QMimeData* data)> Wants;
    /// Whether the data may be dropped on the item (nullptr: empty space).
    std::function<bool(const QMimeData* data, QTreeWidgetItem* item)> CanDrop;
    std::function<void(const QMimeData* data, QTreeWidgetItem* item, const QPoint& globalPos)> Dropped;
    /// A left click on the item's icon, with Shift held or not.
    std::function<void(QTreeWidgetItem* item, bool shift)> MarkClicked;
    /// Replaces in-place editing: the window asks for the new text itself.
    std::function<void(QTreeWidgetItem* item)> RenameRequested;

    /// The area of the item's icon, in viewport coordinates.
    QRect MarkRect(QTreeWidgetItem* item) const;

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    bool Accepts(const QMimeData* data, const QPoint& pos) const;
};
