#include "ui/categoryview.h"

#include "model/ordering.h"

#include <QHBoxLayout>
#include <QToolButton>

TCategoryView::TCategoryView(TORVEL& main, TCase& aCase)
    : TCatalogueViewOf(main, aCase, TCatalogue::Categories, &TCase::Categories, &TCase::AddCategory,
                       &TCase::DeleteCategory)
{
    ImageBtn = AddToolButton("ImageBtn", tr("Icon"), tr("Edit icon"), true, [this] { EditCurrentIcon(); });
    ButtonRow->insertWidget(1, ImageBtn);
    CaseChanged(ChangeEverything);
}

bool TCategoryView::MoveConcept(TConcept* dragged, TConcept* target)
{
    return MoveCategory(Case, static_cast<TCategory*>(dragged), static_cast<TCategory*>(target));
}
