#include "ui/xeditor.h"

#include "support/modelfixture.h"
#include "scriptedwindow.h"

#include <QClipboard>

namespace {

/// The effect of Gas on Cost, in the model fixture with one more variable.
class XEditorTest : public ::testing::Test, protected TModelFixture
{
protected:
    XEditorTest() { Case.Changed = false; }

    bool PressOk()
    {
        Editor.setResult(-1);
        Editor.accept();
        return Editor.result() == QDialog::Accepted;
    }
    QString Selected() const { return Editor.FormulaBox->textCursor().selectedText(); }

    TMessageRecorder Messages;
    TVariable* Households = AddVariable(QStringLiteral("Households"), AggregationCumulative);
    TEffect* GasCost = Effect(Gas, Cost, QStringLiteral("-2 * [Price]"), true);
    TXEditor Editor;
};

TEST_F(XEditorTest, ShowsTheEffectAndTheOtherVariablesAndChoosingOneReplacesTheSelection)
{
    Editor.Prepare(*GasCost);
    EXPECT_TRUE(Editor.NullWhenStatusQuoBtn->isChecked());
    EXPECT_EQ(QStringList({Editor.VariableList->itemText(0), Editor.VariableList->itemText(1)}),
              QStringList({"Households", "Price"}));
    EXPECT_EQ(Editor.VariableList->count(), 2) << "the effect's own variable is not offered";
    EXPECT_EQ(Editor.VariableList->currentIndex(), -1);
    EXPECT_FALSE(Editor.FormulaBox->document()->isUndoAvailable());

    // Choosing a variable replaces the selection through the clipboard; arrow keys
    // on the closed list insert nothing.
    Editor.show();
    QTest::keyClick(Editor.VariableList, Qt::Key_Down);
    Editor.VariableList->hidePopup();
    EXPECT_EQ(Editor.FormulaBox->toPlainText(), QStringLiteral("-2 * [Price]"));

    Editor.FormulaBox->setPlainText(QStringLiteral("2 * x + 1"));
    QTextCursor cursor = Editor.FormulaBox->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    Editor.FormulaBox->setTextCursor(cursor);
    Editor.VariableList->setCurrentIndex(1);
    emit Editor.VariableList->activated(1);
    EXPECT_EQ(Editor.FormulaBox->toPlainText(), QStringLiteral("2 * [Price] + 1"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("[Price]"));
    EXPECT_EQ(Editor.VariableList->currentIndex(), -1);

    // Without a selection the name goes in at the caret.
    cursor.movePosition(QTextCursor::End);
    Editor.FormulaBox->setTextCursor(cursor);
    Editor.InsertVariable(QStringLiteral("Households"));
    EXPECT_EQ(Editor.FormulaBox->toPlainText(), QStringLiteral("2 * [Price] + 1[Households]"));
}

TEST_F(XEditorTest, OkGivesBackTheTrimmedFormulaUnknownVariablesDoNotBlockAndNothingChangesTheEffect)
{
    const struct
    {
        const char* Typed;
        bool NullWhenStatusQuo;
        const char* Formula;
        bool Setting;
    } cases[] = {
        { "  3 * [Households]\n", false, "3 * [Households]", false },
        { "1", true, "1", true },
        // An emptied formula always occurs, whatever the buttons say.
        { " \t\n ", true, "", false },
    };
    for (const auto& c : cases) {
        Editor.Prepare(*GasCost);
        Editor.FormulaBox->setPlainText(QString::fromUtf8(c.Typed));
        (c.NullWhenStatusQuo ? Editor.NullWhenStatusQuoBtn : Editor.AlwaysBtn)->setChecked(true);
        EXPECT_TRUE(PressOk()) << c.Typed;
        EXPECT_EQ(Editor.Formula(), QString::fromUtf8(c.Formula));
        EXPECT_EQ(Editor.NullWhenStatusQuo(), c.Setting) << c.Typed;
        EXPECT_TRUE(Editor.StatusLine->text().isEmpty());
    }
    // None of this, nor a Cancel, changes the effect itself.
    Editor.Prepare(*GasCost);
    Editor.FormulaBox->setPlainText(QStringLiteral("42"));
    Editor.reject();
    EXPECT_EQ(GasCost->Formula, QStringLiteral("-2 * [Price]"));
    EXPECT_TRUE(GasCost->NullWhenStatusQuo);
    EXPECT_FALSE(Case.Changed);

    // An unknown variable does not block, and the checking mode accepts a formula that compiles.
    Editor.Prepare(*GasCost);
    Editor.FormulaBox->setPlainText(QStringLiteral("[Nowhere] + [Nowhere]"));
    EXPECT_TRUE(PressOk());
    EXPECT_TRUE(Messages.Messages.isEmpty());   // the warning is the compiler's, once, when the formula is applied

    GasCost->Formula = QStringLiteral("[Households] / 2");
    EXPECT_TRUE(Editor.Run(*GasCost, true));
    EXPECT_FALSE(Editor.CheckOnShow);
    EXPECT_EQ(Editor.Formula(), QStringLiteral("[Households] / 2"));
}

TEST_F(XEditorTest, AnInvalidFormulaSelectsTheFaultyTokenAndBlocksClosing)
{
    // The selection counts the blanks before the formula as well.
    for (const auto& [text, start] : {std::pair{"\n  1 + foo", 9}, std::pair{"1 + foo", 6}}) {
        Editor.Prepare(*GasCost);
        Editor.FormulaBox->setPlainText(QLatin1String(text));
        const int beeps = BeepCount();
        EXPECT_FALSE(PressOk());
        EXPECT_EQ(Editor.StatusLine->text(), QStringLiteral("ERROR: Invalid symbol"));
        EXPECT_EQ(Editor.FormulaBox->textCursor().selectionStart(), start);
        EXPECT_EQ(Selected(), QStringLiteral("o"));
        EXPECT_EQ(BeepCount() - beeps, 1);
    }

    // Neither Cancel nor closing the window leaves while the message shows.
    Editor.show();
    Editor.reject();
    EXPECT_FALSE(Editor.close());
    EXPECT_TRUE(Editor.isVisible());

    Editor.FormulaBox->setPlainText(QStringLiteral("1 + 2"));
    EXPECT_TRUE(PressOk());
    EXPECT_FALSE(Editor.isVisible());
    EXPECT_EQ(Editor.Formula(), QStringLiteral("1 + 2"));
}

} // namespace
