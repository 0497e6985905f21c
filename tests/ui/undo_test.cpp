#include "ui/mainwindow.h"

#include "model/caseedit.h"
#include "model/messagerecorder.h"
#include "storage/undohistory.h"
#include "uitestsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class UndoTest : public ::testing::Test
{
protected:
    UndoTest() : Window(Settings.filePath(QStringLiteral("ORVEL.ini")))
    {
        auto prompter = std::make_unique<TScriptedPrompter>();
        Prompter = prompter.get();
        Window.SetPrompter(std::move(prompter));
        Window.SetCaseStore(TCaseStore::CaseFolders());
        Prompter->NameAnswer = QStringLiteral("City");
        Window.New();
    }

    void AddScale(const QString& name)
    {
        TCaseEdit edit(*Window.Case(), QStringLiteral("Add scale ") + name, ChangeCatalogues);
        Window.Case()->AddScale(name);
    }

    TMessageRecorder Messages;
    QTemporaryDir Settings;
    TORVEL Window;
    TScriptedPrompter* Prompter;
};

TEST_F(UndoTest, TheEditMenuNamesTheStepsItTakesBackAndDoesAgain)
{
    EXPECT_FALSE(Window.Undo1->isEnabled());
    EXPECT_FALSE(Window.Redo1->isEnabled());
    AddScale(QStringLiteral("EUR"));
    AddScale(QStringLiteral("kWh"));
    EXPECT_EQ(Window.Undo1->text(), "&Undo Add scale kWh");
    EXPECT_EQ(Window.Undo1->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_TRUE(Window.Redo1->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    Window.Undo1->trigger();
    EXPECT_EQ(Window.Case()->Scales.Count(), 1);
    EXPECT_EQ(Window.Undo1->text(), "&Undo Add scale EUR");
    EXPECT_EQ(Window.Redo1->text(), "&Redo Add scale kWh");
    Window.Redo1->trigger();
    EXPECT_EQ(Window.Case()->Scales.Count(), 2);
    EXPECT_FALSE(Window.Redo1->isEnabled());
}

TEST_F(UndoTest, UndoingBackToTheSavedStateClearsChanged)
{
    Prompter->SaveFolderAnswers = {Settings.filePath(QStringLiteral("case"))};
    AddScale(QStringLiteral("EUR"));
    ASSERT_TRUE(Window.Save());
    AddScale(QStringLiteral("kWh"));
    EXPECT_TRUE(Window.Case()->Changed);
    Window.Undo();
    EXPECT_FALSE(Window.Case()->Changed);
    EXPECT_TRUE(Window.CloseCase());   // nothing to ask
    EXPECT_FALSE(Prompter->Asked.contains(QStringLiteral("Save changes made to case?")));
}

TEST_F(UndoTest, OpeningACaseEmptiesTheHistory)
{
    Prompter->SaveFolderAnswers = {Settings.filePath(QStringLiteral("case"))};
    AddScale(QStringLiteral("EUR"));
    ASSERT_TRUE(Window.Save());
    EXPECT_TRUE(Window.Undo1->isEnabled());   // saving keeps the history
    Prompter->CaseFolderAnswer = Settings.filePath(QStringLiteral("case"));
    Window.Open();
    ASSERT_NE(Window.Case(), nullptr);
    EXPECT_EQ(Window.Case()->Scales.Count(), 1);
    EXPECT_FALSE(Window.Undo1->isEnabled());
    EXPECT_EQ(Window.History()->StepCount(), 0u);
}

} // namespace
