#include "catalogueviewfixture.h"

#include "ui/categoryview.h"
#include "ui/phaseview.h"
#include "ui/qualifierview.h"
#include "ui/scaleview.h"
#include "ui/valuebox.h"
#include "ui/variableview.h"

#include <QDirIterator>

namespace {

struct TKindCase
{
    TViewKind Kind;
    const char* Caption;
};

class EveryCatalogueView : public CatalogueViewTest, public ::testing::WithParamInterface<TKindCase>
{
};

TEST_P(EveryCatalogueView, AddsFindsATakenNameUnchangedAndDeletesOnlyAfterYes)
{
    Case().AddScale(QStringLiteral("EUR"));   // variables need one
    auto* view = Open<TCatalogueView>(GetParam().Kind);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), QLatin1String(GetParam().Caption));
    // Nothing selected: the commands on the selection do nothing.
    EXPECT_FALSE(view->DeleteBtn->isEnabled());
    view->DeleteCurrent();

    Add(view, QStringLiteral(" City "));
    EXPECT_EQ(CurrentName(view), QStringLiteral("City"));
    EXPECT_TRUE(view->DeleteBtn->isEnabled());
    EXPECT_TRUE(view->Box->isEnabled());
    EXPECT_TRUE(Case().Changed);

    // A taken name (letter case aside) selects its entry; blank and cancelled names add nothing.
    Add(view, QStringLiteral("Other"));
    Case().Changed = false;
    Add(view, QStringLiteral("city"));
    Add(view, QStringLiteral("  "));
    view->AddBtn->click();
    EXPECT_EQ(CurrentName(view), QStringLiteral("City"));
    EXPECT_EQ(view->EntryNames().size(), GetParam().Kind == TViewKind::Scales ? 3 : 2);
    EXPECT_FALSE(Case().Changed);

    // Delete asks first; City is still selected.
    const int before = view->List->count();
    Messages.Answer = false;
    view->DeleteBtn->click();
    EXPECT_EQ(view->List->count(), before);
    ASSERT_EQ(Messages.Messages.filter(QStringLiteral("question: ALL")).size(), 1);
    Messages.Answer = true;
    view->DeleteBtn->click();
    EXPECT_FALSE(view->EntryNames().contains(QStringLiteral("City")));
    EXPECT_EQ(view->List->count(), before - 1);
    EXPECT_EQ(view->Current(), nullptr);
    EXPECT_FALSE(view->DeleteBtn->isEnabled());
    EXPECT_FALSE(view->Box->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(CatalogueViews, EveryCatalogueView,
                         ::testing::Values(TKindCase{TViewKind::Phases, "Phases"},
                                           TKindCase{TViewKind::Categories, "Categories"},
                                           TKindCase{TViewKind::Qualifiers, "Qualifiers"},
                                           TKindCase{TViewKind::Scales, "Scales"},
                                           TKindCase{TViewKind::Variables, "Variables"}),
                         [](const auto& info) { return std::string(info.param.Caption); });

TEST_F(CatalogueViewTest, TheVariableWindowsModeAndValueBox)
{
    auto* view = Open<TVariableView>(TViewKind::Variables);
    // No variable at all: the mode button does nothing, and no name is asked without a scale.
    Case().Changed = false;
    view->AggModeBtn->click();
    view->ChooseMode(AggregationCumulative);
    Add(view, QStringLiteral("Cost"));
    EXPECT_FALSE(Case().Changed);
    EXPECT_EQ(Messages.Warnings().size(), 1);
    EXPECT_EQ(Prompter->ConceptNames.size(), 1u);
    Prompter->ConceptNames.clear();

    // The mode acts on the selected variable; the value box is for constants only.
    Case().AddScale(QStringLiteral("EUR"));
    view->ChooseMode(AggregationConstant);
    Add(view, QStringLiteral("Area"));
    Add(view, QStringLiteral("Cost"));
    TVariable* cost = Case().Variables.Find(QStringLiteral("Cost"));
    view->ChooseMode(AggregationAveraging);
    EXPECT_EQ(cost->AggregationMode, AggregationAveraging);
    EXPECT_FALSE(view->ValueBox->isEnabled());
    EXPECT_EQ(view->AggModeBtn->toolTip(), QStringLiteral("Averaging variable"));
    view->ChooseMode(AggregationConstant);
    EXPECT_TRUE(view->ValueBox->isEnabled());

    // The box shows the exact value; touching it without typing stores nothing back.
    cost->SetValue(12345);
    Case().Announce(ChangeCatalogues);
    EXPECT_EQ(view->ValueBox->text(), QStringLiteral("12345"));
    view->ValueBox->setFocus();
    view->Select(Case().Variables.Find(QStringLiteral("Area")));
    view->Select(cost);
    EXPECT_EQ(cost->Value, 12345);

    const int beeps = BeepCount();
    Retype(view->ValueBox, QStringLiteral("1,5x"));
    EXPECT_EQ(BeepCount(), beeps + 2);
    EXPECT_EQ(view->ValueBox->text(), QStringLiteral("15"));
    Retype(view->ValueBox, QStringLiteral("1.5E2"));
    QTest::keyClick(view->ValueBox, Qt::Key_Return);   // the focus moves to the list, which stores
    EXPECT_TRUE(view->List->hasFocus());
    EXPECT_EQ(cost->Value, 150);

    // An unreadable number keeps the focus where it was typed.
    Retype(view->ValueBox, QStringLiteral("-"));
    QTest::keyClick(view->ValueBox, Qt::Key_Return);
    EXPECT_TRUE(view->ValueBox->hasFocus());
    EXPECT_EQ(cost->Value, 150);

    // A text that is no number beeps and changes nothing; it is not stored as 0.
    Retype(view->ValueBox, QStringLiteral("1e+-"));
    const int before = BeepCount();
    view->StorePendingEdits();
    EXPECT_EQ(BeepCount(), before + 1);
    EXPECT_EQ(cost->Value, 150);
    EXPECT_EQ(view->ValueBox->text(), QStringLiteral("1e+-"));

    // A taken name, with another scale and mode shown, leaves scale, mode and value alone.
    EditElsewhere(Case(), QStringLiteral("Add scale"), ChangeCatalogues, [&] { Case().AddScale(QStringLiteral("ABC")); });
    view->Select(nullptr);
    view->ChooseMode(AggregationAveraging);   // nothing selected: only shown
    Case().Changed = false;
    Add(view, QStringLiteral("COST"));
    EXPECT_EQ(view->Current(), cost);
    EXPECT_EQ(cost->Scale->Name, QStringLiteral("EUR"));
    EXPECT_EQ(cost->AggregationMode, AggregationConstant);
    EXPECT_EQ(cost->Value, 150);
    EXPECT_FALSE(Case().Changed);

    // Empty means no value.
    view->ValueBox->selectAll();
    Press(view->ValueBox, Qt::Key_Backspace);
    view->StorePendingEdits();
    EXPECT_FALSE(cost->HasValue());
    EXPECT_TRUE(Case().Changed);
    // A rename in place reaches the variable (the formulas' rewriting is the core's, case_test).
    RenameInPlace(view->List->currentItem(), QStringLiteral("Warmth"));
    EXPECT_EQ(cost->Name, QStringLiteral("Warmth"));
}

TEST_F(CatalogueViewTest, DeletingAScaleIsSeenInTwoVariableWindowsWhichStayUsable)
{
    auto* scales = Open<TScaleView>(TViewKind::Scales);
    auto* variables = Open<TVariableView>(TViewKind::Variables);
    Add(scales, QStringLiteral("EUR"));
    Add(scales, QStringLiteral("kWh"));
    EXPECT_EQ(variables->ScaleBox->count(), 2);   // refilled with the new scale
    Add(variables, QStringLiteral("Cost"));
    Add(variables, QStringLiteral("Heat"));
    variables->ScaleBox->activated(1);            // Heat in kWh
    variables->Select(Case().Variables.Find(QStringLiteral("Cost")));
    // A second window shows Cost as well.
    auto* other = static_cast<TVariableView*>(TVariableView::Create(Window, Case()));
    Window.AddSubWindow(other);
    other->Select(Case().Variables.Find(QStringLiteral("Cost")));
    // Typing for Cost is under way in both of its boxes when EUR goes.
    variables->Box->setPlainText(QStringLiteral("typed"));
    variables->ValueBox->setText(QStringLiteral("3"));
    QTest::keyClicks(variables->ValueBox, QStringLiteral("3"));

    scales->Select(Case().Scales.Find(QStringLiteral("EUR")));
    Messages.Answer = true;
    scales->DeleteBtn->click();
    for (TVariableView* view : {variables, other}) {
        EXPECT_EQ(view->EntryNames(), QStringList{QStringLiteral("Heat")});
        EXPECT_EQ(view->Current(), nullptr);
    }
    EXPECT_FALSE(variables->ScaleBox->isEnabled());
    EXPECT_FALSE(variables->ValueBox->isEnabled());
    EXPECT_FALSE(variables->Box->isEnabled());

    // All windows go on working, and what was typed for Cost went with it.
    other->StorePendingEdits();
    other->AggModeBtn->click();
    other->ValueBox->setText(QStringLiteral("1"));
    variables->StorePendingEdits();
    scales->StorePendingEdits();
    variables->Select(Case().Variables.Find(QStringLiteral("Heat")));
    variables->ChooseMode(AggregationCumulative);
    Type(variables->Box, QStringLiteral("Warmth"));
    Add(scales, QStringLiteral("m2"));
    EXPECT_EQ(variables->ScaleBox->count(), 2);
    EXPECT_EQ(variables->ScaleBox->currentText(), QStringLiteral("kWh"));
    Window.StorePendingEdits();
    EXPECT_EQ(Case().Variables.First()->CommentText(), QStringLiteral("Warmth"));
    EXPECT_EQ(Case().Variables.First()->AggregationMode, AggregationCumulative);
}

TEST_F(CatalogueViewTest, CommentsAreSavedByCtrlSAndStoredBeforeTheSelectionChangesOrTheCaseCloses)
{
    auto* view = Open<TCategoryView>(TViewKind::Categories);
    Add(view, QStringLiteral("Energy"));
    Type(view->Box, QStringLiteral("Heat and power supply"));
    const QString folder = Settings.filePath(QStringLiteral("case"));
    Prompter->SaveFolderAnswers = {folder};
    QTest::keyClick(view->Box, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(Case().Folder, folder + QLatin1Char('/'));
    EXPECT_FALSE(Case().Changed);
    bool found = false;
    for (QDirIterator it(folder, {QStringLiteral("*.htm")}); it.hasNext();) {
        QFile page(it.next());
        found |= page.open(QIODevice::ReadOnly) && page.readAll().contains("Heat and power supply");
    }
    EXPECT_TRUE(found);

    // Moving the selection stores, by the program or by a click on another entry.
    auto* qualifiers = Open<TQualifierView>(TViewKind::Qualifiers);
    Add(qualifiers, QStringLiteral("green"));
    Add(qualifiers, QStringLiteral("cheap"));
    Type(qualifiers->Box, QStringLiteral("  low cost  "));
    qualifiers->Select(Case().Qualifiers.Find(QStringLiteral("green")));
    EXPECT_EQ(Case().Qualifiers.Find(QStringLiteral("cheap"))->CommentText(), QStringLiteral("low cost"));
    EXPECT_TRUE(qualifiers->Box->toPlainText().isEmpty());
    Type(qualifiers->Box, QStringLiteral("natural"));
    const QRect first = qualifiers->List->visualItemRect(qualifiers->List->item(0));
    QTest::mouseClick(qualifiers->List->viewport(), Qt::LeftButton, {}, first.center());
    QApplication::processEvents();
    EXPECT_EQ(Case().Qualifiers.Find(QStringLiteral("green"))->CommentText(), QStringLiteral("natural"));
    EXPECT_EQ(CurrentName(qualifiers), QStringLiteral("cheap"));
    // So does closing the window from the View menu.
    Retype(qualifiers->Box, QStringLiteral("affordable"));
    Window.ViewAction(TViewKind::Qualifiers)->trigger();
    EXPECT_EQ(Window.View(TViewKind::Qualifiers), nullptr);
    EXPECT_EQ(Case().Qualifiers.Find(QStringLiteral("cheap"))->CommentText(), QStringLiteral("affordable"));

    // Closing the case asks about typing not yet stored, and a Cancel keeps it.
    Retype(view->Box, QStringLiteral("Not lost"));
    Prompter->SaveAnswers = {TPrompter::TAnswer::Cancel};
    EXPECT_FALSE(Window.CloseCase());
    EXPECT_EQ(Prompter->Asked.count(QStringLiteral("Save changes made to case?")), 1);
    EXPECT_EQ(Case().Categories.First()->CommentText(), QStringLiteral("Not lost"));
}

} // namespace
