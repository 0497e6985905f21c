#include "ui/selectionmemory.h"

#include <QListWidget>
#include <QTreeWidget>
#include <map>

namespace {

// Trees and lists in creation order, each named by its object name and how
// many of that name came before it.
template <typename Visit>
void ForEachItemView(const QWidget& window, Visit visit)
{
    std::map<QString, int> seen;
    for (QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        if (!qobject_cast<QTreeWidget*>(view) && !qobject_cast<QListWidget*>(view))
            continue;   // a tree's header is an item view too
        const QString name = view->objectName();
        visit(view, name + QLatin1Char('#') + QString::number(seen[name]++));
    }
}

QTreeWidgetItem* ChildAt(QTreeWidget& tree, QTreeWidgetItem* parent, int row)
{
    return parent ? parent->child(row) : tree.topLevelItem(row);
}

int ChildCount(QTreeWidget& tree, QTreeWidgetItem* parent)
{
    return parent ? parent->childCount() : tree.topLevelItemCount();
}

// The child showing `text`; else, for the remembered item itself, the one at its old row.
QTreeWidgetItem* FindChild(QTreeWidget& tree, QTreeWidgetItem* parent, const QString& text, int row, bool last)
{
    for (int i = 0; i < ChildCount(tree, parent); ++i)
        if (!text.isEmpty() && ChildAt(tree, parent, i)->text(0) == text)
            return ChildAt(tree, parent, i);
    return last && row < ChildCount(tree, parent) ? ChildAt(tree, parent, row) : nullptr;
}

bool Reselect(QTreeWidget& tree, const QStringList& texts, const QList<int>& rows)
{
    QTreeWidgetItem* found = nullptr;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QTreeWidgetItem* child = FindChild(tree, found, texts[i], rows[i], i == texts.size() - 1);
        if (!child)
            break;
        found = child;
    }
    if (!found || tree.currentItem() == found)
        return false;
    tree.setCurrentItem(found);
    return true;
}

bool Reselect(QListWidget& list, const QString& text, int row)
{
    const QList<QListWidgetItem*> same = list.findItems(text, Qt::MatchExactly);
    QListWidgetItem* found = !same.isEmpty() ? same.first() : list.item(row);
    if (!found || list.currentItem() == found)
        return false;
    list.setCurrentItem(found);
    return true;
}

} // namespace

TSelectionMemory TSelectionMemory::Of(const QWidget& window)
{
    TSelectionMemory memory;
    ForEachItemView(window, [&memory](QAbstractItemView* view, const QString& name) {
        TMark mark{name, {}, {}};
        if (auto* tree = qobject_cast<QTreeWidget*>(view)) {
            for (QTreeWidgetItem* item = tree->currentItem(); item; item = item->parent()) {
                mark.Texts.prepend(item->text(0));
                mark.Rows.prepend(item->parent() ? item->parent()->indexOfChild(item)
                                                 : tree->indexOfTopLevelItem(item));
            }
        } else if (auto* list = qobject_cast<QListWidget*>(view); list && list->currentItem()) {
            mark.Texts = {list->currentItem()->text()};
            mark.Rows = {list->currentRow()};
        }
        if (!mark.Texts.isEmpty())
            memory.Marks.push_back(mark);
    });
    return memory;
}

void TSelectionMemory::ApplyTo(QWidget& window) const
{
    // Selecting in one tree may fill another that came earlier (a level's
    // areas): go again until nothing moves, once more than there are marks at most.
    bool moved = true;
    for (size_t pass = 0; moved && pass <= Marks.size(); ++pass) {
        moved = false;
        ForEachItemView(window, [this, &moved](QAbstractItemView* view, const QString& name) {
            for (const TMark& mark : Marks) {
                if (mark.Widget != name)
                    continue;
                if (auto* tree = qobject_cast<QTreeWidget*>(view))
                    moved |= Reselect(*tree, mark.Texts, mark.Rows);
                else if (auto* list = qobject_cast<QListWidget*>(view))
                    moved |= Reselect(*list, mark.Texts.first(), mark.Rows.first());
            }
        });
    }
}
