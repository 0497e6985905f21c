#include "ui/desktopprompter.h"

#include "ui/iconeditor.h"
#include "ui/mainwindow.h"
#include "ui/namedialog.h"
#include "ui/reportview.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMenu>
#include <QMessageBox>

namespace {

// A folder chooser in which the typed name may also be a folder still to be
// made: the case writer creates it.
class TSaveFolderDialog : public QFileDialog
{
public:
    TSaveFolderDialog(QWidget* parent, const QString& start) : QFileDialog(parent, tr("Save case in folder"), start)
    {
        setAcceptMode(AcceptSave);
        setFileMode(Directory);
        setOption(ShowDirsOnly);
        setOption(DontUseNativeDialog);
        setLabelText(Accept, tr("Save"));
    }

    void accept() override
    {
        const QStringList files = selectedFiles();
        const QFileInfo typed(files.value(0));
        if (!files.isEmpty() && !typed.exists() && typed.dir().exists()) {
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }
};

} // namespace

TPrompter::TAnswer TDesktopPrompter::AskSaveChanges()
{
    switch (QMessageBox::question(&Window, QStringLiteral("ORVEL"), QStringLiteral("Save changes made to case?"),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return TAnswer::Yes;
    case QMessageBox::No:
        return TAnswer::No;
    default:
        return TAnswer::Cancel;
    }
}

std::optional<QString> TDesktopPrompter::AskName(const QString& initial)
{
    TNameDialog* dialog = Window.Dialogs().NameDialog;
    if (!dialog->Run(initial))
        return std::nullopt;
    return dialog->Name();
}

QString TDesktopPrompter::ChooseCaseFolder(const QString& start)
{
    return QFileDialog::getExistingDirectory(&Window, QStringLiteral("Select a folder that contains a ORVEL case.html file"),
                                             start);
}

QString TDesktopPrompter::ChooseSaveFolder(const QString& start)
{
    TSaveFolderDialog dialog(&Window, start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString TDesktopPrompter::ChooseDatabase(const QString& start)
{
    QFileDialog dialog(&Window, QStringLiteral("Select database"), start,
                       QStringLiteral("Microsoft Access databases (*.mdb *.accdb);;All files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("mdb"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

std::optional<QFont> TDesktopPrompter::ChooseFont(const QFont& current)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, current, &Window);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

void TDesktopPrompter::ViewReports(TCase& aCase) { Window.Dialogs().ReportView->Run(aCase, Window.Store()); }

std::optional<QString> TDesktopPrompter::AskConceptName(const QString& caption, const QString& initial)
{
    TNameDialog* dialog = Window.Dialogs().NameDialog;
    const QString title = dialog->windowTitle();
    dialog->setWindowTitle(caption);
    const bool ok = dialog->Run(initial);
    dialog->setWindowTitle(title);
    return ok ? std::optional<QString>(dialog->Name()) : std::nullopt;
}

std::optional<TPhaseColors> TDesktopPrompter::AskPhaseColors()
{
    TPhaseColorDlg* dialog = Window.Dialogs().PhaseColorDlg;
    return dialog->Run() ? std::optional<TPhaseColors>(dialog->Colors()) : std::nullopt;
}

QString TDesktopPrompter::ChooseOpenFile(const QString& caption, const QString& filter)
{
    return QFileDialog::getOpenFileName(&Window, caption, Window.LastFolder(), filter);
}

QString TDesktopPrompter::ChooseSaveFile(const QString& caption, const QString& filter)
{
    return QFileDialog::getSaveFileName(&Window, caption, Window.LastFolder(), filter);
}

int TDesktopPrompter::ChooseMenuItem(const QStringList& items, const QPoint& globalPos)
{
    QMenu menu(&Window);
    for (const QString& item : items)
        menu.addAction(item);
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? int(menu.actions().indexOf(const_cast<QAction*>(chosen))) : -1;
}

std::optional<QImage> TDesktopPrompter::EditIcon(const TConcept& item)
{
    return Window.Dialogs().IconEditor->Run(item);
}
