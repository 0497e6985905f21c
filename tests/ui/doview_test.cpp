#include "ui/doview.h"

#include "designwindowfixture.h"
#include "ui/countbox.h"
#include "ui/designtree.h"

#include <QRegularExpression>
#include <limits>

namespace {

class DOViewTest : public DesignWindowTest
{
protected:
    DOViewTest()
    {
        Frame = TDOView::Open(Window, *Window.Case(), *Plan);
        Editor = static_cast<TDOView*>(Frame->widget());
        QApplication::processEvents();
    }

    /// A click on the option's mark, with Shift or not.
    void Click(const TOption* option, bool shift = false)
    {
        QTreeWidgetItem* entry = Editor->EntryOf(option);
        ASSERT_NE(entry, nullptr) << option->Name.toStdString();
        QTest::mouseClick(Editor->DecisionTree->viewport(), Qt::LeftButton, shift ? Qt::ShiftModifier : Qt::NoModifier,
                          Editor->DecisionTree->MarkRect(entry).center());
    }

    /// The decision areas: the tree's unindented entries.
    QStringList Areas() const { return TreeTexts(Editor->DecisionTree).filter(QRegularExpression(QStringLiteral("^\\S"))); }

    /// Drops the policy on the entry of the object in the subsystem tree.
    void DropPolicy(const TDesignObject* object)
    {
        DropOn(Editor->SubsystemTree, {DragItem(Policy)}, Editor->EntryOf(object));
    }

