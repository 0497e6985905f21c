// A user gives the example case a new actor through the actor window only,
// saves, reopens, and the command-line program appraises the designs with it.
#include "actors/actor.h"
#include "cli/clirun.h"
#include "model/case.h"
#include "model/messagerecorder.h"
#include "model/option.h"
#include "ui/actorview.h"
#include "ui/casestore.h"
#include "ui/dragitems.h"
#include "ui/droplist.h"
#include "ui/mainwindow.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

void DropOn(QWidget* target, const std::vector<TDragItem>& items)
{
    std::unique_ptr<QMimeData> data(MakeDragData(items));
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

TActorView* OpenActors(TORVEL& window)
{
    window.ToggleView(TViewKind::Actors);
    return static_cast<TActorView*>(window.View(TViewKind::Actors));
}

} // namespace

TEST(ActorWalkThrough, ANewActorWithAGoalAndFeelingsIsSavedAndAppraised)
{
    TMessageRecorder messages;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Rivertown"));
    TORVEL window(dir.filePath(QStringLiteral("ORVEL.ini")));
    auto prompter = std::make_unique<TScriptedPrompter>();
    TScriptedPrompter& prompts = *prompter;
    window.SetPrompter(std::move(prompter));
    window.SetCaseStore(TCaseStore::CaseFolders());
    prompts.CaseFolderAnswer = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");
    window.Open();
    window.show();
    TActorView* view = OpenActors(window);

    prompts.ConceptNames = { QStringLiteral("Water board") };
    view->AddBtn->click();
    ASSERT_EQ(view->SelectedActor()->Name, "Water board");
    // A goal: the variable from the chooser, the value typed, then the direction's menu entry.
    view->NameBox->setCurrentIndex(view->NameBox->findText(QStringLiteral("Jobs")));
    view->NameBox->activated(view->NameBox->currentIndex());
    view->ValueBox->setText(QStringLiteral("12.5"));
    view->ChooseDirection(1);
    // Feelings: an option and a qualifier dragged from the other windows.
    TOption* tram = nullptr;
    window.Case()->ForEachOption([&](TOption* o) { tram = o->Name == "Tram line" ? o : tram; });
    view->ModeButtons[size_t(TActorMode::Options)]->click();
    view->ChooseWeight(3);
    DropOn(view->PositionList->viewport(), { DragItem(tram) });
    view->ModeButtons[size_t(TActorMode::Qualifiers)]->click();
    DropOn(view->PositionList->viewport(), { DragItem(window.Case()->Qualifiers.At(0)) });

    prompts.SaveFolderAnswers = { folder };
    ASSERT_TRUE(window.SaveAs());
    prompts.CaseFolderAnswer = folder;
    window.Open();
    const TActor* reread = window.Case()->Actors.At(window.Case()->Actors.IndexOfName(QStringLiteral("Water board")));
    ASSERT_EQ(reread->Goals.size(), 1u);
    EXPECT_EQ(reread->Goals[0]->Value, 12.5);
    EXPECT_EQ(reread->Goals[0]->Direction, 1);
    ASSERT_EQ(reread->Options.size(), 1u);
    EXPECT_EQ(reread->Options[0]->Option->Name, "Tram line");
    EXPECT_EQ(reread->Options[0]->Preference, 3);
    EXPECT_EQ(reread->Qualifiers.size(), 1u);
    EXPECT_TRUE(messages.Errors().isEmpty()) << messages.Errors().join(' ').toStdString();

    const TCliRun run = RunCli({ QStringLiteral("appraise"), folder, QStringLiteral("--objectives"),
                                 QStringLiteral("--options"), QStringLiteral("--qualifications") });
    ASSERT_EQ(run.Status, 0) << run.Errors.toStdString();
    int lines = 0;
    for (const QString& line : run.Out.split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.value(1) != "Water board")
            continue;
        ++lines;
        ASSERT_EQ(fields.size(), 6) << line.toStdString();
        // The goal counts with its weight 2, the option feeling with 3, and the
        // qualifier feeling is positive; none is negative.
        EXPECT_TRUE(fields[3].endsWith("/2 positive")) << line.toStdString();
        EXPECT_TRUE(fields[4].endsWith("/3 positive")) << line.toStdString();
        EXPECT_TRUE(fields[5].endsWith(" positive")) << line.toStdString();
    }
    EXPECT_EQ(lines, window.Case()->Designs.Count());
}
