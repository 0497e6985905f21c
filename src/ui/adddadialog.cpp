#include "ui/adddadialog.h"

#include "model/case.h"
#include "model/decisionarea.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPixmap>

TAddDADialog::TAddDADialog(QWidget* parent)
    : TNamedDialog(tr("Add or modify decision area"), parent), PhaseBox(new QComboBox(this)),
      CategoryBox(new QComboBox(this))
{
    PhaseBox->setObjectName(QStringLiteral("PhaseBox"));
    CategoryBox->setObjectName(QStringLiteral("CategoryBox"));
    Form->addRow(tr("&Phase:"), PhaseBox);
    Form->addRow(tr("&Category:"), CategoryBox);
}

void TAddDADialog::Prepare(const TCase& aCase, const TDecisionArea* area)
{
    PhaseBox->clear();
    for (const TPhase* phase : aCase.Phases)
        PhaseBox->addItem(QPixmap::fromImage(phase->Icon), phase->Name);
    CategoryBox->clear();
    for (const TCategory* category : aCase.Categories)
        CategoryBox->addItem(QPixmap::fromImage(category->Icon), category->Name);
    if (area) {
        ResetName(area->Name);
        PhaseBox->setCurrentIndex(aCase.Phases.IndexOf(area->Phase));
        CategoryBox->setCurrentIndex(aCase.Categories.IndexOf(area->Category));
    } else {
        ResetName(QString());
        PhaseBox->setCurrentIndex(PhaseIndex < PhaseBox->count() ? PhaseIndex : -1);
        CategoryBox->setCurrentIndex(CategoryIndex < CategoryBox->count() ? CategoryIndex : -1);
    }
}

bool TAddDADialog::Run(const TCase& aCase, const TDecisionArea* area)
{
    Prepare(aCase, area);
    return exec() == Accepted;
}

bool TAddDADialog::HasChoices() const { return PhaseBox->currentIndex() >= 0 && CategoryBox->currentIndex() >= 0; }

void TAddDADialog::StoreChoices()
{
    PhaseIndex = PhaseBox->currentIndex();
    CategoryIndex = CategoryBox->currentIndex();
}
