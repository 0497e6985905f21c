#pragma once

#include <QTreeWidgetItem>

/// The entries of the system hierarchy's trees: the item's type tells what the
/// pointer in its data is.
enum THierarchyEntry
{
    LevelEntry = QTreeWidgetItem::UserType + 1,
    AreaEntry,
    OptionEntry,
    EffectEntry,
};

inline void* EntryPointer(const QTreeWidgetItem* entry)
{
    return entry ? reinterpret_cast<void*>(entry->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

/// The model item of an entry of that type, else nullptr.
template <class T>
T* EntryItem(const QTreeWidgetItem* entry, int type)
{
    return entry && entry->type() == type ? static_cast<T*>(EntryPointer(entry)) : nullptr;
}
