#pragma once

#include "ui/catalogueview.h"

/// The phases in time order: add, rename, delete, reorder by drag, colours.
class TPhaseView : public TCatalogueView
{
    Q_OBJECT
public:
    TPhaseView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase) { return new TPhaseView(main, aCase); }

    /// The phase colour dialog on the selected phase.
    void ChangeColor();

    QToolButton* ColorBtn;

protected:
    std::vector<TConcept*> Entries() const override;
    TConcept* Find(const QString& name) const override;
    TConcept* AddConcept(const QString& name) override;
    void DeleteConcept(TConcept* item) override;
    bool RenameConcept(TConcept* item, const QString& name) override;
    bool MoveConcept(TConcept* dragged, TConcept* target) override;
    QIcon Picture(const TConcept* item) const override;
};
