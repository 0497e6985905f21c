#include "ui/importdialog.h"

#include "import/caseimport.h"
#include "import/database.h"
#include "import/databaseerror.h"
#include "model/case.h"
#include "model/messages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QStatusBar>
#include <QVBoxLayout>

TImportDialog::TImportDialog(QWidget* parent)
    : QDialog(parent), DBBox(new QLineEdit(this)), CaseBox(new QComboBox(this)), StatusBar1(new QStatusBar(this)),
      Buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Import case"));
    setModal(true);
    DBBox->setObjectName(QStringLiteral("DBBox"));
    DBBox->setReadOnly(true);
    DBBox->setMinimumWidth(360);
    CaseBox->setObjectName(QStringLiteral("CaseBox"));
    CaseBox->setEditable(false);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    auto* form = new QFormLayout;
    form->addRow(tr("&Database:"), DBBox);
    form->addRow(tr("&Case:"), CaseBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Buttons);
    layout->addWidget(StatusBar1);
    connect(Buttons, &QDialogButtonBox::accepted, this, &TImportDialog::OKBtnClick);
    connect(Buttons, &QDialogButtonBox::rejected, this, &TImportDialog::reject);
}

TImportDialog::~TImportDialog() = default;

std::unique_ptr<TCase> TImportDialog::TakeCase() { return std::move(Imported); }

void TImportDialog::Prepare(const QString& database)
{
    DBBox->setText(database);
    CaseBox->clear();
    StatusBar1->clearMessage();
    Imported.reset();
    try {
        Database = TDatabase::Open(database);
        CaseBox->addItems(CaseNames(*Database));
    } catch (const TDatabaseError& error) {
        Database.reset();
        ShowError(error.Message);
    }
    CaseBox->setCurrentIndex(-1);
}

void TImportDialog::ShowProgress(const QString& text)
{
    // The import does not return to the event loop until it ends.
    StatusBar1->showMessage(text);
    StatusBar1->repaint();
}

void TImportDialog::OKBtnClick()
{
    if (CaseBox->currentIndex() < 0 || !Database) {
        ShowWarning(QStringLiteral("No case selected"));
        reject();
        return;
    }
    TImportResult result = ImportCase(*Database, CaseBox->currentText(), [this](const QString& text) { ShowProgress(text); });
    switch (result.Outcome) {
    case TImportOutcome::Imported:
        Imported = std::move(result.Case);
        Database.reset();
        accept();
        break;
    case TImportOutcome::Failed:
        reject();
        break;
    case TImportOutcome::Stopped:
        break;   // another case may be chosen
    }
}

void TImportDialog::reject()
{
    Database.reset();
    QDialog::reject();
}

std::unique_ptr<TCase> TImportDialog::Run(const QString& database)
{
    Prepare(database);
    exec();
    return TakeCase();
}

TORVEL::TImporter DialogImporter(QWidget* parent)
{
    return [parent](const QString& database) {
        TImportDialog dialog(parent);
        return dialog.Run(database);
    };
}
