#include "ui/mainwindow.h"

#include "model/caseedit.h"
#include "model/messagerecorder.h"
#include "storage/undohistory.h"
#include "design/design.h"
#include "design/designobject.h"
#include "ui/designview.h"
#include "ui/doview.h"
#include "scriptedwindow.h"
#include "uitestsupport.h"

#include <QListWidget>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

class UndoTest : public ::testing::Test, protected TScriptedWindow
{
protected:
    UndoTest()
    {
        Window.SetCaseStore(TCaseStore::CaseFolders());
        Prompter->NameAnswer = QStringLiteral("City");
        Window.New();
    }

    void AddScale(const QString& name)
    {
        TCaseEdit edit(*Window.Case(), QStringLiteral("Add scale ") + name, ChangeCatalogues);
        Window.Case()->AddScale(name);
    }

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

namespace {

// Every text the view shows in its lists and trees.
QStringList Texts(const QWidget* view)
{
    QStringList texts;
    for (const QTreeWidget* tree : view->findChildren<QTreeWidget*>())
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
            texts << (*it)->text(0);
    for (const QListWidget* list : view->findChildren<QListWidget*>())
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
    return texts;
}

bool Shows(const QWidget* view, const QString& text)
{
    const QStringList texts = Texts(view);
    return std::any_of(texts.begin(), texts.end(), [&](const QString& t) { return t.contains(text); });
}

TEST_F(UndoTest, UndoingADeleteBringsItBackInEveryOpenWindow)
{
    Prompter->SaveAnswers = {TPrompter::TAnswer::No};
    Prompter->CaseFolderAnswer = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");
    Window.Open();
    ASSERT_NE(Window.Case(), nullptr);
    const QString name = QStringLiteral("CO2 emissions");
    const TViewKind kinds[] = {TViewKind::Variables, TViewKind::SystemHierarchy, TViewKind::Actors, TViewKind::Policies};
    for (TViewKind kind : kinds)
        Window.ViewAction(kind)->trigger();
    ASSERT_TRUE(Shows(Window.View(TViewKind::Variables), name));
    {
        TCaseEdit edit(*Window.Case(), QStringLiteral("Delete variable ") + name, ChangeCatalogues | ChangeValues | ChangeActors);
        Window.Case()->DeleteVariable(Window.Case()->Variables.Find(name));
    }
    EXPECT_FALSE(Shows(Window.View(TViewKind::Variables), name));
    EXPECT_EQ(Window.Undo1->text(), "&Undo Delete variable CO2 emissions");
    Window.Undo1->trigger();
    ASSERT_NE(Window.Case()->Variables.Find(name), nullptr);
    EXPECT_FALSE(Window.Case()->Changed);   // back as it was read
    for (TViewKind kind : kinds)
        ASSERT_NE(Window.View(kind), nullptr);
    EXPECT_TRUE(Shows(Window.View(TViewKind::Variables), name));
    EXPECT_TRUE(Shows(Window.View(TViewKind::SystemHierarchy), QStringLiteral("City")));
    // The windows work on what was brought back.
    Window.Redo1->trigger();
    EXPECT_FALSE(Shows(Window.View(TViewKind::Variables), name));
    Window.Undo1->trigger();
    EXPECT_TRUE(Shows(Window.View(TViewKind::Variables), name));
    EXPECT_EQ(Messages.Errors(), QStringList());
}


TEST_F(UndoTest, EveryWindowAndADesignEditorFollowUndoAndRedo)
{
    Prompter->CaseFolderAnswer = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");
    Window.Open();
    ASSERT_NE(Window.Case(), nullptr);
    for (int kind = 0; kind < ViewKindCount; ++kind)
        Window.ViewAction(TViewKind(kind))->trigger();
    auto* designs = dynamic_cast<TDesignView*>(Window.View(TViewKind::Designs));
    ASSERT_NE(designs, nullptr);
    TCase& c = *Window.Case();
    designs->Select(c.Designs.At(0));
    designs->EditBtnClick();
    ASSERT_NE(c.Designs.At(0)->Editor.data(), nullptr);
    const QString first = c.Designs.At(0)->Name;

    // Steps that reach every window: a level (areas, options, choices, positions) and a design.
    {
        TCaseEdit edit(c, QStringLiteral("Delete system level Building"), ChangeEverything);
        c.DeleteSystemLevel(c.SystemLevels.Find(QStringLiteral("Building")));
    }
    {
        TCaseEdit edit(c, QStringLiteral("Delete design ") + first, ChangeDesigns);
        c.DeleteDesign(c.Designs.Find(first));
    }
    for (int round = 0; round < 2; ++round) {
        Window.Undo1->trigger();
        Window.Undo1->trigger();
        ASSERT_NE(c.SystemLevels.Find(QStringLiteral("Building")), nullptr);
        ASSERT_NE(c.Designs.Find(first), nullptr);
        Window.Redo1->trigger();
        Window.Redo1->trigger();
        EXPECT_EQ(c.Designs.Find(first), nullptr);
    }
    // The windows still work on what is there now.
    designs->Select(c.Designs.At(0));
    designs->EditBtnClick();
    EXPECT_NE(c.Designs.At(0)->Editor.data(), nullptr);
    Window.Undo1->trigger();
    EXPECT_EQ(Messages.Errors(), QStringList());
}

TEST_F(UndoTest, SelectionsAndDesignEditorsComeBackWhereTheirItemsDo)
{
    Prompter->CaseFolderAnswer = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");
    Window.Open();
    ASSERT_NE(Window.Case(), nullptr);
    TCase& c = *Window.Case();
    Window.ViewAction(TViewKind::Variables)->trigger();
    auto* variables = Window.View(TViewKind::Variables)->findChild<QListWidget*>();
    ASSERT_NE(variables, nullptr);
    variables->setCurrentRow(variables->count() - 1);
    const QString variable = variables->currentItem()->text();

    TDesign& design = *c.Designs.At(0);
    const QString designName = design.Name;
    QMdiSubWindow* frame = TDOView::Open(Window, c, design);
    auto* editor = static_cast<TDOView*>(frame->widget());
    std::vector<TDesignObject*> objects;
    design.ForEachObject([&](TDesignObject* o) { objects.push_back(o); });
    ASSERT_GT(objects.size(), 1u);
    editor->Select(objects.back());
    const QString object = objects.back()->Name;
    editor->ShowPanel(TDOView::TPanel::Impacts);
    frame->setGeometry(10, 20, 500, 400);

    AddScale(QStringLiteral("EUR"));
    Window.Undo1->trigger();
    ASSERT_NE(variables->currentItem(), nullptr);
    EXPECT_EQ(variables->currentItem()->text(), variable);
    TDesign* back = c.Designs.Find(designName);   // a new object: the old one was freed
    ASSERT_NE(back, nullptr);
    auto* reframe = qobject_cast<QMdiSubWindow*>(back->Editor.data());
    ASSERT_NE(reframe, nullptr);
    EXPECT_EQ(reframe->geometry(), QRect(10, 20, 500, 400));
    auto* reopened = static_cast<TDOView*>(reframe->widget());
    EXPECT_EQ(reopened->ShownPanel(), TDOView::TPanel::Impacts);
    ASSERT_NE(reopened->Selected(), nullptr);
    EXPECT_EQ(reopened->Selected()->Name, object);
    EXPECT_EQ(Messages.Errors(), QStringList());
}

} // namespace
