// Pictures of the policy window and the problems and promises window on the
// example case: run with ORVEL_SCREENSHOTS set to a folder outside the repository.
#include "model/case.h"
#include "model/messagerecorder.h"
#include "model/option.h"
#include "storage/folderreader.h"
#include "ui/droptree.h"
#include "ui/mainwindow.h"
#include "ui/policyview.h"
#include "ui/proproview.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Shoot(QWidget& widget, const QString& name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = qEnvironmentVariable("ORVEL_SCREENSHOTS") + QLatin1Char('/') + name + QStringLiteral(".png");
    EXPECT_TRUE(widget.grab().save(path)) << qPrintable(name);
}

TEST(Screenshots, PoliciesAndProblemsAndPromises)
{
    if (qEnvironmentVariable("ORVEL_SCREENSHOTS").isEmpty())
        GTEST_SKIP() << "set ORVEL_SCREENSHOTS to a folder to make them";
    TMessageRecorder quiet;
    QTemporaryDir settings;
    TORVEL window(settings.filePath(QStringLiteral("ORVEL.ini")));
    window.SetPrompter(std::make_unique<TScriptedPrompter>());
    TCase aCase;
    ASSERT_TRUE(ReadCaseFolder(aCase, QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown")));
    ASSERT_FALSE(aCase.Policies.IsEmpty());
    ASSERT_FALSE(aCase.Combinations.empty());

    TPolicyView policies(window, aCase);
    policies.SelectPolicy(aCase.Policies.First());
    const char* modes[] = {"options", "combinations", "variables", "qualifiers", "appreciation"};
    for (int mode = 0; mode < 5; ++mode) {
        policies.SetMode(TPolicyView::TMode(mode));
        Shoot(policies, QStringLiteral("policies-") + QLatin1String(modes[mode]));
    }

    TProProView propro(window, aCase);
    // An area that some option precludes, and the option of the best rated combination.
    TDecisionArea* precluded = nullptr;
    aCase.ForEachOption([&precluded](TOption* o) {
        if (!precluded && !o->PrecludedAreas.empty())
            precluded = o->PrecludedAreas.front();
    });
    ASSERT_NE(precluded, nullptr);
    propro.Select(precluded);
    Shoot(propro, QStringLiteral("propro-area"));
    TOption* option = aCase.Combinations.front()->Options.front();
    propro.Select(option);
    Shoot(propro, QStringLiteral("propro-option"));
}

} // namespace
