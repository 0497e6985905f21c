#include "design/design.h"
#include "design/designobject.h"
#include "storage/undohistory.h"
#include "ui/designview.h"
#include "ui/doview.h"
#include "ui/systemhierarchy.h"
#include "scriptedwindow.h"

namespace {

class UndoTest : public TWindowTest
{
protected:
    void Step(const QString& label, TChangeKinds kinds, const std::function<void(TCase&)>& edit)
    {
        TCaseEdit step(Case(), label, kinds);
        edit(Case());
    }
    void AddScale(const QString& name)
    {
        Step(QStringLiteral("Add scale ") + name, ChangeCatalogues, [&](TCase& c) { c.AddScale(name); });
    }
    // Whether any list or tree of the window of `kind` shows `text` in an entry.
    bool Shows(TViewKind kind, const QString& text) const
    {
        QStringList texts;
        for (const QTreeWidget* tree : Window.View(kind)->findChildren<QTreeWidget*>())
            texts << TreeTexts(tree);
        for (const QListWidget* list : Window.View(kind)->findChildren<QListWidget*>())
            texts << ListTexts(list);
        return std::any_of(texts.begin(), texts.end(), [&](const QString& t) { return t.contains(text); });
    }
};

TEST_F(UndoTest, TheEditMenuTheChangedFlagAndOpening)
{
    NewCase(QStringLiteral("City"));
    EXPECT_FALSE(Window.Undo1->isEnabled());
    EXPECT_FALSE(Window.Redo1->isEnabled());
    // The menu names the steps it takes back and does again.
    AddScale(QStringLiteral("EUR"));
    AddScale(QStringLiteral("kWh"));
    EXPECT_EQ(Window.Undo1->text(), "&Undo Add scale kWh");
    EXPECT_EQ(Window.Undo1->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_TRUE(Window.Redo1->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    Window.Undo1->trigger();
    EXPECT_EQ(Case().Scales.Count(), 1);
    EXPECT_EQ(Window.Undo1->text(), "&Undo Add scale EUR");
    EXPECT_EQ(Window.Redo1->text(), "&Redo Add scale kWh");
    Window.Redo1->trigger();
    EXPECT_EQ(Case().Scales.Count(), 2);
    EXPECT_FALSE(Window.Redo1->isEnabled());
    // Saving keeps the history; Changed is exact at the saved state.
    const QString folder = Settings.filePath(QStringLiteral("case"));
    Prompter->SaveFolderAnswers = {folder};
    ASSERT_TRUE(Window.Save());
    EXPECT_TRUE(Window.Undo1->isEnabled());
    AddScale(QStringLiteral("m2"));
    EXPECT_TRUE(Case().Changed);
    Window.Undo();
    EXPECT_FALSE(Case().Changed);
    // Opening empties the history, with nothing to ask: the case is as saved.
    OpenFolder(folder);
    EXPECT_FALSE(Prompter->Asked.contains(QStringLiteral("Save changes made to case?")));
    ASSERT_NE(Window.Case(), nullptr);
    EXPECT_EQ(Case().Scales.Count(), 2);
    EXPECT_FALSE(Window.Undo1->isEnabled());
    EXPECT_EQ(Window.History()->StepCount(), 0u);
}

TEST_F(UndoTest, EveryOpenWindowAndADesignEditorFollowUndoAndRedo)
{
    OpenFolder(ExampleCase);
    ASSERT_NE(Window.Case(), nullptr);
    for (int kind = 0; kind < ViewKindCount; ++kind)
        Window.ViewAction(TViewKind(kind))->trigger();
    auto* designs = dynamic_cast<TDesignView*>(Window.View(TViewKind::Designs));
    ASSERT_NE(designs, nullptr);
    TCase& c = Case();
    designs->Select(c.Designs.At(0));
    designs->EditBtnClick();
    auto* frame = qobject_cast<QMdiSubWindow*>(c.Designs.At(0)->Editor.data());
    ASSERT_NE(frame, nullptr);
    const QString first = c.Designs.At(0)->Name;

    // Selections, and the editor's place, panel and object, come back where their items do.
    auto* variables = Window.View(TViewKind::Variables)->findChild<QListWidget*>();
    ASSERT_NE(variables, nullptr);
    variables->setCurrentRow(variables->count() - 1);
    const QString variable = variables->currentItem()->text();
    auto* hierarchy = static_cast<TSystemHierarchy*>(Window.View(TViewKind::SystemHierarchy));
    TOption* option = c.SystemLevels.First()->DecisionAreas.First()->Options.At(1);
    const QString optionName = option->Name;
    hierarchy->Select(c.SystemLevels.First());
    hierarchy->Select(option);
    ASSERT_EQ(hierarchy->CurrentItem(), option);
    std::vector<TDesignObject*> objects;
    c.Designs.At(0)->ForEachObject([&](TDesignObject* o) { objects.push_back(o); });
    ASSERT_GT(objects.size(), 1u);
    auto* editor = static_cast<TDOView*>(frame->widget());
    editor->Select(objects.back());
    const QString object = objects.back()->Name;
    editor->ShowPanel(TDOView::TPanel::Impacts);
    frame->setGeometry(10, 20, 500, 400);

    AddScale(QStringLiteral("EUR"));
    Window.Undo1->trigger();
    ASSERT_NE(variables->currentItem(), nullptr);
    EXPECT_EQ(variables->currentItem()->text(), variable);
    ASSERT_NE(hierarchy->CurrentItem(), nullptr);
    EXPECT_EQ(static_cast<TOption*>(hierarchy->CurrentItem())->Name, optionName);
    TDesign* back = c.Designs.Find(first);   // a new object: the old one was freed
    ASSERT_NE(back, nullptr);
    auto* reframe = qobject_cast<QMdiSubWindow*>(back->Editor.data());
    ASSERT_NE(reframe, nullptr);
    EXPECT_EQ(reframe->geometry(), QRect(10, 20, 500, 400));
    auto* reopened = static_cast<TDOView*>(reframe->widget());
    EXPECT_EQ(reopened->ShownPanel(), TDOView::TPanel::Impacts);
    ASSERT_NE(reopened->Selected(), nullptr);
    EXPECT_EQ(reopened->Selected()->Name, object);

    // A variable that the variable, hierarchy, actor and policy windows show goes, and comes back.
    const QString name = QStringLiteral("CO2 emissions");
    ASSERT_TRUE(Shows(TViewKind::Variables, name));
    Step(QStringLiteral("Delete variable ") + name, ChangeCatalogues | ChangeValues | ChangeActors,
         [&](TCase& c) { c.DeleteVariable(c.Variables.Find(name)); });
    EXPECT_FALSE(Shows(TViewKind::Variables, name));
    EXPECT_EQ(Window.Undo1->text(), "&Undo Delete variable CO2 emissions");
    Window.Undo1->trigger();
    ASSERT_NE(c.Variables.Find(name), nullptr);
    EXPECT_FALSE(c.Changed);   // back as it was read
    EXPECT_TRUE(Shows(TViewKind::Variables, name));
    EXPECT_TRUE(Shows(TViewKind::SystemHierarchy, QStringLiteral("City")));

    // Steps that reach every window: a level (areas, options, choices, positions) and a design.
    Step(QStringLiteral("Delete system level Building"), ChangeEverything,
         [](TCase& c) { c.DeleteSystemLevel(c.SystemLevels.Find(QStringLiteral("Building"))); });
    Step(QStringLiteral("Delete design ") + first, ChangeDesigns, [&](TCase& c) { c.DeleteDesign(c.Designs.Find(first)); });
    for (int round = 0; round < 2; ++round) {
        if (round == 1)
            Window.History()->Settle();   // now every state next to this one is read ahead
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

} // namespace
