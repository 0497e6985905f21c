#include "ui/proproview.h"

#include "policy/combinationedit.h"
#include "support/designfixture.h"
#include "scriptedwindow.h"

namespace {

/// The design fixture with a building level below the district and a harbour
/// beside it: City > District > Building, and City > Harbour.
class ProProViewTest : public ::testing::Test, protected TPlanFixture, protected TScriptedWindow
{
protected:
    ProProViewTest()
    {
        Case.Changed = false;
        View = std::make_unique<TProProView>(Window, Case);
        View->show();
    }

    QStringList Preclusions() const { return TreeTexts(View->PreclusionTree); }
    QStringList Combinations() const { return TreeTexts(View->CombinationTree); }
    QTreeWidgetItem* CombinationItem(int i) const { return View->CombinationTree->topLevelItem(i); }

    TSystemLevel* Building = Level("Building", District);
    TSystemLevel* Harbour = Level("Harbour", City);
    TOption* Triple = Option(Area(Building, "Glazing", Energy, Now), "Triple", 1);
    TOption* Quay = Option(Area(Harbour, "Docks", Energy, Now), "Quay", 1);
    TOption* Barns = Option(Area(Village, "Farms", Energy, Now), "Barns", 1);

    std::unique_ptr<TProProView> View;
};

TEST_F(ProProViewTest, PreclusionsAreDroppedOnEitherSideAndRemovedButNoneDeletedMeanwhile)
{
    View->Select(Insulation);
    EXPECT_EQ(View->PreclusionTitle->text(), "Precluding decision options");
    EXPECT_TRUE(DropOn(View->PreclusionTree, {DragItem(Gas)}));
    EXPECT_TRUE(Case.Changed);
    EXPECT_EQ(Preclusions(), QStringList{"Heating = Gas"});
    EXPECT_FALSE(DropOn(View->PreclusionTree, {DragItem(Heating)}));   // an area needs an option selected

    View->Select(Walls);
    EXPECT_EQ(View->PreclusionTitle->text(), "Precluded decision areas");
    Case.Changed = false;
    // A parent's area, a sibling's area and one of another tree are out of reach.
    for (TDecisionArea* area : {Heating, Quay->DecisionArea, Barns->DecisionArea})
        EXPECT_TRUE(DropOn(View->PreclusionTree, {DragItem(area)}));
    EXPECT_EQ(Messages.Warnings().count("Option can only preclude decisions within its own system"), 3);
    EXPECT_TRUE(Walls->PrecludedAreas.empty());
    EXPECT_FALSE(Case.Changed);
    EXPECT_TRUE(DropOn(View->PreclusionTree, {DragItem(Triple->DecisionArea)}));
    EXPECT_EQ(Preclusions(), QStringList{"Glazing"});

    // Delete only from the focused list, never from its comment box.
    View->PreclusionTree->setCurrentItem(View->PreclusionTree->topLevelItem(0));
    Press(View->PreclusionComment, Qt::Key_Delete);
    EXPECT_TRUE(Walls->Precludes(Triple->DecisionArea));
    Press(View->PreclusionTree, Qt::Key_Delete);
    EXPECT_TRUE(Preclusions().isEmpty());

    // An option deleted since its drag began is left out, on either list.
    View->Select(Insulation);
    const TOption* gone = Bus;
    Transport->DeleteOption(Bus);
    Case.Changed = false;
    Messages.Clear();
    EXPECT_TRUE(DropOn(View->PreclusionTree, {{TDragKind::Option, gone}}));
    View->Select(Gas);
    EXPECT_TRUE(DropOn(View->CombinationTree, {{TDragKind::Option, gone}}));
    EXPECT_TRUE(Case.Combinations.empty());
    EXPECT_EQ(Insulation->PrecludingOptions(), std::vector<TOption*>{Gas});
    EXPECT_FALSE(Case.Changed);
    EXPECT_TRUE(Messages.Messages.isEmpty());
}

TEST_F(ProProViewTest, CombinationsFollowTheRuleOfWhatCanOccurTogether)
{
    EXPECT_FALSE(DropOn(View->CombinationTree, {DragItem(Walls)}));   // no option selected
    View->Select(Walls);
    for (TOption* option : {Walls, Foam, Quay, Barns})
        EXPECT_TRUE(DropOn(View->CombinationTree, {DragItem(option)}));
    EXPECT_EQ(Messages.Infos().size(), 4);   // their texts are the core's
    EXPECT_TRUE(Case.Combinations.empty());
    EXPECT_FALSE(Case.Changed);

    // City + District + Building lie on one path down the hierarchy.
    EXPECT_TRUE(DropOn(View->CombinationTree, {DragItem(Gas)}));
    EXPECT_TRUE(Case.Changed);
    EXPECT_TRUE(DropOn(View->CombinationTree, {DragItem(Triple)}, CombinationItem(0)->child(0)));
    EXPECT_EQ(Combinations(), (QStringList{"[unlikely]", "  Heating = Gas", "  Glazing = Triple"}));
    // A village's farm never meets a city's district in one design.
    EXPECT_TRUE(DropOn(View->CombinationTree, {DragItem(Barns)}, CombinationItem(0)));
    EXPECT_EQ(Messages.Infos().size(), 5);
    EXPECT_EQ(Case.Combinations.front()->Options, (std::vector<TOption*>{Gas, Walls, Triple}));

    // Making one that exists selects it.
    DropOn(View->CombinationTree, {DragItem(Gas)});
    View->CombinationTree->clearSelection();
    Case.Changed = false;
    EXPECT_TRUE(DropOn(View->CombinationTree, {DragItem(Gas)}));
    EXPECT_EQ(Case.Combinations.size(), 2u);
    EXPECT_FALSE(Case.Changed);
    EXPECT_EQ(View->SelectedCombination(), FindCombination(Case, {Walls, Gas}));
}

TEST_F(ProProViewTest, RatingsApplyToTheSelectionAndOrderTheList)
{
    View->Select(Gas);
    EXPECT_EQ(View->CurrentRating(), -1);
    DropOn(View->CombinationTree, {DragItem(Walls)});
    // Without a selection a rating only becomes the current one.
    View->CombinationTree->clearSelection();
    Case.Changed = false;
    View->ChooseRating(3);
    View->RateBtnClick();
    EXPECT_EQ(Case.Combinations[0]->Rating, -1);
    EXPECT_FALSE(Case.Changed);
    EXPECT_EQ(View->RateBtn->text(), "Ideal");

    DropOn(View->CombinationTree, {DragItem(Bus)});
    DropOn(View->CombinationTree, {DragItem(Solar)});
    View->ChooseRating(-3);   // rates Solar's, just made and selected
    EXPECT_EQ(Combinations(), (QStringList{"[ideal]", "  Transport = Bus", "[unlikely]", "  Insulation = Walls",
                                           "[impossible]", "  Roofs = Solar"}));
    // From the option beneath a combination; the list orders itself again.
    View->CombinationTree->setCurrentItem(CombinationItem(1)->child(0));
    View->ChooseRating(2);
    EXPECT_TRUE(Case.Changed);
    EXPECT_EQ(Combinations().mid(0, 4), (QStringList{"[ideal]", "  Transport = Bus", "[favorable]", "  Insulation = Walls"}));
    EXPECT_EQ(View->SelectedCombination(), FindCombination(Case, {Gas, Walls}));
    EXPECT_FALSE(CombinationItem(1)->icon(0).isNull());
}

TEST_F(ProProViewTest, DeletingCutsDownOrRemovesCombinationsAndCommentsGoToTheCombinationOrThePrecludedItem)
{
    auto* big = CreateCombination(Case, {Gas, Walls, Triple}, 2);
    CreateCombination(Case, {Gas, Bus}, 1);
    Case.Changed = false;
    View->Select(Gas);
    View->CombinationTree->setCurrentItem(CombinationItem(0)->child(1));   // Triple
    Press(View->CombinationTree, Qt::Key_Delete);
    EXPECT_EQ(big->Options, (std::vector<TOption*>{Gas, Walls}));
    EXPECT_TRUE(Case.Changed);
    // Left with one option, a combination is deleted.
    View->CombinationTree->setCurrentItem(CombinationItem(1)->child(0));
    View->DeleteCombinationBtnClick();
    EXPECT_EQ(Case.Combinations.size(), 1u);
    View->CombinationTree->setCurrentItem(CombinationItem(0));
    View->DeleteCombinationBtnClick();
    EXPECT_TRUE(Combinations().isEmpty());

    // Comments go to the combination or to the precluded item.
    TCombination* combination = nullptr;
    EditElsewhere(Case, "Add combination", ChangeCombinations, [&] { combination = CreateCombination(Case, {Gas, Walls}, 1); });
    Walls->Comments = QStringList{"Outer walls"};
    View->Select(Gas);
    View->CombinationTree->setCurrentItem(CombinationItem(0));
    Type(View->CombinationComment, QStringLiteral("Cheap together"));
    View->CombinationTree->setCurrentItem(CombinationItem(0)->child(0));
    EXPECT_EQ(combination->CommentText(), "Cheap together");
    EXPECT_EQ(View->CombinationComment->toPlainText(), "Outer walls");
    EXPECT_TRUE(View->CombinationComment->isReadOnly());

    Gas->AddPreclusion(Insulation);
    View->Select(Insulation);
    View->PreclusionTree->setCurrentItem(View->PreclusionTree->topLevelItem(0));
    Type(View->PreclusionComment, QStringLiteral("Gas mains"));
    View->StorePendingEdits();
    EXPECT_EQ(Gas->CommentText(), "Gas mains");
}

TEST_F(ProProViewTest, ListsAreasWithTheirOptionsAndRebuildsAfterAnotherWindowsEditKeepTheSelection)
{
    // The areas in the core's order (hierarchy_test); an area's options show when it is opened.
    EXPECT_EQ(TreeTexts(View->AreaTree), (QStringList{"Heating", "Transport", "Farms", "Roofs", "Insulation", "Docks", "Glazing"}));
    EXPECT_TRUE(View->AreaComment->isReadOnly());
    CreateCombination(Case, {Gas, Walls}, 1);
    View->Select(Gas);
    View->AreaTree->topLevelItem(0)->setExpanded(true);
    EXPECT_EQ(View->AreaTree->topLevelItem(0)->child(1)->text(0), "Heat pump");
    View->CombinationTree->setCurrentItem(CombinationItem(0));
    EditElsewhere(Case, "Add option", ChangeAreasOptions, [&] { Option(Heating, "Wood", 3); });
    EXPECT_EQ(View->SelectedOption(), Gas);
    EXPECT_TRUE(View->AreaTree->topLevelItem(0)->isExpanded());
    EXPECT_EQ(View->AreaTree->topLevelItem(0)->childCount(), 3);
    EXPECT_NE(View->SelectedCombination(), nullptr);
    // New phase colours repaint the areas' icons without losing the place.
    const QImage before = View->AreaTree->topLevelItem(0)->icon(0).pixmap(16).toImage();
    EditElsewhere(Case, "Phase colours", ChangeCatalogues, [&] { Now->SetColorDerived(Qt::red); });
    EXPECT_NE(View->AreaTree->topLevelItem(0)->icon(0).pixmap(16).toImage(), before);
    EXPECT_EQ(View->SelectedOption(), Gas);
    EditElsewhere(Case, "Delete option", ChangeAreasOptions, [&] { Heating->DeleteOption(Gas); });
    EXPECT_EQ(View->SelectedOption(), nullptr);
    EXPECT_TRUE(Combinations().isEmpty());
}

} // namespace
