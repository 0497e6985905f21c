#pragma once

#include "model/concept.h"

#include <iterator>
#include <memory>
#include <vector>

class TCase;

/// Name order of every concept list: ASCII letters compare without regard to
/// case, every other character by its code.
int CompareNames(const QString& a, const QString& b);

QString CleanTrimmedName(const QString& name);
void MarkCaseChanged(TCase* aCase);

/// Shows the warning and answers the negative result of a refused rename.
int RefuseDuplicateName();

/// An owning list of concepts kept sorted by name, names unique regardless of
/// letter case. Renames move an item without freeing it. When the list belongs to
/// a case, every change to it marks that case changed.
template <class T>
class TConceptList
{
public:
    explicit TConceptList(TCase* owner = nullptr) : Owner(owner) {}
    TConceptList(const TConceptList&) = delete;
    TConceptList& operator=(const TConceptList&) = delete;

    int Count() const { return int(Items.size()); }
    bool IsEmpty() const { return Items.empty(); }
    T* At(int index) const { return Items[size_t(index)].get(); }
    T* First() const { return Items.empty() ? nullptr : Items.front().get(); }

    /// Binary search; found: the index, else -(insertion position + 1).
    int IndexOfName(const QString& name) const
    {
        int low = 0, high = Count() - 1;
        while (low <= high) {
            const int middle = (low + high) / 2;
            const int c = CompareNames(Items[size_t(middle)]->Name, name);
            if (c == 0)
                return middle;
            if (c > 0)
                high = middle - 1;
            else
                low = middle + 1;
        }
        return -(low + 1);
    }

    /// The index of this very item, or -1.
    int IndexOf(const T* item) const
    {
        if (!item)
            return -1;
        const int i = IndexOfName(item->Name);
        return i >= 0 && Items[size_t(i)].get() == item ? i : -1;
    }
    bool Contains(const T* item) const { return IndexOf(item) >= 0; }

    T* Find(const QString& name) const
    {
        const int i = IndexOfName(name);
        return i >= 0 ? At(i) : nullptr;
    }

    /// Inserts a new item at its sorted place; its name must not be present.
    int Insert(std::unique_ptr<T> item)
    {
        const int r = IndexOfName(item->Name);
        Q_ASSERT(r < 0);
        const int at = -(r + 1);
        Items.insert(Items.begin() + at, std::move(item));
        MarkChanged();
        return at;
    }

    /// The add operation of every list: the name is cleaned and trimmed; an
    /// existing name answers its index and changes nothing, else a new item
    /// T(name, args...) goes to its sorted place.
    template <class... Args>
    int Add(const QString& name, Args&&... args)
    {
        const QString clean = CleanTrimmedName(name);
        const int found = IndexOfName(clean);
        if (found >= 0)
            return found;
        return Insert(std::make_unique<T>(clean, std::forward<Args>(args)...));
    }

    /// Takes an item out without freeing it.
    std::unique_ptr<T> Take(int index)
    {
        std::unique_ptr<T> item = std::move(Items[size_t(index)]);
        Items.erase(Items.begin() + index);
        MarkChanged();
        return item;
    }

    /// Frees the item. The caller has cleared every reference to it first.
    void Remove(T* item)
    {
        const int i = IndexOf(item);
        if (i >= 0)
            Take(i).reset();
    }

    /// Exchanges the items with another list; each keeps its owner.
    void SwapItems(TConceptList& other) { Items.swap(other.Items); }

    void Clear()
    {
        // Last first, so that destructors see the rest of the list intact.
        while (!Items.empty())
            Items.pop_back();
    }

    /// Renames and moves the item to its new sorted place. Returns its index,
    /// or a negative number (after the warning "Names must be unique") when
    /// another item, or this one in other letter case, already has the name.
    int RenameConcept(T* item, const QString& newName);

    // Iteration yields raw, non-owning pointers.
    class Iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T* const*;
        using reference = T*;
        using Base = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit Iterator(Base b) : It(b) {}
        T* operator*() const { return It->get(); }
        Iterator& operator++() { ++It; return *this; }
        bool operator!=(const Iterator& o) const { return It != o.It; }
        bool operator==(const Iterator& o) const { return It == o.It; }
    private:
        Base It;
    };
    Iterator begin() const { return Iterator(Items.begin()); }
    Iterator end() const { return Iterator(Items.end()); }

private:
    void MarkChanged();

    std::vector<std::unique_ptr<T>> Items;
    TCase* Owner;
};


template <class T>
void TConceptList<T>::MarkChanged()
{
    MarkCaseChanged(Owner);
}

template <class T>
int TConceptList<T>::RenameConcept(T* item, const QString& newName)
{
    const QString name = CleanTrimmedName(newName);
    if (name == item->Name)
        return IndexOfName(name);
    if (name.isEmpty())
        return -1;
    const int current = IndexOf(item);
    if (Count() == 1) {
        item->Name = name;
        MarkChanged();
        return 0;
    }
    const int r = IndexOfName(name);
    if (r >= 0)
        return RefuseDuplicateName();
    int target = -(r + 1);
    if (target > current)
        --target;
    std::unique_ptr<T> owned = std::move(Items[size_t(current)]);
    Items.erase(Items.begin() + current);
    owned->Name = name;
    Items.insert(Items.begin() + target, std::move(owned));
    MarkChanged();
    return target;
}
