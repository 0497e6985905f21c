// The system hierarchy on the example case, one picture per kind of item
// selected: run with ORVEL_SCREENSHOTS set to a folder outside the repository.
#include "hierarchyfixture.h"

#include <QMdiSubWindow>

namespace {

class HierarchyScreenshots : public HierarchyFixture
{
};

TEST_F(HierarchyScreenshots, EachKindOfItemSelected)
{
    const QString folder = qEnvironmentVariable("ORVEL_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set ORVEL_SCREENSHOTS to a folder to make them";
    ASSERT_TRUE(Window.CloseCase());
    Prompter->CaseFolderAnswer = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");
    Window.Open();
    OpenView();
    Window.resize(1000, 700);
    TSystemLevel* district = Case().SystemLevels.Find(QStringLiteral("District"));
    TDecisionArea* area = district->DecisionAreas.Find(QStringLiteral("Collective heat supply"));
    TOption* option = area->Options.Find(QStringLiteral("Geothermal heat network"));
    const std::pair<const char*, std::function<void()>> shots[] = {
        {"hierarchy-level", [&] { View->Select(district); }},
        {"hierarchy-area", [&] { View->Select(area); }},
        {"hierarchy-option", [&] { View->Select(option); }},
        {"hierarchy-effect", [&] { View->Select(option->Effects[0].get()); }},
    };
    for (const auto& [name, select] : shots) {
        select();
        QApplication::processEvents();
        QWidget* frame = View->parentWidget();
        EXPECT_TRUE(frame->grab().save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
    }
}

} // namespace
