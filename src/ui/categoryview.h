#pragma once

#include "ui/catalogueview.h"

/// The categories in the user's order: add, rename, delete, reorder by drag, icons.
class TCategoryView : public TCatalogueView
{
    Q_OBJECT
public:
    TCategoryView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase) { return new TCategoryView(main, aCase); }

    QToolButton* ImageBtn;

protected:
    std::vector<TConcept*> Entries() const override;
    TConcept* Find(const QString& name) const override;
    TConcept* AddConcept(const QString& name) override;
    void DeleteConcept(TConcept* item) override;
    bool RenameConcept(TConcept* item, const QString& name) override;
    bool MoveConcept(TConcept* dragged, TConcept* target) override;
    QIcon Picture(const TConcept* item) const override;
};
