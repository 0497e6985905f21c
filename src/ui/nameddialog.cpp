#include "ui/nameddialog.h"

#include "ui/beep.h"
#include "ui/nameedit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

TNamedDialog::TNamedDialog(const QString& caption, QWidget* parent)
    : QDialog(parent), NameBox(new TNameEdit(this)), Form(new QFormLayout),
      Buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(caption);
    NameBox->setObjectName(QStringLiteral("NameBox"));
    NameBox->setMinimumWidth(260);
    Form->addRow(tr("&Name:"), NameBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(Form);
    layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &TNamedDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &TNamedDialog::reject);
}

QString TNamedDialog::Name() const { return NameBox->text(); }

void TNamedDialog::ResetName(const QString& name)
{
    NameBox->setText(name);
    NameBox->selectAll();
    NameBox->setFocus();
}

void TNamedDialog::accept()
{
    NameBox->setText(NameBox->text().trimmed());
    if (NameBox->text().isEmpty() || !HasChoices()) {
        Beep();
        return;
    }
    StoreChoices();
    QDialog::accept();
}
