#include "ui/hierarchyicons.h"

#include "model/category.h"
#include "model/decisionarea.h"
#include "model/icons.h"
#include "model/systemlevel.h"

#include <QPainter>

namespace {

QPixmap Blank(int width)
{
    QPixmap pixmap(width, IconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A phase-coloured level icon keeps only the pixels it recoloured.
QImage WithoutWhite(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                image.setPixel(x, y, 0);
    return image;
}

} // namespace

QPixmap AreaPixmap(const TDecisionArea& area)
{
    QPixmap pixmap = Blank(2 * IconSize + 2);
    QPainter painter(&pixmap);
    if (area.Phase)
        painter.drawImage(0, 0, WithoutWhite(LevelInPhaseIcon(area.SystemLevel->Icon, *area.Phase)));
    if (area.Category)
        painter.drawImage(IconSize + 2, 0, area.Category->Icon);
    return pixmap;
}

QPixmap OptionPixmap(bool qualified)
{
    QPixmap pixmap = Blank(IconSize + 8);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (qualified) {
        painter.setPen(QColor(0x80, 0x80, 0x00));
        painter.setBrush(QColor(0x00, 0xFF, 0x00));
        painter.drawEllipse(QRectF(0.5, 5.5, 5, 5));
    }
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(9.5, 2.5, 12, 12));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x50, 0xA0));
    painter.drawEllipse(QRectF(12.5, 5.5, 6, 6));
    return pixmap;
}

