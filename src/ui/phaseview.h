#pragma once

#include "ui/catalogueviewof.h"

/// The phases in time order: add, rename, delete, reorder by drag, colours.
class TPhaseView : public TCatalogueViewOf<TPhase>
{
    Q_OBJECT
public:
    TPhaseView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase) { return new TPhaseView(main, aCase); }

    /// The phase colour dialog on the selected phase.
    void ChangeColor();

    QToolButton* ColorBtn;

protected:
    std::vector<TConcept*> Entries() const override { return ByNumber(&TPhase::Order); }
    bool MoveConcept(TConcept* dragged, TConcept* target) override;
    QIcon Picture(const TConcept* item) const override { return IconPicture(item); }
};
