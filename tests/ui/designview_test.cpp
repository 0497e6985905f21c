#include "ui/designview.h"

#include "designwindowfixture.h"
#include "ui/doview.h"

namespace {

class DesignViewTest : public DesignWindowTest
{
protected:
    DesignViewTest()
    {
        View = Open<TDesignView>(TViewKind::Designs);
        View->Select(Plan);
    }

    QStringList Names() const { return ListTexts(View->List); }

    TDesignView* View = nullptr;
};

TEST_F(DesignViewTest, NewAddsOrSelectsDuplicateRefusesAnExistingCopyAndTheKeysAddEditAndDelete)
{
    ASSERT_NE(View, nullptr);
    // An existing name only selects its design.
    Prompter->ConceptNames = {QStringLiteral("Variant"), QStringLiteral("plan")};
    View->NewBtn->trigger();
    EXPECT_EQ(View->Selected()->Name, "Variant");
    EXPECT_TRUE(Window.Case()->Changed);
    View->NewBtn->trigger();
    EXPECT_EQ(View->Selected(), Plan);
    EXPECT_EQ(Names(), (QStringList{"Plan", "Variant"}));

    View->Select(Plan);
    View->DuplicateBtn->trigger();
    TDesign* copy = Window.Case()->Designs.Find(QStringLiteral("Copy of Plan"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(View->Selected(), copy);
    EXPECT_EQ(copy->CommentText(), "Duplicated from original.");
    // What a copy holds is the core's (designobject_test); a second copy would overwrite the first.
    Retype(View->Comment, QStringLiteral("Edited"));
    View->Select(Plan);
    View->DuplicateBtn->trigger();
    EXPECT_EQ(Messages.Warnings(), QStringList{"Copy of Plan already exists"});
    EXPECT_EQ(copy->CommentText(), "Edited");

    // Insert, Return and Delete on the list.
    View->List->setFocus();
    Prompter->ConceptNames = {QStringLiteral("Keyed")};
    QTest::keyClick(View->List, Qt::Key_Insert);
    ASSERT_EQ(View->Selected()->Name, "Keyed");
    QTest::keyClick(View->List, Qt::Key_Return);
    EXPECT_FALSE(View->Selected()->Editor.isNull());
    Messages.Answer = true;
    Press(View->List, Qt::Key_Delete);
    EXPECT_EQ(Window.Case()->Designs.Find(QStringLiteral("Keyed")), nullptr);
}

TEST_F(DesignViewTest, RenameInPlaceKeepsNamesUniqueAndCommentsAreStored)
{
    EditElsewhere(Case(), QStringLiteral("Add design"), ChangeDesigns, [&] { Case().AddDesign(QStringLiteral("Variant")); });
    Type(View->Comment, QStringLiteral("First plan"));
    View->Select(Window.Case()->Designs.Find(QStringLiteral("Variant")));
    EXPECT_EQ(Plan->CommentText(), "First plan");

    RenameInPlace(View->List->item(0), QStringLiteral("  Master [plan] "));
    EXPECT_EQ(Names(), (QStringList{"Master plan", "Variant"}));

    RenameInPlace(View->List->item(1), QStringLiteral("master PLAN"));
    EXPECT_EQ(Messages.Warnings(), QStringList{"Names must be unique"});
    EXPECT_EQ(Names(), (QStringList{"Master plan", "Variant"}));
}

TEST_F(DesignViewTest, AppreciationPanelFollowsChoicesAndOptions)
{
    // The appreciations themselves are the core's (appreciation_test); the panel follows them.
    auto top = [this] { return View->Appreciations->topLevelItem(0)->text(0); };
    EXPECT_EQ(top(), "Mayor: 100% positive");   // nothing chosen yet costs nothing
    {
        TCaseEdit edit(*Window.Case(), QStringLiteral("Choose"), ChangeDesigns);
        Rivertown->SelectDesignOption(HeatNet);
        North->SelectDesignOption(Thick);
        South->SelectDesignOption(Thick);
        Rivertown->SetCount(5);
    }
    EXPECT_EQ(TreeTexts(View->Appreciations), (QStringList{"Mayor: 0% positive", "  objectives: 0/2 positive",
                                                       "    Unattained goals", "      cost <= 100"}));

    // The panel keeps texts only: switching options rebuilds it from the case.
    Window.SpecificOptionsItem->trigger();
    Window.QualificationsItem->trigger();
    EXPECT_TRUE(TreeTexts(View->Appreciations).contains("  specific options: "));
    EXPECT_TRUE(TreeTexts(View->Appreciations).contains("  qualifiers: "));
    Window.ObjectivesItem->trigger();
    Window.SpecificOptionsItem->trigger();
    Window.QualificationsItem->trigger();
    EXPECT_EQ(top(), "Mayor: (not calculated)");
}

TEST_F(DesignViewTest, EditOpensOneEditorThatClosingOrADeleteClosesAndTheBaseCaseToggles)
{
    View->EditBtn->trigger();
    ASSERT_FALSE(Plan->Editor.isNull());
    EXPECT_FALSE(View->EditBtn->isEnabled());
    auto* frame = static_cast<QMdiSubWindow*>(Plan->Editor.data());
    auto* editor = qobject_cast<TDOView*>(frame->widget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), "Design editor [Plan]");

    // The caption follows a rename made in the list.
    RenameInPlace(View->List->item(0), QStringLiteral("Main plan"));
    EXPECT_EQ(editor->windowTitle(), "Design editor [Main plan]");

    // A design view opened while the editor is open watches it too.
    Window.ToggleView(TViewKind::Designs);
    View = Open<TDesignView>(TViewKind::Designs);
    View->Select(Plan);
    EXPECT_FALSE(View->EditBtn->isEnabled());
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_TRUE(Plan->Editor.isNull());
    EXPECT_TRUE(View->EditBtn->isEnabled());

    // A report needs a saved case; the base case toggles.
    View->ReportBtn->trigger();
    EXPECT_EQ(Messages.Infos(), QStringList{"Case must be saved to folder first"});
    EXPECT_EQ(Prompter->ReportRuns, 0);
    View->BaseCaseBtn->trigger();
    EXPECT_EQ(Window.Case()->BaseCase, Plan);
    View->BaseCaseBtn->trigger();
    EXPECT_EQ(Window.Case()->BaseCase, nullptr);
    View->BaseCaseBtn->trigger();

    // Typing in the editor, then deleting the design: asked first; after a Yes the
    // editor goes, nothing dangles, and the base case goes with the design.
    View->EditBtn->trigger();
    QPointer<QObject> open = Plan->Editor;
    qobject_cast<TDOView*>(static_cast<QMdiSubWindow*>(open.data())->widget())->Select(North);
    Messages.Answer = false;
    View->DeleteBtn->trigger();
    EXPECT_EQ(Messages.Messages.last(), "question: Really delete design?");
    EXPECT_FALSE(open.isNull());
    Messages.Answer = true;
    View->DeleteBtn->trigger();
    EXPECT_TRUE(open.isNull());
    QApplication::processEvents();
    EXPECT_EQ(Window.Case()->BaseCase, nullptr);
    EXPECT_EQ(View->List->count(), 0);
    EXPECT_FALSE(View->DeleteBtn->isEnabled());
    EXPECT_FALSE(View->Comment->isEnabled());
}

} // namespace
