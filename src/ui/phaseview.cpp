#include "ui/phaseview.h"

#include "model/caseedit.h"
#include "model/ordering.h"
#include "ui/prompter.h"

#include <QHBoxLayout>
#include <QToolButton>

TPhaseView::TPhaseView(TORVEL& main, TCase& aCase)
    : TCatalogueViewOf(main, aCase, TCatalogue::Phases, &TCase::Phases, &TCase::AddPhase, &TCase::DeletePhase)
{
    ColorBtn = AddToolButton("ColorBtn", tr("Color"), tr("Change phase color"), true, [this] { ChangeColor(); });
    ButtonRow->insertWidget(1, ColorBtn);
    CaseChanged(ChangeEverything);
}

bool TPhaseView::MoveConcept(TConcept* dragged, TConcept* target)
{
    return MovePhase(Case, static_cast<TPhase*>(dragged), static_cast<TPhase*>(target));
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
