#include "ui/scaleview.h"

#include "ui/builtinpictures.h"

TScaleView::TScaleView(TORVEL& main, TCase& aCase)
    : TCatalogueViewOf(main, aCase, TCatalogue::Scales, &TCase::Scales, &TCase::AddScale, &TCase::DeleteScale)
{
    CaseChanged(ChangeEverything);
}

QIcon TScaleView::Picture(const TConcept*) const { return BuiltinPicture(QStringLiteral("scale")); }
