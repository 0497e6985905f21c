#include "ui/qualifierview.h"

#include "model/case.h"
#include "ui/dragitems.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QToolButton>

TQualifierView::TQualifierView(TORVEL& main, TCase& aCase) : TCatalogueView(main, aCase, TCatalogue::Qualifiers)
{
    ImageBtn = AddToolButton("ImageBtn", tr("Icon"), tr("Edit icon"), true, [this] { EditCurrentIcon(); });
    ButtonRow->insertWidget(1, ImageBtn);
    // Qualifiers travel to the hierarchy editor, actors and policies by drag.
    List->setDragEnabled(true);
    List->setDragDropMode(QAbstractItemView::DragOnly);
    List->OnDragData = [](QListWidgetItem* item) {
        return MakeDragData({DragItem(static_cast<const TQualifier*>(ConceptOf(item)))});
    };
    CaseChanged(ChangeEverything);
}

std::vector<TConcept*> TQualifierView::Entries() const { return ListEntries(Case.Qualifiers); }
TConcept* TQualifierView::Find(const QString& name) const { return Case.Qualifiers.Find(name); }
TConcept* TQualifierView::AddConcept(const QString& name) { return Case.Qualifiers.At(Case.AddQualifier(name)); }
void TQualifierView::DeleteConcept(TConcept* item) { Case.DeleteQualifier(static_cast<TQualifier*>(item)); }

QIcon TQualifierView::Picture(const TConcept* item) const
{
    return QIcon(QPixmap::fromImage(static_cast<const TQualifier*>(item)->Icon));
}
