#include "ui/desktopprompter.h"

#include "model/case.h"
#include "ui/adddadialog.h"
#include "ui/addoptiondialog.h"
#include "ui/finddialog.h"
#include "ui/iconeditor.h"
#include "ui/mainwindow.h"
#include "ui/variabledialog.h"
#include "ui/xeditor.h"
#include "ui/namedialog.h"
#include "ui/reportview.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QCheckBox>
#include <QFontDialog>
#include <QLineEdit>
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

std::optional<TDecisionAreaAnswer> TDesktopPrompter::AskDecisionArea(const TCase& aCase, const TDecisionArea* presets)
{
    TAddDADialog* dialog = Window.Dialogs().AddDADialog;
    if (presets) {
        dialog->PhaseIndex = aCase.Phases.IndexOf(presets->Phase);
        dialog->CategoryIndex = aCase.Categories.IndexOf(presets->Category);
    }
    if (!dialog->Run(aCase))
        return std::nullopt;
    return TDecisionAreaAnswer{dialog->Name(), dialog->PhaseIndex, dialog->CategoryIndex};
}

std::optional<TOptionAnswer> TDesktopPrompter::AskOption(const TCase& aCase)
{
    TAddOptionDialog* dialog = Window.Dialogs().AddOptionDialog;
    if (!dialog->Run(aCase))
        return std::nullopt;
    return TOptionAnswer{dialog->Name(), dialog->Qualifiers(), dialog->QualifiersChanged()};
}

TVariable* TDesktopPrompter::ChooseEffectVariable(TCase& aCase)
{
    TVariableDialog* dialog = Window.Dialogs().VariableDialog;
    return dialog->Run(aCase) ? dialog->Variable() : nullptr;
}

std::optional<TFindRequest> TDesktopPrompter::AskFind()
{
    TFindDialog* dialog = Window.Dialogs().FindDialog;
    if (!dialog->Run())
        return std::nullopt;
    return TFindRequest{dialog->SearchString->text(), dialog->DABox->isChecked(), dialog->DOBox->isChecked(),
                        dialog->VarBox->isChecked(), dialog->XBox->isChecked()};
}

std::optional<TFormulaAnswer> TDesktopPrompter::EditFormula(const TEffect& effect, bool checkOnShow)
{
    TXEditor* editor = Window.Dialogs().XEditor;
    if (!editor->Run(effect, checkOnShow))
        return std::nullopt;
    return TFormulaAnswer{editor->Formula(), editor->NullWhenStatusQuo()};
}

int TDesktopPrompter::ChooseMenuChoice(const std::vector<TMenuChoice>& items, const QPoint& globalPos)
{
    QMenu menu(&Window);
    for (const TMenuChoice& item : items) {
        QAction* action = menu.addAction(QIcon(QPixmap::fromImage(item.Icon)), item.Text);
        action->setCheckable(item.Checkable);
        action->setChecked(item.Checked);
    }
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? int(menu.actions().indexOf(const_cast<QAction*>(chosen))) : -1;
}
