// A user's walk through the design windows on the example case, checked
// against the command-line program, which evaluates through the same core.
#include "cli/clirun.h"
#include "design/designobject.h"
#include "ui/countbox.h"
#include "ui/designtree.h"
#include "ui/designview.h"
#include "ui/doview.h"
#include "scriptedwindow.h"

namespace {

using DesignWalk = TWindowTest;

// Picks the item of the Add subsystem list whose text is `level`.
void AddFromList(TDOView& editor, const QString& level)
{
    editor.FillAddMenu();
    for (QAction* action : editor.AddBtn->menu()->actions())
        if (action->text() == level) {
            action->trigger();
            return;
        }
    ADD_FAILURE() << "no " << level.toStdString() << " in the list";
}

// Clicks the first option of every open decision area of the selected object.
void ChooseFirstOptions(TDOView& editor)
{
    for (int i = 0; i < editor.DecisionTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* area = editor.DecisionTree->topLevelItem(i);
        if (area->childCount() > 0)
            QTest::mouseClick(editor.DecisionTree->viewport(), Qt::LeftButton, Qt::NoModifier,
                              editor.DecisionTree->MarkRect(area->child(0)).center());
    }
}

TEST_F(DesignWalk, ANewDesignOnTheExampleShowsWhatTheCommandLineComputes)
{
    Window.resize(1200, 800);
    Window.show();
    OpenFolder(ExampleCase);
    const QString folder = Settings.filePath(QStringLiteral("Rivertown"));
    Prompter->SaveFolderAnswers = {folder};
    ASSERT_TRUE(Window.SaveAs());
    TCase& c = Case();

    auto* view = Open<TDesignView>(TViewKind::Designs);
    Prompter->ConceptNames = {QStringLiteral("Walk")};
    view->NewBtn->trigger();
    TDesign* walk = c.Designs.Find(QStringLiteral("Walk"));
    ASSERT_NE(walk, nullptr);
    view->EditBtn->trigger();
    auto* editor = qobject_cast<TDOView*>(static_cast<QMdiSubWindow*>(walk->Editor.data())->widget());
    ASSERT_NE(editor, nullptr);

    // The top level of the example, then one level below it.
    Prompter->ConceptNames = {QStringLiteral("Town"), QStringLiteral("Quarter")};
    AddFromList(*editor, QStringLiteral("City"));
    ASSERT_NE(editor->Selected(), nullptr);
    ChooseFirstOptions(*editor);
    AddFromList(*editor, QStringLiteral("District"));
    TDesignObject* quarter = editor->Selected();
    ASSERT_NE(quarter, nullptr);
    ChooseFirstOptions(*editor);
    Retype(editor->CountBox, QStringLiteral("4"));
    QTest::keyClick(editor->CountBox, Qt::Key_Return);
    EXPECT_EQ(quarter->Count(), 4);
    EXPECT_GT(quarter->DesignOptions.size(), 0u);

    // What the values panel shows of the town, against the program's own evaluation.
    editor->Select(walk->TopObjects.First());
    editor->ShowPanel(TDOView::TPanel::Impacts);
    QStringList shown;
    for (int i = 0; i < editor->Panel->topLevelItemCount(); ++i) {
        const QString text = editor->Panel->topLevelItem(i)->text(0);
        shown << text.left(text.indexOf(QStringLiteral(" ["))) + QLatin1Char('\t') + text.mid(text.lastIndexOf(QStringLiteral(" = ")) + 3);
    }
    ASSERT_FALSE(shown.isEmpty());
    ASSERT_TRUE(Window.Save());
    const TCliRun run = RunCli({QStringLiteral("evaluate"), QStringLiteral("--objects"), folder});
    ASSERT_EQ(run.Status, 0) << run.Errors.toStdString();
    QStringList computed;
    for (const QString& line : run.Out.split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Walk\tTown\t")))
            computed << line.mid(10);
    shown.sort(Qt::CaseInsensitive);
    computed.sort(Qt::CaseInsensitive);
    EXPECT_EQ(shown, computed);

    // A report of the design from the list, found in the case's contents.
    view->Select(walk);
    view->ReportBtn->trigger();
    EXPECT_EQ(Prompter->ReportRuns, 1);
    const QString line = c.Contents.filter(QStringLiteral("ORVEL report")).value(0);
    QFile contents(folder + QStringLiteral("/items.htm"));
    ASSERT_TRUE(!line.isEmpty() && contents.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(contents.readAll()).contains(line));
    QFile report(folder + QLatin1Char('/') + line.section(QLatin1Char('"'), 3, 3));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly)) << report.fileName().toStdString();
    EXPECT_TRUE(QString::fromUtf8(report.readAll()).contains(QStringLiteral("Walk")));
    EXPECT_TRUE(Messages.Errors().isEmpty()) << Messages.Errors().join('\n').toStdString();
}

} // namespace
