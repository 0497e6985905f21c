#pragma once

#include "ui/catalogueviewof.h"

/// The qualifiers by name: add, delete and their icons (no rename). Entries
/// can be dragged to the windows that take qualifiers.
class TQualifierView : public TCatalogueViewOf<TQualifier>
{
    Q_OBJECT
public:
    TQualifierView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase) { return new TQualifierView(main, aCase); }

    QToolButton* ImageBtn;

protected:
    QIcon Picture(const TConcept* item) const override { return IconPicture(item); }
};
