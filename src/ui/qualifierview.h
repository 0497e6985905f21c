#pragma once

#include "ui/catalogueview.h"

/// The qualifiers by name: add, delete and their icons (no rename).
class TQualifierView : public TCatalogueView
{
    Q_OBJECT
public:
    TQualifierView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase) { return new TQualifierView(main, aCase); }

    QToolButton* ImageBtn;

protected:
    std::vector<TConcept*> Entries() const override;
    TConcept* Find(const QString& name) const override;
    TConcept* AddConcept(const QString& name) override;
    void DeleteConcept(TConcept* item) override;
    QIcon Picture(const TConcept* item) const override;
};
