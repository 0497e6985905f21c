#include "ui/scaleview.h"

#include "model/case.h"
#include "ui/builtinpictures.h"

TScaleView::TScaleView(TORVEL& main, TCase& aCase) : TCatalogueView(main, aCase, TCatalogue::Scales)
{
    CaseChanged(ChangeEverything);
}

std::vector<TConcept*> TScaleView::Entries() const { return ListEntries(Case.Scales); }
TConcept* TScaleView::Find(const QString& name) const { return Case.Scales.Find(name); }
TConcept* TScaleView::AddConcept(const QString& name) { return Case.Scales.At(Case.AddScale(name)); }
void TScaleView::DeleteConcept(TConcept* item) { Case.DeleteScale(static_cast<TScale*>(item)); }

bool TScaleView::RenameConcept(TConcept* item, const QString& name)
{
    return Case.Scales.RenameConcept(static_cast<TScale*>(item), name) >= 0;
}

QIcon TScaleView::Picture(const TConcept*) const { return BuiltinPicture(QStringLiteral("scale")); }
