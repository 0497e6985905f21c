#include "exampleicons.h"

#include "model/icons.h"

#include <QPainter>
#include <QPolygon>
#include <functional>

namespace {

const QColor Grey(0x80, 0x80, 0x80);
const QColor Silver(0xC0, 0xC0, 0xC0);

// Pixel-exact drawing: no antialiasing, so that the shades stay pure.
QImage Draw(const std::function<void(QPainter&)>& paint)
{
    QImage icon = BlankIcon();
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paint(painter);
    painter.end();
    return icon;
}

void Box(QPainter& p, int x, int y, int w, int h, const QColor& fill, const QColor& outline = Qt::black)
{
    p.setPen(outline);
    p.setBrush(fill);
    p.drawRect(x, y, w - 1, h - 1);
}

void Polygon(QPainter& p, std::initializer_list<QPoint> points, const QColor& fill, const QColor& outline)
{
    p.setPen(outline);
    p.setBrush(fill);
    p.drawPolygon(QPolygon(QList<QPoint>(points)));
}

void House(QPainter& p, int x, int y)
{
    Polygon(p, { { x, y + 3 }, { x + 3, y }, { x + 6, y + 3 } }, Grey, Qt::black);
    Box(p, x, y + 3, 7, 5, Silver);
    p.setPen(Qt::black);
    p.drawPoint(x + 3, y + 6);
}

} // namespace

QImage CityIcon()
{
    return Draw([](QPainter& p) {
        Box(p, 1, 7, 4, 8, Silver);
        Box(p, 5, 2, 5, 13, Silver);
        Box(p, 10, 5, 5, 10, Silver);
        p.setPen(Grey);
        for (int y = 4; y < 14; y += 3)
            p.drawLine(7, y, 8, y);
        for (int y = 8; y < 14; y += 3)
            p.drawLine(12, y, 13, y);
    });
}

QImage DistrictIcon()
{
    return Draw([](QPainter& p) {
        House(p, 0, 7);
        House(p, 8, 7);
        House(p, 4, 1);
    });
}

QImage BuildingIcon()
{
    return Draw([](QPainter& p) {
        Polygon(p, { { 1, 7 }, { 8, 1 }, { 15, 7 } }, Grey, Qt::black);
        Box(p, 2, 7, 13, 8, Silver);
        Box(p, 7, 10, 3, 5, Grey);
        Box(p, 3, 9, 3, 3, Qt::white);
        Box(p, 11, 9, 3, 3, Qt::white);
    });
}

QImage LandUseIcon()
{
    return Draw([](QPainter& p) {
        Box(p, 1, 2, 14, 13, QColor(0x9C, 0xD0, 0x7C), QColor(0x3A, 0x6E, 0x2A));
        p.setPen(QColor(0x3A, 0x6E, 0x2A));
        p.drawLine(1, 8, 14, 8);
        p.drawLine(8, 2, 8, 14);
        p.fillRect(9, 3, 5, 5, QColor(0xD8, 0xC0, 0x78));
    });
}

QImage BuildingFabricIcon()
{
    return Draw([](QPainter& p) {
        p.fillRect(1, 2, 14, 13, QColor(0xB0, 0x50, 0x38));
        p.setPen(Qt::white);
        for (int y = 5; y < 15; y += 3)
            p.drawLine(1, y, 14, y);
        for (int row = 0; row < 5; ++row)
            for (int x = row % 2 ? 3 : 6; x < 15; x += 6)
                p.drawLine(x, 2 + 3 * row, x, 4 + 3 * row);
    });
}

QImage HeatSupplyIcon()
{
    return Draw([](QPainter& p) {
        Polygon(p, { { 8, 1 }, { 13, 8 }, { 12, 13 }, { 8, 15 }, { 4, 13 }, { 3, 8 }, { 6, 5 }, { 7, 8 } },
                QColor(0xF0, 0x60, 0x10), QColor(0xA0, 0x30, 0x00));
        Polygon(p, { { 8, 7 }, { 10, 11 }, { 8, 14 }, { 6, 11 } }, QColor(0xFF, 0xD0, 0x30), QColor(0xFF, 0xD0, 0x30));
    });
}

QImage ElectricityIcon()
{
    return Draw([](QPainter& p) {
        Polygon(p, { { 9, 0 }, { 3, 9 }, { 7, 9 }, { 5, 15 }, { 12, 6 }, { 8, 6 }, { 11, 0 } },
                QColor(0xFF, 0xD7, 0x00), Qt::black);
    });
}

QImage MobilityIcon()
{
    return Draw([](QPainter& p) {
        Box(p, 1, 3, 14, 9, QColor(0x30, 0x70, 0xD0), QColor(0x10, 0x30, 0x80));
        p.fillRect(3, 5, 3, 3, Qt::white);
        p.fillRect(7, 5, 3, 3, Qt::white);
        p.fillRect(11, 5, 2, 3, Qt::white);
        p.setPen(Qt::black);
        p.setBrush(Qt::black);
        p.drawEllipse(3, 11, 3, 3);
        p.drawEllipse(10, 11, 3, 3);
    });
}

QImage GovernanceIcon()
{
    return Draw([](QPainter& p) {
        Polygon(p, { { 1, 5 }, { 8, 1 }, { 15, 5 } }, QColor(0x90, 0x90, 0xA0), QColor(0x40, 0x40, 0x50));
        p.setPen(QColor(0x40, 0x40, 0x50));
        for (int x = 3; x < 15; x += 4)
            p.drawLine(x, 6, x, 12);
        p.fillRect(1, 13, 15, 2, QColor(0x40, 0x40, 0x50));
    });
}

QImage RenewableIcon()
{
    return Draw([](QPainter& p) {
        Polygon(p, { { 2, 14 }, { 3, 7 }, { 7, 3 }, { 14, 2 }, { 13, 9 }, { 9, 13 } }, QColor(0x3C, 0xA0, 0x50),
                QColor(0x1C, 0x60, 0x28));
        p.setPen(QColor(0x1C, 0x60, 0x28));
        p.drawLine(2, 14, 11, 5);
    });
}

QImage LowCostIcon()
{
    return Draw([](QPainter& p) {
        p.setPen(QColor(0x90, 0x68, 0x00));
        p.setBrush(QColor(0xF0, 0xC0, 0x20));
        p.drawEllipse(1, 2, 13, 13);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(4, 5, 7, 7);
    });
}

QImage InnovativeIcon()
{
    return Draw([](QPainter& p) {
        p.setPen(QColor(0x90, 0x80, 0x00));
        p.setBrush(QColor(0xFF, 0xF0, 0x60));
        p.drawEllipse(3, 1, 9, 9);
        Box(p, 6, 10, 4, 2, Silver, Grey);
        Box(p, 6, 12, 4, 2, Silver, Grey);
    });
}

QImage DisruptiveIcon()
{
    return Draw([](QPainter& p) {
        Polygon(p, { { 8, 1 }, { 15, 14 }, { 1, 14 } }, QColor(0xD0, 0x20, 0x20), QColor(0x80, 0x00, 0x00));
        p.setPen(Qt::white);
        p.drawLine(8, 5, 8, 9);
        p.drawPoint(8, 12);
    });
}
