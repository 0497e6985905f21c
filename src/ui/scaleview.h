#pragma once

#include "ui/catalogueview.h"

/// The scales by name: add, rename, delete (with their variables).
class TScaleView : public TCatalogueView
{
    Q_OBJECT
public:
    TScaleView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase) { return new TScaleView(main, aCase); }

protected:
    std::vector<TConcept*> Entries() const override;
    TConcept* Find(const QString& name) const override;
    TConcept* AddConcept(const QString& name) override;
    void DeleteConcept(TConcept* item) override;
    bool RenameConcept(TConcept* item, const QString& name) override;
    QIcon Picture(const TConcept* item) const override;
};
