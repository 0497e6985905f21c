#include "import/iconfromtext.h"

#include <gtest/gtest.h>

namespace {

const QRgb White = qRgb(255, 255, 255);

TEST(IconFromText, ReadsPixelsRowByRowWithTheMarkerWhiteAndGuardsEveryIndexAndSize)
{
    // 2 x 2, marker "!": black, marker, then red, and one pixel missing.
    const QImage icon = IconFromText(QStringLiteral("\"\"!@!I"));
    ASSERT_EQ(icon.size(), QSize(16, 16));
    EXPECT_EQ((QList<QRgb>{ icon.pixel(0, 0), icon.pixel(1, 0), icon.pixel(0, 1), icon.pixel(1, 1), icon.pixel(2, 0) }),
              (QList<QRgb>{ qRgb(0, 0, 0), White, qRgb(255, 0, 0), White, White }));
    EXPECT_EQ(IconFromText(QStringLiteral("!!!O")).pixel(0, 0), White);   // entry 15
    EXPECT_EQ(IconFromText(QStringLiteral("!!!N")).pixel(0, 0), qRgb(0, 255, 255));

    // Every index and size is guarded.
    struct { const char* What; QString Text; } cases[] = {
        { "too short", QStringLiteral("!!") },
        { "characters outside the palette", QStringLiteral("\"!#?P~") },
        { "no width", QStringLiteral("\x1f\"!@@@@") },
        { "a huge claimed size", QString(QChar(0xFFFF)) + QChar(0xFFFF) + QStringLiteral("!") + QString(300, QLatin1Char('@')) },
    };
    for (const auto& c : cases) {
        const QImage icon = IconFromText(c.Text);
        EXPECT_EQ(icon.size(), QSize(16, 16)) << c.What;
        EXPECT_EQ(icon.pixel(1, 0), c.Text.size() > 250 ? qRgb(0, 0, 0) : White) << c.What;
    }
    // Of a wide image only the left 16 columns are read, each row at its own offset.
    QString wide = QChar(32 + 20) + QStringLiteral("\"!") + QString(20, QLatin1Char('!')) + QStringLiteral("I");
    EXPECT_EQ(IconFromText(wide).pixel(0, 1), qRgb(255, 0, 0));
}

} // namespace
