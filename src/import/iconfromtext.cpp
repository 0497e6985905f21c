#include "import/iconfromtext.h"

#include "model/icons.h"

#include <QColor>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<QRgb, 16> Palette = {
    qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
    qRgb(192, 192, 192), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

QRgb PixelColour(QChar c, QChar transparent)
{
    const int entry = c.unicode() - 64;
    if (c == transparent || entry < 0 || entry >= int(Palette.size()))
        return qRgb(255, 255, 255);
    return Palette[size_t(entry)];
}

} // namespace

QImage IconFromText(const QString& text)
{
    QImage icon(IconSize, IconSize, QImage::Format_RGB32);
    icon.fill(Qt::white);
    if (text.size() < 3)
        return icon;
    const qsizetype width = text[0].unicode() - 32;
    const qsizetype height = text[1].unicode() - 32;
    const QChar transparent = text[2];
    for (qsizetype y = 0; y < std::min<qsizetype>(height, IconSize); ++y)
        for (qsizetype x = 0; x < std::min<qsizetype>(width, IconSize); ++x) {
            const qsizetype at = 3 + y * width + x;
            if (at < text.size())
                icon.setPixel(int(x), int(y), PixelColour(text[at], transparent));
        }
    return icon;
}
