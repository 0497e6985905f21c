#pragma once

#include "ui/mainwindow.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QStatusBar;
class TCase;
class TDatabase;

/// "Import case": the cases of a database of the older relational format. OK
/// imports the chosen one, with progress in the status line. The dialog closes
/// as accepted after a complete import, as cancelled after "No case selected",
/// a database failure or Cancel, and stays open after a stop on an unmatched
/// key, so that another case can be tried.
class TImportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TImportDialog(QWidget* parent = nullptr);
    ~TImportDialog() override;

    QLineEdit* DBBox;
    QComboBox* CaseBox;
    QStatusBar* StatusBar1;
    QDialogButtonBox* Buttons;

    /// Shows the path and lists the database's cases, none chosen. A database
    /// that cannot be read is told in an error; the list then stays empty.
    void Prepare(const QString& database);
    /// The import of the chosen case.
    void OKBtnClick();
    /// The imported case, once the dialog was accepted; the caller owns it.
    std::unique_ptr<TCase> TakeCase();
    /// Prepare, then run modally; the imported case, or null.
    std::unique_ptr<TCase> Run(const QString& database);

    void reject() override;

private:
    void ShowProgress(const QString& text);

    std::unique_ptr<TDatabase> Database;
    std::unique_ptr<TCase> Imported;
};

/// The main window's importer: the dialog, run modally over the main window.
TORVEL::TImporter DialogImporter(QWidget* parent);
