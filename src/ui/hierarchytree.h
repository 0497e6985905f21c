#pragma once

#include <QTreeWidget>
#include <functional>

class QMimeData;

/// A tree of the system hierarchy window. What may be dragged from it, what
/// it accepts and what a drop or a key does are the window's decisions,
/// handed in as functions.
class THierarchyTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit THierarchyTree(QWidget* parent = nullptr);

    /// The drag data of the current item, or nullptr when it cannot be dragged.
    std::function<QMimeData*()> DragData;
    std::function<void()> DragFinished;
    /// Whether a drop of what the window is dragging fits on the item.
    std::function<bool(QTreeWidgetItem* target)> Accepts;
    std::function<void(const QMimeData* data, QTreeWidgetItem* target)> Dropped;
    /// True when the key was handled.
    std::function<bool(int key)> KeyPressed;

protected:
    void startDrag(Qt::DropActions supported) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
