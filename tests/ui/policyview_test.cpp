#include "ui/policyview.h"

#include "policy/combinationedit.h"
#include "support/designfixture.h"
#include "scriptedwindow.h"

namespace {

using TMode = TPolicyView::TMode;

class PolicyViewTest : public ::testing::Test, protected TPlanFixture, protected TScriptedWindow
{
protected:
    PolicyViewTest()
    {
        Combined = Case.Policies.At(Case.AddPolicy("Combined"));
        Empty = Case.Policies.At(Case.AddPolicy("Empty"));
        Combined->Options = {Gas, Walls};
        Case.Changed = false;
        View = std::make_unique<TPolicyView>(Window, Case);
        View->show();
        View->SelectPolicy(Combined);
    }

    QStringList Right() const { return TreeTexts(View->RightTree); }
    bool Drop(std::vector<TDragItem> items, QTreeWidgetItem* target = nullptr)
    {
        return DropOn(View->RightTree, items, target);
    }

    TPolicy* Combined;
    TPolicy* Empty;
    std::unique_ptr<TPolicyView> View;
};

TEST_F(PolicyViewTest, AddsRenamesAndDeletesPolicies)
{
    // Blank and cancelled names add nothing.
    Prompter->ConceptNames = {QStringLiteral(" New [plan] "), QStringLiteral("  "), std::nullopt};
    Press(View->PolicyTree, Qt::Key_Insert);
    TPolicy* added = Case.Policies.Find("New plan");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(View->SelectedPolicy(), added);
    EXPECT_TRUE(Case.Changed);
    View->AddBtnClick();
    View->AddBtnClick();
    EXPECT_EQ(Case.Policies.Count(), 3);

    // In place, through the tree's own editing; a taken name is refused and shown back.
    RenameInPlace(View->PolicyTree->currentItem(), QStringLiteral("Renamed"));
    EXPECT_EQ(added->Name, "Renamed");
    RenameInPlace(View->PolicyTree->currentItem(), QStringLiteral("empty"));
    EXPECT_EQ(View->PolicyTree->currentItem()->text(0), "Renamed");
    EXPECT_EQ(Messages.Warnings(), QStringList{"Names must be unique"});

    Messages.Answer = false;
    View->DeleteBtnClick();
    EXPECT_EQ(Case.Policies.Count(), 3);
    Messages.Answer = true;
    View->SelectPolicy(Combined);
    View->DeleteBtnClick();
    EXPECT_EQ(Case.Policies.Find("Combined"), nullptr);
    EXPECT_EQ(Messages.Messages.count("question: Really delete policy?"), 2);
    // Nothing selected: the right list is empty and its commands do nothing.
    EXPECT_EQ(View->SelectedPolicy(), nullptr);
    EXPECT_TRUE(Right().isEmpty());
    EXPECT_FALSE(View->DeleteBtn->isEnabled());
    EXPECT_FALSE(View->ModeButtons[0]->isEnabled());
    EXPECT_FALSE(View->PolicyComment->isEnabled());
    View->DeleteBtnClick();
    View->DeleteOptionBtnClick();
    EXPECT_EQ(Case.Policies.Count(), 2);
}

TEST_F(PolicyViewTest, DroppedOptionsFollowThePreclusionWarningsAndTheReplaceQuestion)
{
    EXPECT_EQ(Right(), (QStringList{"Heating = Gas", "Insulation = Walls"}));
    HeatPump->AddPreclusion(Insulation);
    Gas->AddPreclusion(Roofs);
    Case.Changed = false;
    EXPECT_TRUE(Drop({DragItem(Solar)}));
    EXPECT_TRUE(Drop({DragItem(HeatPump)}));
    EXPECT_EQ(Messages.Warnings().size(), 2);   // their texts are the core's
    EXPECT_FALSE(Case.Changed);

    Messages.Answer = false;
    EXPECT_TRUE(Drop({DragItem(Foam)}));
    EXPECT_EQ(Messages.Messages.last(), "question: Policy already contains an option for this decision area.\rReplace?");
    EXPECT_EQ(Combined->Options, (std::vector<TOption*>{Gas, Walls}));
    EXPECT_FALSE(Case.Changed);
    Messages.Answer = true;
    EXPECT_TRUE(Drop({DragItem(Foam)}, View->RightTree->topLevelItem(0)));
    EXPECT_TRUE(Case.Changed);
    EXPECT_EQ(Right(), (QStringList{"Heating = Gas", "Insulation = Foam"}));
    EXPECT_EQ(View->RightTree->currentItem()->text(0), "Insulation = Foam");
}

TEST_F(PolicyViewTest, DropsAreTakenOnlyInOptionsModeWithAPolicySelectedAndPoliciesDragOutTogether)
{
    View->SetMode(TMode::Variables);
    EXPECT_FALSE(Drop({DragItem(Bus)}));
    View->SetMode(TMode::Options);
    EXPECT_FALSE(Drop({DragItem(Green)}));
    View->SelectPolicy(nullptr);
    EXPECT_FALSE(Drop({DragItem(Bus)}));
    View->SelectPolicy(Combined);
    EXPECT_TRUE(Drop({DragItem(Bus)}));
    EXPECT_EQ(Combined->Options, (std::vector<TOption*>{Gas, Bus, Walls}));

    // Selected policies drag out together.
    View->PolicyTree->selectAll();
    std::unique_ptr<QMimeData> data(View->PolicyTree->model()->mimeData(View->PolicyTree->selectionModel()->selectedIndexes()));
    ASSERT_NE(data, nullptr);
    std::vector<TPolicy*> dragged = ReadDragItems(data.get(), Case).Policies;
    std::sort(dragged.begin(), dragged.end(), [](auto* a, auto* b) { return a->Name < b->Name; });
    EXPECT_EQ(dragged, (std::vector<TPolicy*>{Combined, Empty}));
    // Items come out in the order dragged; what is not of this program reads as nothing.
    std::unique_ptr<QMimeData> options(MakeDragData({DragItem(Solar), DragItem(Gas)}));
    EXPECT_EQ(ReadDragItems(options.get(), Case).Options, (std::vector<TOption*>{Solar, Gas}));
    QMimeData foreign;
    foreign.setData(DragFormat, QByteArray("\x01\x02garbage", 9));
    EXPECT_TRUE(ReadDragItems(&foreign, Case).Empty());
}

TEST_F(PolicyViewTest, ADroppedDesignObjectAddsWhatTheMenuChooses)
{
    Amsterdam->SelectDesignOption(HeatPump);
    Amsterdam->SelectStatusQuoOption(Gas);
    North->SelectStatusQuoOption(Solar);
    South->SelectStatusQuoOption(GreenRoof);
    North->SelectStatusQuoOption(Foam);
    View->SelectPolicy(Empty);

    Prompter->MenuChoices = {-1, 3};
    EXPECT_TRUE(Drop({DragItem(Amsterdam)}));
    EXPECT_EQ(Prompter->MenuItemsShown,
              (QStringList{"Checked options ", "Checked options, including  subsystems", "Status quo options",
                           "Status quo options, including subsystems"}));
    EXPECT_TRUE(Empty->Options.empty());
    EXPECT_TRUE(Drop({DragItem(Amsterdam)}));
    // The first option met for an area wins: North's solar roofs, not South's green ones.
    EXPECT_EQ(Right(), (QStringList{"Heating = Gas", "Roofs = Solar", "Insulation = Foam"}));
}

TEST_F(PolicyViewTest, ModesListCombinationsVariablesAndQualifierCountsAndOnlyOptionsAreDeleted)
{
    Effect(Gas, Cost, "1");
    Effect(Walls, Price, "2");
    Walls->AddQualifier(Green);
    CreateCombination(Case, {Gas, Walls}, -2);
    CreateCombination(Case, {Gas, Solar}, 3);
    Case.Announce(ChangeCombinations);
    // What each mode holds is the core's (policy_test); the window lists it.
    View->SetMode(TMode::Combinations);
    EXPECT_EQ(View->Title->text(), "Promises and problems within policy");
    EXPECT_EQ(Right(), (QStringList{"[problematic]", "  Heating = Gas", "  Insulation = Walls"}));
    View->SetMode(TMode::Qualifiers);
    EXPECT_EQ(Right(), (QStringList{"Green: 1"}));
    View->SelectPolicy(Empty);
    View->SetMode(TMode::Appreciation);
    EXPECT_TRUE(Right().isEmpty());
    // Only the options mode deletes, by the button or the Delete key in the list.
    View->SelectPolicy(Combined);
    View->SetMode(TMode::Variables);
    EXPECT_EQ(Right(), (QStringList{"Cost", "Price"}));
    View->RightTree->setCurrentItem(View->RightTree->topLevelItem(0));
    EXPECT_FALSE(View->DeleteOptionBtn->isEnabled());
    View->DeleteOptionBtnClick();
    EXPECT_EQ(Combined->Options.size(), 2u);
    View->SetMode(TMode::Options);
    View->RightTree->setCurrentItem(View->RightTree->topLevelItem(1));
    Press(View->RightTree, Qt::Key_Delete);
    EXPECT_EQ(Combined->Options, std::vector<TOption*>{Gas});
    EXPECT_TRUE(Case.Changed);
    EXPECT_EQ(Right(), QStringList{"Heating = Gas"});
}

TEST_F(PolicyViewTest, ACommentIsStoredWhenTheSelectionChangesAndRebuildsKeepIt)
{
    Type(View->PolicyComment, QStringLiteral("Cheap "));
    // Another window's edit rebuilds this one; the typing stays.
    EditElsewhere(Case, "Add policy", ChangePolicies, [&] { Case.AddPolicy("Another"); });
    EXPECT_EQ(View->PolicyComment->toPlainText(), "Cheap ");
    View->SelectPolicy(Empty);
    EXPECT_EQ(Combined->CommentText(), "Cheap");
    EXPECT_EQ(View->PolicyComment->toPlainText(), "");
}

} // namespace
