#pragma once

#include "ui/catalogueviewof.h"

/// The scales by name: add, rename, delete (with their variables).
class TScaleView : public TCatalogueViewOf<TScale>
{
    Q_OBJECT
public:
    TScaleView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase) { return new TScaleView(main, aCase); }

protected:
    QIcon Picture(const TConcept* item) const override;
};
