#pragma once

#include <QTreeWidget>
#include <functional>
#include <type_traits>

class QMimeData;

/// A tree of the editing windows that takes drops of model items from other
/// windows, may drag its own items out, and deletes with the Delete key only
/// while it has the focus. Its window decides through the hooks.
class TDropTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TDropTree(QWidget* parent = nullptr);

    /// Whether `data` may be dropped on `target` (nullptr: an empty part).
    std::function<bool(const QMimeData* data, QTreeWidgetItem* target)> Accepts;
    /// The drop itself, with the drop point on the screen for a menu there.
    std::function<void(const QMimeData* data, QTreeWidgetItem* target, const QPoint& globalPos)> Dropped;
    /// The drag data of the selected items; unset: the tree drags nothing out.
    std::function<QMimeData*(const QList<QTreeWidgetItem*>& items)> DragData;
    std::function<void()> DeletePressed;
    std::function<void()> InsertPressed;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

private:
    bool Accept(QDropEvent* event);
};

/// The model item a tree item shows. Only compared against items found in the
/// case again before it is used.
void SetItemObject(QTreeWidgetItem* item, const void* object);
const void* ItemObject(const QTreeWidgetItem* item);
/// The item of `tree` (at any depth) that shows `object`, or nullptr.
QTreeWidgetItem* FindItemOf(const QTreeWidget* tree, const void* object, QTreeWidgetItem* under = nullptr);

/// The item of `list` (walked, never dereferenced) at the address, or nullptr.
template <typename List>
auto FindObject(const List& list, const void* object) -> std::remove_cvref_t<decltype(*list.begin())>
{
    for (auto* candidate : list)
        if (candidate == object)
            return candidate;
    return nullptr;
}

/// Puts `items` (made without a tree) in place of the tree's top-level items,
/// unless the tree shows the same objects with the same texts already: then
/// `items` are freed and the tree keeps its selection and scrolling. True when
/// replaced. `expand` opens every item that has children; `refreshIcons`
/// gives items that stay the icons of the new ones (icons changed).
bool ReplaceItems(QTreeWidget* tree, const QList<QTreeWidgetItem*>& items, bool expand, bool refreshIcons = false);
