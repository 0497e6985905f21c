#include "ui/qualifierview.h"

#include "ui/dragitems.h"

#include <QHBoxLayout>
#include <QToolButton>

TQualifierView::TQualifierView(TORVEL& main, TCase& aCase)
    : TCatalogueViewOf(main, aCase, TCatalogue::Qualifiers, &TCase::Qualifiers, &TCase::AddQualifier,
                       &TCase::DeleteQualifier)
{
    ImageBtn = AddToolButton("ImageBtn", tr("Icon"), tr("Edit icon"), true, [this] { EditCurrentIcon(); });
    ButtonRow->insertWidget(1, ImageBtn);
    List->setDragDropMode(QAbstractItemView::DragOnly);
    List->OnDragData = [](QListWidgetItem* item) {
        return MakeDragData({DragItem(static_cast<const TQualifier*>(ConceptOf(item)))});
    };
    CaseChanged(ChangeEverything);
}
