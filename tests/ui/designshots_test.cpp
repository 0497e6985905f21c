// Pictures of the design windows on the example case, for a person to look at:
// run with ORVEL_SCREENSHOTS set to a folder outside the repository.
#include "design/designobject.h"
#include "model/case.h"
#include "model/messagerecorder.h"
#include "ui/designview.h"
#include "ui/doview.h"
#include "ui/mainwindow.h"
#include "uitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

void Shoot(QWidget& widget, const QString& name)
{
    QApplication::processEvents();
    const QString path = qEnvironmentVariable("ORVEL_SCREENSHOTS") + QLatin1Char('/') + name + QStringLiteral(".png");
    EXPECT_TRUE(widget.grab().save(path)) << name.toStdString();
}

TEST(DesignShots, DesignViewAndEditorOnTheExample)
{
    if (qEnvironmentVariableIsEmpty("ORVEL_SCREENSHOTS"))
        GTEST_SKIP() << "ORVEL_SCREENSHOTS names no folder";
    TMessageRecorder messages;
    QTemporaryDir settings;
    TORVEL window(settings.filePath(QStringLiteral("ORVEL.ini")));
    auto prompter = std::make_unique<TScriptedPrompter>();
    prompter->CaseFolderAnswer = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");
    window.SetPrompter(std::move(prompter));
    window.SetCaseStore(TCaseStore::CaseFolders());
    window.resize(1280, 860);
    window.show();
    window.Open();
    ASSERT_NE(window.Case(), nullptr);
    TCase& c = *window.Case();
    window.SpecificOptionsItem->trigger();
    window.QualificationsItem->trigger();

    window.ToggleView(TViewKind::Designs);
    auto* view = qobject_cast<TDesignView*>(window.View(TViewKind::Designs));
    TDesign* design = c.Designs.At(c.Designs.Count() - 1);
    view->Select(c.Designs.First());
    view->BaseCaseBtn->trigger();
    view->Select(design);
    view->EditBtn->trigger();
    auto* frame = static_cast<QMdiSubWindow*>(design->Editor.data());
    auto* editor = static_cast<TDOView*>(frame->widget());
    frame->resize(980, 520);
    view->parentWidget()->resize(760, 460);
    Shoot(*view->parentWidget(), QStringLiteral("designview"));

    TDesignObject* top = design->TopObjects.First();
    TDesignObject* shown = top->Children.IsEmpty() ? top : top->Children.First();
    editor->Select(shown);
    const std::pair<TDOView::TPanel, const char*> panels[] = {
        {TDOView::TPanel::Preclusions, "doview-preclusions"},
        {TDOView::TPanel::ProblemsPromises, "doview-problems"},
        {TDOView::TPanel::Impacts, "doview-impacts"},
        {TDOView::TPanel::Qualifications, "doview-qualifications"},
    };
    // Each panel on the first object where it has something to show.
    for (const auto& [panel, name] : panels) {
        editor->ShowPanel(panel);
        bool found = false;
        design->ForEachObject([&](TDesignObject* object) {
            if (found)
                return;
            editor->Select(object);
            found = editor->Panel->topLevelItemCount() > 0;
        });
        if (!found)
            editor->Select(shown);
        Shoot(*frame, QLatin1String(name));
    }
    Shoot(window, QStringLiteral("designs-main"));
}

} // namespace
