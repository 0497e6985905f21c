#pragma once

#include "ui/catalogueviewof.h"

/// The categories in the user's order: add, rename, delete, reorder by drag, icons.
class TCategoryView : public TCatalogueViewOf<TCategory>
{
    Q_OBJECT
public:
    TCategoryView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase) { return new TCategoryView(main, aCase); }

    QToolButton* ImageBtn;

protected:
    std::vector<TConcept*> Entries() const override { return ByNumber(&TCategory::Number); }
    bool MoveConcept(TConcept* dragged, TConcept* target) override;
    QIcon Picture(const TConcept* item) const override { return IconPicture(item); }
};
