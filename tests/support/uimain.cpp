// Test main for the desktop program's windows, on the offscreen platform.
#include "support/unexpectedmessages.h"
#include "ui/webengineroot.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    AllowWebEngineAsRoot();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    FailTestsOnUnexpectedMessages();
    return RUN_ALL_TESTS();
}
