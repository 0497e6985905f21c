#include "actors/appreciationbar.h"

#include "actors/appreciation.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>

namespace {

// Colours of the levels +1, +2, +3 and -1, -2, -3: light to deep green, and
// orange to deep red.
const char* const UpperColours[] = { "A0FF80", "40FF40", "00D000" };
const char* const LowerColours[] = { "FFC000", "FF4040", "E00040" };

constexpr int BarWidth = 40;
constexpr int HtmlWidth = 150;
const QString TableStart = QStringLiteral("<table width=180 border=0 cellpadding=0><tr>");
const QString TableEnd = QStringLiteral("</tr></table>");

qint64 AllWeight(const TAppreciation& a) { return qint64(a.PositiveTotal) + a.NegativeTotal; }

// The attained weights of one band, level by level away from 0.
std::array<qint64, 3> Band(const TAppreciation& a, int sign)
{
    return { a.Attained[sign], a.Attained[2 * sign], a.Attained[3 * sign] };
}

qint64 Scaled(qint64 weight, int width, qint64 all) { return RoundToEven(double(width) * double(weight) / double(all)); }

void DrawBand(QPainter& painter, const std::array<qint64, 3>& weights, const char* const colours[], qint64 all,
              int x, int top, int bottom)
{
    qint64 sum = 0, left = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        sum += weights[i];
        const qint64 right = Scaled(sum, BarWidth, all);
        painter.fillRect(QRect(x + int(left), top, int(right - left), bottom - top),
                         QColor(QLatin1Char('#') + QLatin1String(colours[i])));
        left = right;
    }
}

struct THtmlBand
{
    std::array<qint64, 3> Widths;
    qint64 Sum = 0;
    int Cells = 0;
};

THtmlBand HtmlBand(const std::array<qint64, 3>& weights, qint64 all)
{
    THtmlBand band;
    for (size_t i = 0; i < weights.size(); ++i) {
        band.Widths[i] = Scaled(weights[i], HtmlWidth, all);
        band.Sum += band.Widths[i];
        band.Cells += band.Widths[i] > 0 ? 1 : 0;
    }
    if (band.Sum < HtmlWidth)
        ++band.Cells;
    return band;
}

// The band's cells; the grey filler spans enough columns to line both bands up.
QString HtmlCells(const THtmlBand& band, const char* const colours[], int columns)
{
    QString cells;
    for (size_t i = 0; i < band.Widths.size(); ++i)
        if (band.Widths[i] > 0)
            cells += QStringLiteral("<td width=%1 bgcolor=#%2>&nbsp;</td>").arg(band.Widths[i]).arg(QLatin1String(colours[i]));
    if (band.Sum < HtmlWidth)
        cells += QStringLiteral("<td width=%1 colspan=%2 bgcolor=#EEEEEE>&nbsp;</td>")
                     .arg(HtmlWidth - band.Sum)
                     .arg(columns - band.Cells + 1);
    return cells;
}

} // namespace

void DrawBar(const TAppreciation& appreciation, QImage& canvas, int x, int y)
{
    QPainter painter(&canvas);
    painter.fillRect(QRect(x, y, BarWidth, 15), QColor(0xC0, 0xC0, 0xC0));
    const qint64 all = AllWeight(appreciation);
    if (all <= 0)
        return;
    DrawBand(painter, Band(appreciation, 1), UpperColours, all, x, y + 1, y + 8);
    DrawBand(painter, Band(appreciation, -1), LowerColours, all, x, y + 8, y + 15);
}

QString BarHTML(const TAppreciation& appreciation)
{
    const qint64 all = AllWeight(appreciation);
    if (all <= 0)
        return QStringLiteral("<table width=180 border=0 cellpadding=0><tr><td width=150 bgcolor=#EEEEEE>&nbsp;</td></tr>"
                              "<tr><td width=150 bgcolor=#EEEEEE>&nbsp;</td></tr></table>");
    const THtmlBand upper = HtmlBand(Band(appreciation, 1), all);
    const THtmlBand lower = HtmlBand(Band(appreciation, -1), all);
    const int columns = std::max(upper.Cells, lower.Cells);
    return TableStart + HtmlCells(upper, UpperColours, columns) + TableEnd + TableStart
           + HtmlCells(lower, LowerColours, columns) + TableEnd;
}
