#include "ui/categoryview.h"

#include "model/case.h"
#include "model/ordering.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QToolButton>
#include <algorithm>

TCategoryView::TCategoryView(TORVEL& main, TCase& aCase) : TCatalogueView(main, aCase, TCatalogue::Categories)
{
    ImageBtn = AddToolButton("ImageBtn", tr("Icon"), tr("Edit icon"), true, [this] { EditCurrentIcon(); });
    ButtonRow->insertWidget(1, ImageBtn);
    CaseChanged(ChangeEverything);
}

std::vector<TConcept*> TCategoryView::Entries() const
{
    std::vector<TCategory*> categories(Case.Categories.begin(), Case.Categories.end());
    std::stable_sort(categories.begin(), categories.end(),
                     [](const TCategory* a, const TCategory* b) { return a->Number < b->Number; });
    return std::vector<TConcept*>(categories.begin(), categories.end());
}

TConcept* TCategoryView::Find(const QString& name) const { return Case.Categories.Find(name); }
TConcept* TCategoryView::AddConcept(const QString& name) { return Case.Categories.At(Case.AddCategory(name)); }
void TCategoryView::DeleteConcept(TConcept* item) { Case.DeleteCategory(static_cast<TCategory*>(item)); }

bool TCategoryView::RenameConcept(TConcept* item, const QString& name)
{
    return Case.Categories.RenameConcept(static_cast<TCategory*>(item), name) >= 0;
}

bool TCategoryView::MoveConcept(TConcept* dragged, TConcept* target)
{
    return MoveCategory(Case, static_cast<TCategory*>(dragged), static_cast<TCategory*>(target));
}

QIcon TCategoryView::Picture(const TConcept* item) const
{
    return QIcon(QPixmap::fromImage(static_cast<const TCategory*>(item)->Icon));
}
