#include "ui/desktopmessages.h"

#include "support/modelfixture.h"
#include "ui/statuspanel.h"
#include "ui/xeditor.h"
#include "scriptedwindow.h"

#include <QTimer>

namespace {

class DesktopMessagesTest : public ::testing::Test
{
protected:
    DesktopMessagesTest() : Window(Settings.filePath(QStringLiteral("ORVEL.ini"))), Sink(Window)
    {
        SetMessageSink(&Sink);
    }
    ~DesktopMessagesTest() override { SetMessageSink(nullptr); }

    QTemporaryDir Settings;
    TORVEL Window;
    TDesktopMessages Sink;
};

TEST_F(DesktopMessagesTest, StatusTextBusyCursorAndLineBreaks)
{
    // The status text goes to the main window's case panel (its showing is the main window's test).
    ShowStatus(QStringLiteral(" [loading basic case data...]"));
    EXPECT_EQ(Window.CasePanel().Text(), QStringLiteral(" [loading basic case data...]"));

    // Busy scopes nest; boxes break lines where the core says carriage return.
    {
        TBusyScope outer;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        TBusyScope inner;
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(TDesktopMessages::BoxText(QStringLiteral("Could not open file\r\"x\"\r\ny")), QStringLiteral("Could not open file\n\"x\"\ny"));
}

TEST_F(DesktopMessagesTest, RepairOpensTheFormulaEditorInCheckingMode)
{
    TModelFixture model;
    TEffect& effect = *model.Effect(model.Gas, model.Cost);
    effect.Formula = QStringLiteral("2 +");   // as a damaged page leaves it
    model.Case.Changed = false;
    TXEditor* editor = Window.Dialogs().XEditor;
    QString shown;
    QTimer::singleShot(0, editor, [&] {
        QTimer::singleShot(0, editor, [&] {
            shown = editor->windowTitle() + QLatin1Char('|') + editor->findChild<QPlainTextEdit*>()->toPlainText();
            // The check's message shows, and holds the editor open until the formula is repaired.
            EXPECT_FALSE(editor->StatusLine->text().isEmpty());
            editor->reject();
            EXPECT_TRUE(editor->isVisible());
            editor->FormulaBox->setPlainText(QStringLiteral("2 + 3"));
            editor->accept();
        });
    });
    RepairFormula(effect);
    EXPECT_EQ(shown, QStringLiteral("Expression for [Cost]|2 +"));
    // The repair goes through the one operation that edits an effect.
    EXPECT_EQ(effect.Formula, QStringLiteral("2 + 3"));
    EXPECT_FALSE(effect.Code.empty());
    EXPECT_TRUE(model.Case.Changed);
}

} // namespace