    QMdiSubWindow* Frame;
    TDOView* Editor;
};

TEST_F(DOViewTest, ClickChoosesShiftClickSetsTheStatusQuoAndPreclusionsComeAndGo)
{
    EXPECT_EQ(Editor->Selected(), Rivertown);
    EXPECT_EQ(Editor->DecisionsLabel->text(), "Design decisions: 1 undefined");
    Click(HeatNet);
    EXPECT_TRUE(Rivertown->HasDesignOption(HeatNet));
    EXPECT_TRUE(Window.Case()->Changed);
    EXPECT_EQ(Editor->DecisionsLabel->text(), "Design decisions:");

    // The heat net rules out the districts' boilers.
    Editor->Select(North);
    EXPECT_EQ(Areas(), QStringList{"Insulation"});
    Editor->ShowPanel(TDOView::TPanel::Preclusions);
    EXPECT_EQ(TreeTexts(Editor->Panel), (QStringList{"    Boiler", "      Energy = Heat net"}));

    Editor->Select(Rivertown);
    Click(Gas);
    Editor->Select(North);
    EXPECT_EQ(Areas(), (QStringList{"Boiler", "Insulation"}));
    EXPECT_TRUE(TreeTexts(Editor->Panel).isEmpty());

    // Shift-click: the status quo moves, the design's choice stays.
    Click(OldBoiler, true);
    Click(NewBoiler, true);
    Click(NewBoiler, true);
    EXPECT_EQ(North->StatusQuoOptions, std::vector<TOption*>{NewBoiler});
    EXPECT_TRUE(North->DesignOptions.empty());
    Click(NewBoiler);
    EXPECT_EQ(North->DesignOptions, std::vector<TOption*>{NewBoiler});
    EXPECT_EQ(Editor->DecisionsLabel->text(), "Design decisions: 1 undefined");
    Editor->FindOpenDecision();
    EXPECT_EQ(Editor->DecisionTree->currentItem()->text(0), "Insulation");
}

TEST_F(DOViewTest, CountsTakeDigitsOnlyClampAndChangeTheValues)
{
    Rivertown->SelectDesignOption(Gas);
    North->SelectDesignOption(Thick);
    Editor->ShowPanel(TDOView::TPanel::Impacts);
    Editor->Select(Rivertown);
    EXPECT_TRUE(TreeTexts(Editor->Panel).contains("cost [EUR] = 24"));

    Editor->Select(North);
    const int beeps = BeepCount();
    Retype(Editor->CountBox, QStringLiteral("x3-"));
    EXPECT_EQ(BeepCount(), beeps + 2);
    EXPECT_EQ(Editor->CountBox->text(), "3");
    QTest::keyClick(Editor->CountBox, Qt::Key_Return);
    EXPECT_EQ(Editor->EntryOf(North)->text(0), "[3x] North");
    Editor->Select(Rivertown);
    EXPECT_TRUE(TreeTexts(Editor->Panel).contains("cost [EUR] = 31"));

    // Too large a count is held at the largest the model takes; an empty one is 0.
    Editor->Select(South);
    Retype(Editor->CountBox, QStringLiteral("99999999999999"));
    Editor->Select(North);
    EXPECT_EQ(South->Count(), std::numeric_limits<int>::max());
    Retype(Editor->CountBox, QString());
    QTest::keyClick(Editor->CountBox, Qt::Key_Backspace);
    Window.StorePendingEdits();   // as before Save, Close and quit
    EXPECT_EQ(North->Count(), 0);
    EXPECT_EQ(Editor->CountBox->text(), "0");
}

TEST_F(DOViewTest, SubsystemsAreAddedDuplicatedRenamedAndDeletedAndClosingStoresTheComment)
{
    // The Add list offers a sibling; districts have no sublevel (the walk-through adds from it).
    Editor->Select(North);
    Prompter->ConceptNames = {QStringLiteral("east")};
    Editor->AddSubsystem(QStringLiteral("District"), false);
    ASSERT_NE(Editor->Selected(), nullptr);
    EXPECT_EQ(Editor->EntryOf(Editor->Selected())->text(0), "[1x] east");

    // A sibling's name selects that sibling, unchanged.
    Prompter->ConceptNames = {QStringLiteral("NORTH")};
    Editor->AddSubsystem(QStringLiteral("District"), false);
    EXPECT_EQ(Editor->Selected(), North);

    Editor->AddSubsystem(QStringLiteral("Borough"), false);
    EXPECT_EQ(Messages.Errors(), QStringList{"Unknown system type: \"Borough\""});

    Editor->DuplicateBtn->trigger();
    EXPECT_EQ(Editor->Selected()->Name, "Copy of North");
    Editor->Select(North);
    Editor->DuplicateBtn->trigger();
    EXPECT_EQ(Messages.Warnings(), QStringList{"Copy of North already exists"});

    Prompter->ConceptNames = {QStringLiteral("Uptown")};
    Editor->RenameSelected();
    EXPECT_EQ(Editor->EntryOf(North)->text(0), "[2x] Uptown");

    Editor->DeleteBtn->trigger();
    EXPECT_EQ(Editor->Selected(), nullptr);
    EXPECT_EQ(Editor->DecisionTree->topLevelItemCount(), 0);
    EXPECT_FALSE(Editor->DeleteBtn->isEnabled());
    EXPECT_EQ(Rivertown->Children.Count(), 3);   // east and the copy stay

    // In-place editing asks for the name; closing the editor stores the comment.
    Editor->Select(South);
    Editor->SubsystemTree->setFocus();
    Prompter->ConceptNames = {QStringLiteral("Harbour")};
    QTest::keyClick(Editor->SubsystemTree, Qt::Key_F2);
    QApplication::processEvents();
    EXPECT_EQ(South->Name, "Harbour");
    EXPECT_EQ(Prompter->Asked.last(), "Rename subsystem: South");

    Type(Editor->Comment, QStringLiteral("By the river"));
    Frame->close();
    EXPECT_EQ(South->CommentText(), "By the river");
}

TEST_F(DOViewTest, AnOptionDeletedElsewhereLeavesTheEditor)
{
    Editor->Select(North);
    North->SelectDesignOption(Thick);
    ASSERT_NE(Editor->EntryOf(NoInsulation), nullptr);
    EditElsewhere(Case(), QStringLiteral("Delete option Thick"), ChangeAreasOptions,
                  [&] { Thick->DecisionArea->DeleteOption(Thick); });
    EXPECT_EQ(TreeTexts(Editor->DecisionTree), (QStringList{"Boiler", "  Old", "  New", "Insulation", "  None"}));
    Editor->ShowPanel(TDOView::TPanel::Impacts);
    Click(NoInsulation);
    EXPECT_EQ(North->DesignOptions, std::vector<TOption*>{NoInsulation});

    // The level goes, and the selected object with it.
    Type(Editor->Comment, QStringLiteral("typed"));
    EditElsewhere(Case(), QStringLiteral("Delete system level District"), ChangeLevels,
                  [&] { Case().DeleteSystemLevel(District); });
    EXPECT_EQ(Editor->Selected(), nullptr);
    EXPECT_EQ(TreeTexts(Editor->SubsystemTree), QStringList{"[1x] Rivertown"});
    EXPECT_EQ(Editor->DecisionTree->topLevelItemCount(), 0);
    Window.StorePendingEdits();
    Editor->Select(Rivertown);
    EXPECT_EQ(Editor->Comment->toPlainText(), "");
}

TEST_F(DOViewTest, PolicyDropsOnDecisionsApplyAtOnceAndOnObjectsByTheFourCommands)
{
    Editor->Select(North);
    EXPECT_TRUE(DropOn(Editor->DecisionTree, {DragItem(Policy)}, QPoint(5, 5)));
    EXPECT_TRUE(Prompter->MenuItemsShown.isEmpty());
    EXPECT_EQ(North->DesignOptions, (std::vector<TOption*>{NewBoiler, Thick}));
    EXPECT_TRUE(South->DesignOptions.empty());
    EXPECT_FALSE(DropOn(Editor->DecisionTree, {DragItem(Gas)}, QPoint(5, 5))) << "anything but a policy is turned away";
    // Objects drag out to the policy window (whose test drops one).
    std::unique_ptr<QMimeData> dragged(Editor->SubsystemTree->DragData(Editor->EntryOf(South)));
    EXPECT_EQ(ReadDragItems(dragged.get(), *Window.Case()).DesignObjects, std::vector<TDesignObject*>{South});

    // On an object the menu offers the four commands; each is applied afresh.
    struct TCase_
    {
        int Command;
        std::vector<TOption*> RivertownDesign, NorthDesign, NorthStatusQuo;
    };
    const TCase_ cases[] = {
        {0, {Gas}, {}, {}},
        {1, {Gas}, {NewBoiler, Thick}, {}},
        {2, {}, {}, {}},
        {3, {}, {}, {NewBoiler, Thick}},
    };
    for (const TCase_& c : cases) {
        SCOPED_TRACE(c.Command);
        // Afresh for each command: the design's objects are made again.
        {
            TCaseEdit edit(*Window.Case(), QStringLiteral("Rebuild"), ChangeDesigns);
            Plan->DeleteDesignObject(Rivertown);
            Rivertown = Plan->AddDesignObject(QStringLiteral("Rivertown"), nullptr, City);
            North = Plan->AddDesignObject(QStringLiteral("North"), Rivertown, District);
        }
        Prompter->MenuChoices = {c.Command};
        DropPolicy(Rivertown);
        EXPECT_EQ(Prompter->MenuItemsShown, TDOView::PolicyCommands());
        EXPECT_EQ(Rivertown->DesignOptions, c.RivertownDesign);
        EXPECT_EQ(North->DesignOptions, c.NorthDesign);
        EXPECT_EQ(North->StatusQuoOptions, c.NorthStatusQuo);
    }
    // Dismissing the menu changes nothing.
    Window.Case()->Changed = false;
    DropPolicy(North);
    EXPECT_EQ(Editor->Selected(), North);
    EXPECT_FALSE(Window.Case()->Changed);
}

TEST_F(DOViewTest, PanelsSortAndFindTheirSelectionAgain)
{
    Rivertown->SelectDesignOption(HeatNet);
    North->SelectDesignOption(Thick);
    South->SelectDesignOption(NoInsulation);
    Editor->ShowPanel(TDOView::TPanel::Impacts);
    Editor->Select(Rivertown);
    // Variables ignore case; objects by level and name come before the calculations.
    EXPECT_EQ(TreeTexts(Editor->Panel),
              (QStringList{"Comfort [EUR] = 2.33", "  [2x] North = 3", "    Insulation = Thick -> 3",
                           "  [1x] South = 1", "    Insulation = None -> 1", "cost [EUR] = 64",
                           "  [2x] North = 7", "    Insulation = Thick -> 7", "  Energy = Heat net -> 50"}));
    Editor->Panel->setCurrentItem(Editor->Panel->topLevelItem(1)->child(1));
    EXPECT_EQ(Editor->PanelComment->toPlainText(), "50");   // the formula
    Click(Gas);
    EXPECT_EQ(Editor->Panel->currentItem()->text(0), "Energy = Gas -> 10");   // found by its text up to " = "

    Editor->ShowPanel(TDOView::TPanel::ProblemsPromises);
    Click(HeatNet);
    EXPECT_EQ(TreeTexts(Editor->Panel), (QStringList{"favorable", "  Energy = Heat net", "  Insulation = Thick",
                                                 "    [2x] North"}));

    Editor->ShowPanel(TDOView::TPanel::Qualifications);
    EXPECT_EQ(TreeTexts(Editor->Panel), (QStringList{"Rivertown: Green: n/a", "  Green: n/a", "  [2x] North: Green: n/a",
                                                 "    Green: n/a", "  [1x] South: Green: n/a", "    Green: n/a"}));
    Editor->Select(South);
    EXPECT_EQ(TreeTexts(Editor->Panel), QStringList{"South: Green: n/a"});
}

} // namespace
