#include "model/icons.h"

#include "model/category.h"
#include "model/phase.h"
#include "model/qualifier.h"
#include "model/systemlevel.h"

#include <QPainter>
#include <QPolygon>

namespace {

const QColor Grey(0x80, 0x80, 0x80);
const QColor Silver(0xC0, 0xC0, 0xC0);

// Outlines without anti-aliasing, so every pixel is exactly one of the icon colours.
void PrepareAliased(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
}

QPolygon Points(std::initializer_list<QPoint> points) { return QPolygon(QList<QPoint>(points)); }

} // namespace

QImage BlankIcon()
{
    QImage icon(IconSize, IconSize, QImage::Format_RGB32);
    icon.fill(Qt::white);
    return icon;
}

QImage DefaultRectangleIcon()
{
    QImage icon = BlankIcon();
    QPainter painter(&icon);
    PrepareAliased(painter);
    painter.setPen(Grey);
    // Right and bottom edges exclusive: the outline runs from (1, 2) to (13, 14).
    painter.drawRect(1, 2, 12, 12);
    return icon;
}

QImage DefaultEllipseIcon()
{
    QImage icon = BlankIcon();
    QPainter painter(&icon);
    PrepareAliased(painter);
    painter.setPen(Grey);
    painter.drawEllipse(1, 3, 11, 11);
    return icon;
}

QImage PhaseClockIcon(const QColor& color, const QColor& middle, const QColor& dark)
{
    QImage icon = BlankIcon();
    {
        QPainter painter(&icon);
        PrepareAliased(painter);
        painter.setPen(dark);
        painter.setBrush(color);
        painter.drawEllipse(0, 0, 14, 14);
        painter.drawPolyline(Points({ { 7, 2 }, { 7, 7 }, { 11, 11 } }));
    }
    const QPoint marks[] = { { 7, 1 }, { 10, 2 }, { 12, 4 }, { 13, 7 }, { 12, 10 }, { 10, 12 },
                             { 7, 13 }, { 4, 12 }, { 2, 10 }, { 1, 7 }, { 2, 4 }, { 4, 2 } };
    for (const QPoint& p : marks)
        icon.setPixelColor(p, middle);
    return icon;
}

QImage DesignIcon(const QImage& levelIcon, bool selectedVariant)
{
    QImage icon = levelIcon.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&icon);
    PrepareAliased(painter);
    painter.setPen(Qt::black);
    painter.setBrush(selectedVariant ? QColor(0xFF, 0, 0) : QColor(0, 0xFF, 0xFF));
    painter.drawPolygon(Points({ { 0, 5 }, { 10, 15 }, { 0, 15 } }));
    painter.setBrush(Qt::white);
    painter.drawPolygon(Points({ { 2, 10 }, { 5, 13 }, { 2, 13 } }));
    return icon;
}

QImage LevelInPhaseIcon(const QImage& levelIcon, const TPhase& phase)
{
    const QImage source = levelIcon.convertToFormat(QImage::Format_RGB32);
    QImage icon(source.size(), QImage::Format_RGB32);
    icon.fill(Qt::white);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y) & 0xFFFFFF;
            if (pixel == 0)
                icon.setPixelColor(x, y, phase.DarkColor);
            else if (pixel == (Grey.rgb() & 0xFFFFFF))
                icon.setPixelColor(x, y, phase.MiddleColor);
            else if (pixel == (Silver.rgb() & 0xFFFFFF))
                icon.setPixelColor(x, y, phase.Color);
        }
    }
    return icon;
}

QImage LevelInPhaseVariantIcon(const QImage& levelIcon, const TPhase& phase)
{
    QImage icon = LevelInPhaseIcon(levelIcon, phase);
    QPainter painter(&icon);
    PrepareAliased(painter);
    painter.setPen(Qt::black);
    painter.drawPolyline(Points({ { 0, 5 }, { 2, 5 }, { 7, 10 }, { 2, 15 }, { 0, 15 }, { 0, 12 },
                                  { 2, 10 }, { 0, 8 }, { 0, 5 } }));
    painter.setPen(phase.MiddleColor);
    painter.drawPolyline(Points({ { 2, 6 }, { 6, 10 }, { 1, 15 } }));
    painter.setPen(Qt::white);
    painter.drawPolyline(Points({ { 1, 6 }, { 5, 10 }, { 1, 14 }, { 1, 12 }, { 3, 10 }, { 1, 8 },
                                  { 1, 7 }, { 4, 10 }, { 1, 13 } }));
    return icon;
}

bool SetConceptIcon(TConcept& item, const QImage& image)
{
    QImage icon = BlankIcon();
    {
        QPainter painter(&icon);
        painter.drawImage(0, 0, image, 0, 0, IconSize, IconSize);
    }
    if (auto* level = dynamic_cast<TSystemLevel*>(&item)) {
        level->Icon = icon;
        level->UpdateDesignIcon();
    } else if (auto* category = dynamic_cast<TCategory*>(&item)) {
        category->Icon = icon;
    } else if (auto* qualifier = dynamic_cast<TQualifier*>(&item)) {
        qualifier->Icon = icon;
    } else {
        return false;
    }
    return true;
}
