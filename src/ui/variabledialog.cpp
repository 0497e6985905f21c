#include "ui/variabledialog.h"

#include "model/case.h"
#include "ui/beep.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

TVariableDialog::TVariableDialog(QWidget* parent)
    : QDialog(parent), ScaleBox(new QComboBox(this)), VariableBox(new QComboBox(this))
{
    setWindowTitle(tr("Name of affected variable"));
    ScaleBox->setObjectName(QStringLiteral("ScaleBox"));
    VariableBox->setObjectName(QStringLiteral("VariableBox"));
    VariableBox->setEditable(true);
    VariableBox->setInsertPolicy(QComboBox::NoInsert);
    VariableBox->setMinimumWidth(260);
    auto* form = new QFormLayout;
    form->addRow(tr("&Variable:"), VariableBox);
    form->addRow(tr("&Scale:"), ScaleBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TVariableDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TVariableDialog::reject);
    connect(VariableBox, &QComboBox::currentTextChanged, this, &TVariableDialog::FollowText);
}

void TVariableDialog::Prepare(TCase& aCase)
{
    Case = &aCase;
    Chosen = nullptr;
    {
        const QSignalBlocker quiet(VariableBox);
        VariableBox->clear();
        // Only variables without a value of their own make sense as an effect's target.
        for (const TVariable* variable : aCase.Variables)
            if (!variable->HasValue())
                VariableBox->addItem(variable->Name);
        VariableBox->setCurrentIndex(-1);
        VariableBox->setEditText(QString());
    }
    ScaleBox->clear();
    for (const TScale* scale : aCase.Scales)
        ScaleBox->addItem(scale->Name);
    ScaleBox->setCurrentIndex(ScaleBox->count() > 0 ? 0 : -1);
    FollowText(QString());
    VariableBox->setFocus();
}

bool TVariableDialog::Run(TCase& aCase)
{
    Prepare(aCase);
    return exec() == Accepted;
}

TVariable* TVariableDialog::Existing(const QString& text) const
{
    return Case ? Case->Variables.Find(CleanTrimmedName(text)) : nullptr;
}

// A variable that exists keeps its scale: the box shows it and cannot change it.
void TVariableDialog::FollowText(const QString& text)
{
    const TVariable* existing = Existing(text);
    if (existing && existing->Scale)
        ScaleBox->setCurrentIndex(Case->Scales.IndexOf(existing->Scale));
    const bool locked = existing != nullptr;
    ScaleBox->setEnabled(!locked);
    QPalette palette = ScaleBox->palette();
    palette.setColor(QPalette::Button, locked ? palette.color(QPalette::Disabled, QPalette::Window)
                                              : palette.color(QPalette::Active, QPalette::Base));
    ScaleBox->setPalette(palette);
}

void TVariableDialog::accept()
{
    VariableBox->setEditText(VariableBox->currentText().trimmed());
    const QString name = CleanTrimmedName(VariableBox->currentText());
    TVariable* existing = Existing(name);
    if (name.isEmpty() || !Case || (!existing && ScaleBox->currentIndex() < 0)) {
        Beep();
        return;
    }
    if (existing) {
        Chosen = existing;
    } else {
        Chosen = Case->Variables.At(Case->AddVariable(name));
        Chosen->Scale = Case->Scales.At(ScaleBox->currentIndex());
    }
    QDialog::accept();
}
