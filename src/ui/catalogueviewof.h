#pragma once

#include "model/case.h"
#include "ui/catalogueview.h"

#include <QPixmap>
#include <algorithm>
#include <functional>

/// A catalogue view on one of the case's lists of T, changed through the
/// case's add and delete operations for it.
template <class T>
class TCatalogueViewOf : public TCatalogueView
{
public:
    using TAdd = int (TCase::*)(const QString&);
    using TDelete = void (TCase::*)(T*);

    TCatalogueViewOf(TORVEL& main, TCase& aCase, TCatalogue catalogue, TConceptList<T> TCase::*list, TAdd add,
                     TDelete remove)
        : TCatalogueView(main, aCase, catalogue), Catalogue(list), AddOperation(add), DeleteOperation(remove)
    {
    }

protected:
    const TConceptList<T>& Items() const { return Case.*Catalogue; }

    std::vector<TConcept*> Entries() const override { return ListEntries(Items()); }
    TConcept* Find(const QString& name) const override { return Items().Find(name); }
    TConcept* AddConcept(const QString& name) override { return Items().At(std::invoke(AddOperation, Case, name)); }
    void DeleteConcept(TConcept* item) override { std::invoke(DeleteOperation, Case, static_cast<T*>(item)); }
    bool RenameConcept(TConcept* item, const QString& name) override
    {
        return (Case.*Catalogue).RenameConcept(static_cast<T*>(item), name) >= 0;
    }

    /// The entries in the order of their numbers (phases, categories), ties by name.
    std::vector<TConcept*> ByNumber(int T::*number) const
    {
        std::vector<T*> items(Items().begin(), Items().end());
        std::stable_sort(items.begin(), items.end(), [number](const T* a, const T* b) { return a->*number < b->*number; });
        return std::vector<TConcept*>(items.begin(), items.end());
    }
    /// The concept's own icon image as the entry's picture.
    static QIcon IconPicture(const TConcept* item) { return QIcon(QPixmap::fromImage(static_cast<const T*>(item)->Icon)); }

private:
    TConceptList<T> TCase::*Catalogue;
    TAdd AddOperation;
    TDelete DeleteOperation;
};
