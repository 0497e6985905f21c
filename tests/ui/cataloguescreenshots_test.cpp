// Pictures of the catalogue windows and the icon editor on the example case,
// for a person to look at: run with ORVEL_SCREENSHOTS set to a folder.
#include "model/case.h"
#include "model/messagerecorder.h"
#include "ui/catalogueview.h"
#include "ui/iconeditor.h"
#include "ui/mainwindow.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

TEST(CatalogueScreenshots, EveryCatalogueWindowOnTheExampleCase)
{
    const QString shots = qEnvironmentVariable("ORVEL_SCREENSHOTS");
    if (shots.isEmpty())
        GTEST_SKIP() << "set ORVEL_SCREENSHOTS to a folder to make them";
    TMessageRecorder quiet;
    TORVEL window(QDir(shots).filePath(QStringLiteral("ORVEL.ini")));
    auto prompter = std::make_unique<TScriptedPrompter>();
    prompter->CaseFolderAnswer = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");
    window.SetPrompter(std::move(prompter));
    window.resize(1000, 700);
    window.show();
    window.Open();
    ASSERT_NE(window.Case(), nullptr);

    const std::pair<TViewKind, const char*> views[] = {
        {TViewKind::Phases, "phases"},         {TViewKind::Categories, "categories"},
        {TViewKind::Qualifiers, "qualifiers"}, {TViewKind::Scales, "scales"},
        {TViewKind::Variables, "variables"},
    };
    for (const auto& [kind, name] : views) {
        window.ToggleView(kind);
        auto* view = dynamic_cast<TCatalogueView*>(window.View(kind));
        ASSERT_NE(view, nullptr) << name;
        if (view->List->count() > 1)
            view->List->setCurrentRow(1);
        QApplication::processEvents();
        EXPECT_TRUE(view->parentWidget()->grab().save(QDir(shots).filePath(QLatin1String(name) + QStringLiteral(".png"))));
    }
    window.grab().save(QDir(shots).filePath(QStringLiteral("catalogues-main.png")));

    TIconEditor editor;
    for (const auto& [item, name] : {std::pair<const TConcept*, const char*>{window.Case()->Categories.First(), "icon-editor"},
                                     {window.Case()->SystemLevels.First(), "icon-editor-level"}}) {
        ASSERT_TRUE(editor.Prepare(*item));
        editor.show();
        QApplication::processEvents();
        EXPECT_TRUE(editor.grab().save(QDir(shots).filePath(QLatin1String(name) + QStringLiteral(".png"))));
    }
    window.Case()->Changed = false;
}

} // namespace
