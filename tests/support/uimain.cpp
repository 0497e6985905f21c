// Test main for the desktop program's windows, on the offscreen platform.
#include "support/unexpectedmessages.h"

#include <QApplication>
#include <unistd.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("USER") == "root" || geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    FailTestsOnUnexpectedMessages();
    return RUN_ALL_TESTS();
}
