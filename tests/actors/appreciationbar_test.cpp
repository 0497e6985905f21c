#include "actors/appreciation.h"
#include "actors/appreciationbar.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Positive: 1 of 3 at +1, 1 of 2 at +2 (weights 1/3 and 2/4); negative: 1 of 1
// at -3 (3/3). All weight: 10.
struct TMixed : TAppreciation
{
    TMixed()
    {
        CountItem(3, 1);
        AttainItem(1, 1);
        CountItem(2, 2);
        AttainItem(1, 2);
        CountItem(1, -3);
        AttainItem(1, -3);
    }
};

QString Table(const QString& cells)
{
    return QStringLiteral("<table width=180 border=0 cellpadding=0><tr>") + cells + QStringLiteral("</tr></table>");
}

} // namespace

TEST(BarHTML, WidthsAndColspansLineBothBandsUp)
{
    EXPECT_EQ(BarHTML(TMixed()),
              Table("<td width=15 bgcolor=#A0FF80>&nbsp;</td><td width=30 bgcolor=#40FF40>&nbsp;</td>"
                    "<td width=105 colspan=1 bgcolor=#EEEEEE>&nbsp;</td>")
                  + Table("<td width=45 bgcolor=#E00040>&nbsp;</td><td width=105 colspan=2 bgcolor=#EEEEEE>&nbsp;</td>"));

    // A full band has no filler; the other band's filler spans one column.
    TAppreciation full;
    full.CountItem(2, 3);
    full.AttainItem(2, 3);
    EXPECT_EQ(BarHTML(full), Table("<td width=150 bgcolor=#00D000>&nbsp;</td>")
                                 + Table("<td width=150 colspan=1 bgcolor=#EEEEEE>&nbsp;</td>"));

    // Three undesirable levels against an empty upper band.
    TAppreciation low;
    for (int level : { -1, -2, -3 }) {
        low.CountItem(1, level);
        low.AttainItem(1, level);
    }
    EXPECT_EQ(BarHTML(low), Table("<td width=150 colspan=3 bgcolor=#EEEEEE>&nbsp;</td>")
                                + Table("<td width=25 bgcolor=#FFC000>&nbsp;</td><td width=50 bgcolor=#FF4040>&nbsp;</td>"
                                        "<td width=75 bgcolor=#E00040>&nbsp;</td>"));
}

TEST(DrawBar, BandsFromCumulativeBoundariesOnGrey)
{
    QImage canvas(50, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    DrawBar(TMixed(), canvas, 5, 3);
    const auto colour = [&](int x, int y) { return QColor(canvas.pixel(x, y)).name(QColor::HexRgb).toUpper(); };
    const struct { int x, y; const char* colour; } pixels[] = {
        // Upper band: +1 up to 40 * 1/10 = 4, +2 up to 40 * 3/10 = 12, then grey.
        { 5, 4, "#A0FF80" }, { 8, 10, "#A0FF80" }, { 9, 4, "#40FF40" }, { 16, 10, "#40FF40" }, { 17, 4, "#C0C0C0" },
        // Lower band: -3 up to 40 * 3/10 = 12.
        { 5, 11, "#E00040" }, { 16, 17, "#E00040" }, { 17, 11, "#C0C0C0" },
        // The grey frame row on top, and nothing outside 40 x 15.
        { 5, 3, "#C0C0C0" }, { 44, 17, "#C0C0C0" }, { 45, 10, "#FFFFFF" }, { 10, 18, "#FFFFFF" }, { 4, 10, "#FFFFFF" },
    };
    for (const auto& p : pixels)
        EXPECT_EQ(colour(p.x, p.y), p.colour) << p.x << "," << p.y;

    canvas.fill(Qt::white);
    DrawBar(TAppreciation(), canvas, 0, 0);
    EXPECT_EQ(colour(0, 0), "#C0C0C0");
    EXPECT_EQ(colour(39, 14), "#C0C0C0");
    EXPECT_EQ(colour(40, 14), "#FFFFFF");
}
