// A user's walk through the design windows on the example case, checked
// against the command-line program, which evaluates through the same core.
#include "cli/clirun.h"
#include "design/designobject.h"
#include "model/case.h"
#include "model/messagerecorder.h"
#include "ui/countbox.h"
#include "ui/designview.h"
#include "ui/doview.h"
#include "ui/designtree.h"
#include "ui/mainwindow.h"
#include "uitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

bool CopyFolder(const QString& from, const QString& to)
{
    QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !CopyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

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
        if (area->childCount() == 0)
            continue;
        QTest::mouseClick(editor.DecisionTree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          editor.DecisionTree->MarkRect(area->child(0)).center());
    }
}

TEST(DesignWalk, ANewDesignOnTheExampleShowsWhatTheCommandLineComputes)
{
    TMessageRecorder messages;
    QTemporaryDir settings;
    QTemporaryDir work;
    const QString folder = work.filePath(QStringLiteral("Rivertown"));
    ASSERT_TRUE(CopyFolder(QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown"), folder));
    TORVEL window(settings.filePath(QStringLiteral("ORVEL.ini")));
    auto owned = std::make_unique<TScriptedPrompter>();
    TScriptedPrompter& prompter = *owned;
    window.SetPrompter(std::move(owned));
    window.SetCaseStore(TCaseStore::CaseFolders());
    window.resize(1200, 800);
    window.show();
    prompter.CaseFolderAnswer = folder;
    window.Open();
    ASSERT_NE(window.Case(), nullptr);
    TCase& c = *window.Case();

    window.ToggleView(TViewKind::Designs);
    auto* view = qobject_cast<TDesignView*>(window.View(TViewKind::Designs));
    ASSERT_NE(view, nullptr);
    prompter.ConceptNames = {QStringLiteral("Walk")};
    view->NewBtn->trigger();
    TDesign* walk = c.Designs.Find(QStringLiteral("Walk"));
    ASSERT_NE(walk, nullptr);
    view->EditBtn->trigger();
    auto* editor = qobject_cast<TDOView*>(static_cast<QMdiSubWindow*>(walk->Editor.data())->widget());
    ASSERT_NE(editor, nullptr);

    // The top level of the example, then one level below it.
    const TSystemLevel* top = nullptr;
    for (const TSystemLevel* level : c.SystemLevels)
        if (!level->Parent && !level->Children.empty())
            top = level;
    ASSERT_NE(top, nullptr);
    prompter.ConceptNames = {QStringLiteral("Town")};
    AddFromList(*editor, top->Name);
    ASSERT_NE(editor->Selected(), nullptr);
    ChooseFirstOptions(*editor);
    prompter.ConceptNames = {QStringLiteral("Quarter")};
    AddFromList(*editor, top->Children.front()->Name);
    TDesignObject* quarter = editor->Selected();
    ASSERT_NE(quarter, nullptr);
    ChooseFirstOptions(*editor);
    editor->CountBox->setFocus();
    editor->CountBox->selectAll();
    QTest::keyClicks(editor->CountBox, QStringLiteral("4"));
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
    ASSERT_TRUE(window.Save());
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
    EXPECT_EQ(prompter.ReportRuns, 1);
    ASSERT_FALSE(c.Contents.filter(QStringLiteral("ORVEL report")).isEmpty());
    QFile contents(folder + QStringLiteral("/items.htm"));
    ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(contents.readAll());
    const QString line = c.Contents.filter(QStringLiteral("ORVEL report")).last();
    EXPECT_TRUE(page.contains(line));
    const QString report = line.section(QLatin1Char('"'), 3, 3);
    QFile reportFile(folder + QLatin1Char('/') + report);
    ASSERT_TRUE(reportFile.open(QIODevice::ReadOnly)) << report.toStdString();
    EXPECT_TRUE(QString::fromUtf8(reportFile.readAll()).contains(QStringLiteral("Walk")));
    EXPECT_TRUE(messages.Errors().isEmpty()) << messages.Errors().join('\n').toStdString();
}

} // namespace
