#include "ui/variableview.h"

#include "model/case.h"
#include "model/caseedit.h"
#include "model/messages.h"
#include "ui/uiicons.h"
#include "ui/commentbox.h"
#include "ui/valuebox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct TModeItem
{
    int Mode;
    const char* MenuText;
    const char* Hint;
};

// In menu order.
constexpr TModeItem ModeItems[] = {
    {AggregationCumulative, QT_TRANSLATE_NOOP("TVariableView", "cumulative variable"),
     QT_TRANSLATE_NOOP("TVariableView", "Cumulative variable")},
    {AggregationAveraging, QT_TRANSLATE_NOOP("TVariableView", "averaging variable"),
     QT_TRANSLATE_NOOP("TVariableView", "Averaging variable")},
    {AggregationConstant, QT_TRANSLATE_NOOP("TVariableView", "constant"), QT_TRANSLATE_NOOP("TVariableView", "Constant")},
};

// What the variable's fields reach: formulas, design values and goals.
constexpr TChangeKinds VariableFields = ChangeCatalogues | ChangeValues | ChangeAreasOptions;

} // namespace

TVariableView::TVariableView(TORVEL& main, TCase& aCase)
    : TCatalogueViewOf(main, aCase, TCatalogue::Variables, &TCase::Variables, &TCase::AddVariable,
                       &TCase::DeleteVariable)
{
    AggModeBtn = AddToolButton("AggModeBtn", QString(), QString(), false, [this] { ApplyMode(); });
    AggModeBtn->setPopupMode(QToolButton::MenuButtonPopup);
    auto* menu = new QMenu(AggModeBtn);
    for (const TModeItem& item : ModeItems) {
        QAction* action = menu->addAction(AggregationModeIcon(item.Mode), tr(item.MenuText));
        connect(action, &QAction::triggered, this, [this, mode = item.Mode] { ChooseMode(mode); });
    }
    AggModeBtn->setMenu(menu);
    ButtonRow->insertWidget(1, AggModeBtn);

    auto* fields = new QHBoxLayout;
    fields->setSpacing(2);
    ScaleBox = new QComboBox(this);
    ScaleBox->setObjectName(QStringLiteral("ScaleBox"));
    ScaleBox->setToolTip(tr("Scale for selected variable"));
    ScaleBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ScaleBox->setMinimumContentsLength(6);
    ValueBox = new TValueBox(this);
    ValueBox->setObjectName(QStringLiteral("ValueBox"));
    ValueBox->setToolTip(tr("Constant value of selected variable"));
    ValueBox->setPlaceholderText(tr("Value"));
    fields->addWidget(ScaleBox, 3);
    fields->addWidget(ValueBox, 2);
    static_cast<QVBoxLayout*>(layout())->insertLayout(1, fields);

    connect(ScaleBox, &QComboBox::activated, this, &TVariableView::ChooseScale);
    ValueBox->OnStore = [this](TVariable& variable, double value) { StoreValue(variable, value); };
    ValueBox->OnEnter = [this] { List->setFocus(); };

    Mode = AggregationConstant;
    ChooseMode(AggregationConstant);
    CaseChanged(ChangeEverything);
}

TVariable* TVariableView::Variable() const { return static_cast<TVariable*>(Current()); }

bool TVariableView::ReadyToAdd()
{
    if (!Case.Scales.IsEmpty())
        return true;
    ShowWarning(tr("Every variable needs a scale: add a scale first."));
    return false;
}

TConcept* TVariableView::AddConcept(const QString& name)
{
    auto* variable = static_cast<TVariable*>(TCatalogueViewOf::AddConcept(name));
    variable->SetScale(Case.Scales.First());
    variable->SetAggregationMode(quint8(Mode));
    return variable;
}

bool TVariableView::RenameConcept(TConcept* item, const QString& name)
{
    auto* variable = static_cast<TVariable*>(item);
    Case.RenameVariable(variable, name);
    return variable->Name == CleanTrimmedName(name);
}

QIcon TVariableView::Picture(const TConcept* item) const
{
    return AggregationModeIcon(static_cast<const TVariable*>(item)->AggregationMode);
}

void TVariableView::ShowCurrentDetails()
{
    TVariable* variable = Variable();
    const QSignalBlocker blocker(ScaleBox);
    ScaleBox->clear();
    for (const TScale* scale : Case.Scales)
        ScaleBox->addItem(scale->Name);
    ScaleBox->setCurrentIndex(variable ? Case.Scales.IndexOf(variable->Scale) : -1);
    ScaleBox->setEnabled(variable != nullptr);
    ValueBox->Show(variable);
}

void TVariableView::StorePendingEdits()
{
    TCatalogueView::StorePendingEdits();
    ValueBox->StorePending();
}

void TVariableView::ChooseMode(int mode)
{
    for (const TModeItem& item : ModeItems)
        if (item.Mode == mode) {
            AggModeBtn->setIcon(AggregationModeIcon(mode));
            AggModeBtn->setToolTip(tr(item.Hint));
        }
    Mode = mode;
    ApplyMode();
}

void TVariableView::ApplyMode()
{
    TVariable* variable = Variable();
    if (!variable)
        return;
    StorePendingEdits();
    const quint8 oldMode = variable->AggregationMode;
    const double oldValue = variable->Value;
    TCaseEdit edit(Case, tr("Set aggregation of %1").arg(variable->Name), VariableFields | ChangeDesigns);
    variable->SetAggregationMode(quint8(Mode));
    if (variable->AggregationMode == oldMode && variable->Value == oldValue)
        edit.Cancel();
}

void TVariableView::ChooseScale(int index)
{
    TVariable* variable = Variable();
    if (!variable || index < 0 || index >= Case.Scales.Count() || Case.Scales.At(index) == variable->Scale)
        return;
    TCaseEdit edit(Case, tr("Set scale of %1").arg(variable->Name), VariableFields | ChangeActors);
    variable->SetScale(Case.Scales.At(index));
}

void TVariableView::StoreValue(TVariable& variable, double value)
{
    // The box may show a variable another window has just deleted.
    if (!Shows(&variable) || variable.Value == value)
        return;
    TCaseEdit edit(Case, tr("Set value of %1").arg(variable.Name), VariableFields | ChangeDesigns);
    variable.SetValue(value);
}
