#include "ui/mainwindow.h"

#include "ui/statuspanel.h"
#include "scriptedwindow.h"

#include <QMdiArea>
#include <QMenuBar>

namespace {

using TAnswer = TPrompter::TAnswer;

QWidget* MakeTestView(TORVEL&, TCase& aCase) { return new QLabel(aCase.Name); }

/// A main window whose questions and writes the test controls.
class MainWindowTest : public TWindowTest
{
protected:
    MainWindowTest()
    {
        Store = LogWrites();
        Window.SetViewFactory(TViewKind::Phases, &MakeTestView);
        Window.SetViewFactory(TViewKind::Scales, &MakeTestView);
    }

    // A case with unsaved changes, optionally with a folder.
    void OpenChangedCase(const QString& folder = QString())
    {
        NewCase(QStringLiteral("City"));
        Window.Case()->Folder = folder;
        Window.Case()->AddScale(QStringLiteral("EUR"));
    }

    int OpenViews() const { return int(Window.findChild<QMdiArea*>()->subWindowList().size()); }

    TLoggingStore* Store;
};

TEST_F(MainWindowTest, EveryMenuItemHasItsOwnAccessKey)
{
    // The letter after a single "&" ("&&" shows an ampersand).
    std::function<void(const QMenu*)> check = [&](const QMenu* menu) {
        QString keys;
        for (const QAction* item : menu->actions()) {
            if (item->isSeparator())
                continue;
            const QString caption = QString(item->text()).remove(QStringLiteral("&&"));
            const QString key = caption.mid(caption.indexOf(QLatin1Char('&')) + 1, 1).toLower();
            EXPECT_TRUE(caption.contains(QLatin1Char('&'))) << item->text().toStdString();
            EXPECT_FALSE(keys.contains(key)) << item->text().toStdString();
            keys += key;
            if (item->menu())
                check(item->menu());
        }
    };
    for (const QAction* menu : Window.menuBar()->actions())
        check(menu->menu());
    EXPECT_EQ(Window.New1->shortcut(), QKeySequence::New);
    EXPECT_EQ(Window.Close1->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
}

TEST_F(MainWindowTest, MenusTitleAndStatusBarFollowTheOpenCase)
{
    auto enabled = [this] {
        return std::vector<bool>{Window.Rename1->isEnabled(), Window.Save1->isEnabled(), Window.SaveAs1->isEnabled(),
                                 Window.Export1->isEnabled(), Window.Close1->isEnabled(),
                                 Window.ViewMenu->menuAction()->isEnabled(), Window.Reports1->isEnabled(),
                                 Window.ViewAction(TViewKind::Phases)->isEnabled()};
    };
    EXPECT_EQ(enabled(), std::vector<bool>(8, false));
    EXPECT_TRUE(Window.New1->isEnabled());
    EXPECT_FALSE(Window.Import1->isEnabled()) << "no importer yet";
    Window.SetStatusText(QStringLiteral(" [loading...]"));
    EXPECT_EQ(Window.CasePanel().Text(), QStringLiteral(" [loading...]"));
    EXPECT_EQ(Window.CasePanel().Label() + Window.FolderPanel().Label(), QStringLiteral("Case:Folder:"));

    OpenChangedCase(QStringLiteral("/cases/city/"));
    Window.RepaintStatus();
    EXPECT_EQ(enabled(), std::vector<bool>(8, true));
    EXPECT_EQ(Window.windowTitle(), QStringLiteral("ORVEL 3.0  --  City"));
    EXPECT_EQ(Window.CasePanel().Text(), QStringLiteral("City [loading...]"));
    EXPECT_EQ(Window.FolderPanel().Text(), QStringLiteral("/cases/city"));
    EXPECT_GT(Window.CasePanel().TextOffset(), 0);
    Window.show();
    EXPECT_EQ(Window.CasePanel().Text(), QStringLiteral("City")) << "showing clears the status text";

    Prompter->SaveAnswers = {TAnswer::No};
    EXPECT_TRUE(Window.CloseCase());
    EXPECT_EQ(enabled(), std::vector<bool>(8, false));
}

TEST_F(MainWindowTest, CloseFollowsTheAnswerToTheSaveQuestion)
{
    OpenChangedCase();
    TCase* before = Window.Case();
    Window.ToggleView(TViewKind::Phases);
    Window.ToggleView(TViewKind::Scales);
    Prompter->SaveAnswers = {TAnswer::Cancel};
    EXPECT_FALSE(Window.CloseCase());
    EXPECT_EQ(OpenViews(), 2);
    EXPECT_TRUE(Window.ViewAction(TViewKind::Phases)->isChecked());

    // Without a folder, Yes runs Save As; a dismissed chooser saves nothing.
    Prompter->SaveAnswers = {TAnswer::Yes};
    EXPECT_FALSE(Window.CloseCase());
    EXPECT_TRUE(Store->Writes.empty());

    // A failing write keeps the case too.
    Window.Case()->Folder = QStringLiteral("/cases/city/");
    Store->FailWrites = true;
    Prompter->SaveAnswers = {TAnswer::Yes};
    EXPECT_FALSE(Window.CloseCase());
    EXPECT_EQ(Window.Case(), before);
    EXPECT_TRUE(Window.Case()->Changed);

    Store->FailWrites = false;
    Prompter->SaveAnswers = {TAnswer::Yes};
    EXPECT_TRUE(Window.CloseCase());
    EXPECT_EQ(Window.Case(), nullptr);
    EXPECT_EQ(Store->Writes.back().Folder, QStringLiteral("/cases/city/"));
    EXPECT_EQ(OpenViews(), 0);
    EXPECT_FALSE(Window.ViewAction(TViewKind::Phases)->isChecked());

    // No closes without a write; an unchanged case closes without the question.
    OpenChangedCase();
    const size_t writes = Store->Writes.size();
    Prompter->SaveAnswers = {TAnswer::No};
    EXPECT_TRUE(Window.CloseCase());
    EXPECT_EQ(Store->Writes.size(), writes);
    OpenChangedCase();
    Window.Case()->Changed = false;
    EXPECT_TRUE(Window.CloseCase());
    EXPECT_EQ(Prompter->Asked.count(QStringLiteral("Save changes made to case?")), 5);
}

TEST_F(MainWindowTest, NewMakesAnEmptyUnchangedCaseUnlessCancelledAndOpenKeepsTheFolderOnlyWhenReadWhole)
{
    Prompter->NameAnswer = std::nullopt;
    Window.New();
    EXPECT_EQ(Window.Case(), nullptr);
    NewCase(QStringLiteral("  Harbour  "));
    ASSERT_NE(Window.Case(), nullptr);
    EXPECT_EQ(Window.Case()->Name, QStringLiteral("Harbour"));
    EXPECT_FALSE(Window.Case()->Changed);
    EXPECT_TRUE(Window.Case()->Folder.isEmpty());

    // Cancelled at the save question, the old case stays and no name is asked.
    TCase* old = Window.Case();
    old->Changed = true;
    Prompter->Asked.clear();
    Prompter->SaveAnswers = {TAnswer::Cancel};
    NewCase(QStringLiteral("Other"));
    EXPECT_EQ(Window.Case(), old);
    EXPECT_EQ(Prompter->Asked, QStringList({"Save changes made to case?"}));

    // Open reads the chosen folder and keeps it only when read whole.
    old->Changed = false;
    OpenFolder(QStringLiteral("/cases/harbour"));
    ASSERT_NE(Window.Case(), nullptr);
    EXPECT_EQ(Window.Case()->Name, QStringLiteral("Read case"));
    EXPECT_EQ(Window.Case()->Folder, QStringLiteral("/cases/harbour/"));
    EXPECT_EQ(Window.LastFolder(), QStringLiteral("/cases/harbour/"));

    // A partly read case has no folder, so Save asks where to write.
    Store->ReadComplete = false;
    Window.Case()->Changed = false;
    Window.Open();
    ASSERT_NE(Window.Case(), nullptr);
    EXPECT_TRUE(Window.Case()->Folder.isEmpty());
    EXPECT_FALSE(Window.Save()) << "the chooser was dismissed";
    EXPECT_TRUE(Store->Writes.empty()) << "the intact folder is never overwritten";
    EXPECT_EQ(Prompter->Asked.last(), QStringLiteral("save folder: /cases/harbour/"));
}

TEST_F(MainWindowTest, SaveAsksForAFolderOnceAndSaveAsDismissedWritesToIt)
{
    OpenChangedCase();
    Prompter->SaveFolderAnswers = {QStringLiteral("/cases/new")};
    EXPECT_TRUE(Window.Save());
    EXPECT_EQ(Window.LastFolder(), QStringLiteral("/cases/new/"));
    EXPECT_TRUE(Window.Save());
    EXPECT_EQ(Prompter->Asked.filter(QStringLiteral("save folder")).size(), 1);

    // Dismissed, Export writes nowhere and Save As to the case's folder.
    Window.Case()->Changed = true;
    Window.Export();
    EXPECT_TRUE(Window.Case()->Changed);
    EXPECT_TRUE(Window.SaveAs());
    EXPECT_EQ(Prompter->Asked.last(), QStringLiteral("save folder: /cases/new/"));
    ASSERT_EQ(Store->Writes.size(), 3u);
    EXPECT_EQ(Store->Writes[2].Folder, QStringLiteral("/cases/new/"));
    EXPECT_FALSE(Store->Writes[2].Exporting);

    // A case without a folder is not written when the chooser is dismissed.
    Window.Case()->Folder.clear();
    EXPECT_FALSE(Window.SaveAs());
    EXPECT_EQ(Store->Writes.size(), 3u);
}

TEST_F(MainWindowTest, ExportThenSaveWritesNormalPagesAndAFolderThatFailsToReadKeepsNoFolder)
{
    Window.SetCaseStore(TCaseStore::CaseFolders());
    QTemporaryDir disk;
    const QString saved = disk.filePath(QStringLiteral("saved"));
    const QString exported = disk.filePath(QStringLiteral("exported"));
    OpenChangedCase();
    Prompter->SaveFolderAnswers = {saved, exported};
    ASSERT_TRUE(Window.Save());
    Window.Case()->AddScale(QStringLiteral("kWh"));
    Window.Export();
    EXPECT_FALSE(Window.Exporting());
    EXPECT_TRUE(QFile::exists(exported + QStringLiteral("/ORVEL case.cmc")));
    EXPECT_FALSE(QFile::exists(exported + QStringLiteral("/ORVEL case.htm")));
    EXPECT_EQ(Window.Case()->Folder, exported + QLatin1Char('/'));
    EXPECT_TRUE(Window.Case()->Changed) << "compressed pages cannot be read back";

    ASSERT_TRUE(Window.Save());
    EXPECT_TRUE(QFile::exists(exported + QStringLiteral("/ORVEL case.htm")));
    EXPECT_FALSE(Window.Case()->Changed);
    EXPECT_TRUE(Messages.Errors().isEmpty()) << Messages.Errors().join(QLatin1Char('\n')).toStdString();

    // Read back whole; read without its main page, the case stays open without a folder.
    ASSERT_TRUE(SaveAndReopen(exported));
    EXPECT_NE(Window.Case()->Scales.Find(QStringLiteral("kWh")), nullptr);
    Prompter->SaveAnswers = {TAnswer::No};
    ASSERT_TRUE(Window.CloseCase());
    QFile::remove(exported + QStringLiteral("/ORVEL case.htm"));
    Window.Open();
    ASSERT_NE(Window.Case(), nullptr);
    EXPECT_FALSE(Messages.Errors().isEmpty());
    EXPECT_TRUE(Window.Case()->Folder.isEmpty());
    EXPECT_EQ(Window.LastFolder(), exported + QLatin1Char('/'));
}

TEST_F(MainWindowTest, FontGoesToEveryViewRenameMarksTheCaseChangedAndReportsNeedAFolder)
{
    OpenChangedCase();
    Window.ToggleView(TViewKind::Phases);
    QWidget* view = Window.View(TViewKind::Phases);
    view->setFont(Window.font());   // as views that take the main window's font do
    Prompter->FontAnswer = QFont(QStringLiteral("Serif"), 15);
    Window.ChangeFont();
    EXPECT_EQ(view->font().pointSize(), 15);

    // A cancelled rename and the same name change nothing.
    Window.Case()->Changed = false;
    for (const std::optional<QString>& name : {std::optional<QString>(), std::optional<QString>(QStringLiteral("City"))}) {
        Prompter->NameAnswer = name;
        Window.Rename();
    }
    EXPECT_FALSE(Window.Case()->Changed);
    Prompter->NameAnswer = QStringLiteral(" Metropolis ");
    Window.Rename();
    EXPECT_EQ(Window.Case()->Name, QStringLiteral("Metropolis"));
    EXPECT_TRUE(Window.Case()->Changed);
    EXPECT_EQ(Prompter->Asked.last(), QStringLiteral("name: City"));
    EXPECT_EQ(Window.CasePanel().Text(), QStringLiteral("Metropolis"));

    // Reports need a saved case.
    Window.Reports();
    EXPECT_EQ(Messages.Infos(), QStringList({"Case must be saved to folder first"}));
    EXPECT_EQ(Prompter->ReportRuns, 0);
    Window.Case()->Folder = QStringLiteral("/cases/city/");
    Window.Reports();
    EXPECT_EQ(Prompter->ReportRuns, 1);
}

using ViewMenu = TWindowTest;

TEST_F(ViewMenu, EveryItemOpensAndClosesItsWindowAndFollowsItsClosing)
{
    NewCase(QStringLiteral("City"));
    for (int kind = 0; kind < ViewKindCount; ++kind) {
        QAction* item = Window.ViewAction(TViewKind(kind));
        SCOPED_TRACE(item->text().toStdString());
        item->trigger();
        EXPECT_NE(Window.View(TViewKind(kind)), nullptr);
        EXPECT_TRUE(item->isChecked());
        item->trigger();
        EXPECT_EQ(Window.View(TViewKind(kind)), nullptr);
        EXPECT_FALSE(item->isChecked());
        // Closed by other means, the window unchecks its item.
        item->trigger();
        delete Window.View(TViewKind(kind))->parentWidget();
        EXPECT_FALSE(item->isChecked());
        EXPECT_EQ(Window.View(TViewKind(kind)), nullptr);
    }
}

TEST_F(MainWindowTest, QuittingAsksAboutUnsavedChangesAndKeepsTheLastFolder)
{
    OpenFolder(QStringLiteral("/cases/harbour"));
    Window.Case()->Changed = true;
    Window.show();
    Prompter->SaveAnswers = {TAnswer::Cancel};
    EXPECT_FALSE(Window.close());
    EXPECT_NE(Window.Case(), nullptr);
    Prompter->SaveAnswers = {TAnswer::No};
    ASSERT_TRUE(Window.close());
    EXPECT_EQ(Window.Case(), nullptr);
    QFile file(Settings.filePath(QStringLiteral("ORVEL.ini")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')).mid(0, 2),
              QStringList({"[ORVEL]", "Folder=/cases/harbour/"}));
    TORVEL again(Settings.filePath(QStringLiteral("ORVEL.ini")));
    EXPECT_EQ(again.LastFolder(), QStringLiteral("/cases/harbour/"));

    // The user's configuration folder may not exist yet.
    const QString fresh = Settings.filePath(QStringLiteral("config/ORVEL/ORVEL.ini"));
    WriteLastFolder(fresh, QStringLiteral("/cases/x/"));
    EXPECT_EQ(ReadLastFolder(fresh), QStringLiteral("/cases/x/"));
}

} // namespace
