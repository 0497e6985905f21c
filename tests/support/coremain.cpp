// Test main for the core: the offscreen platform (icons are drawn with QPainter)
// and the locale named by ORVEL_TEST_LOCALE, so that every suite also runs with a
// comma as decimal separator.
#include "support/unexpectedmessages.h"

#include <QGuiApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QByteArray locale = qgetenv("ORVEL_TEST_LOCALE");
    QLocale::setDefault(locale.isEmpty() ? QLocale::c() : QLocale(QString::fromLatin1(locale)));
    ::testing::InitGoogleTest(&argc, argv);
    FailTestsOnUnexpectedMessages();
    return RUN_ALL_TESTS();
}
