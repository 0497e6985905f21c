#include "ui/phaseview.h"

#include "model/case.h"
#include "model/caseedit.h"
#include "model/ordering.h"
#include "ui/prompter.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QToolButton>
#include <algorithm>

TPhaseView::TPhaseView(TORVEL& main, TCase& aCase) : TCatalogueView(main, aCase, TCatalogue::Phases)
{
    ColorBtn = AddToolButton("ColorBtn", tr("Color"), tr("Change phase color"), true, [this] { ChangeColor(); });
    ButtonRow->insertWidget(1, ColorBtn);
    CaseChanged(ChangeEverything);
}

std::vector<TConcept*> TPhaseView::Entries() const
{
    std::vector<TPhase*> phases(Case.Phases.begin(), Case.Phases.end());
    std::stable_sort(phases.begin(), phases.end(), [](const TPhase* a, const TPhase* b) { return a->Order < b->Order; });
    return std::vector<TConcept*>(phases.begin(), phases.end());
}

TConcept* TPhaseView::Find(const QString& name) const { return Case.Phases.Find(name); }
TConcept* TPhaseView::AddConcept(const QString& name) { return Case.Phases.At(Case.AddPhase(name)); }
void TPhaseView::DeleteConcept(TConcept* item) { Case.DeletePhase(static_cast<TPhase*>(item)); }

bool TPhaseView::RenameConcept(TConcept* item, const QString& name)
{
    return Case.Phases.RenameConcept(static_cast<TPhase*>(item), name) >= 0;
}

bool TPhaseView::MoveConcept(TConcept* dragged, TConcept* target)
{
    return MovePhase(Case, static_cast<TPhase*>(dragged), static_cast<TPhase*>(target));
}

QIcon TPhaseView::Picture(const TConcept* item) const
{
    return QIcon(QPixmap::fromImage(static_cast<const TPhase*>(item)->Icon));
}

void TPhaseView::ChangeColor()
{
    auto* phase = static_cast<TPhase*>(Current());
    if (!phase)
        return;
    StorePendingEdits();
    const std::optional<TPhaseColors> colors = Prompts().AskPhaseColors();
    if (!colors || !Shows(phase))
        return;
    // Design trees draw levels in their phase's colours.
    TCaseEdit edit(Case, tr("Change color of phase %1").arg(phase->Name), ChangeCatalogues | ChangeDesigns | ChangeAreasOptions);
    phase->SetColors(colors->Color, colors->Middle, colors->Dark);
}
