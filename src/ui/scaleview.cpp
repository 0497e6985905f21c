#include "ui/scaleview.h"

#include "ui/uiicons.h"

TScaleView::TScaleView(TORVEL& main, TCase& aCase)
    : TCatalogueViewOf(main, aCase, TCatalogue::Scales, &TCase::Scales, &TCase::AddScale, &TCase::DeleteScale)
{
    CaseChanged(ChangeEverything);
}

QIcon TScaleView::Picture(const TConcept*) const { return BuiltinIcon(QStringLiteral("scale")); }
