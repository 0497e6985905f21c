#include "ui/uiicons.h"

#include "model/variable.h"
#include "storage/folderimages.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QIcon EffectIcon(bool nullWhenStatusQuo) { return QIcon(EffectPixmap(false, nullWhenStatusQuo)); }

QPixmap EffectPixmap(bool averaging, bool nullWhenStatusQuo)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(2, 6);
    arrow.lineTo(8, 6);
    arrow.lineTo(8, 2);
    arrow.lineTo(14, 8);
    arrow.lineTo(8, 14);
    arrow.lineTo(8, 10);
    arrow.lineTo(2, 10);
    arrow.closeSubpath();
    painter.fillPath(arrow, averaging ? QColor(0x20, 0x90, 0x40) : QColor(0x20, 0x50, 0xA0));
    if (nullWhenStatusQuo) {
        painter.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2));
        painter.drawLine(2, 14, 14, 2);
    }
    return pixmap;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        painter.drawLine(QPointF(8, 6), QPointF(4, 10));
        painter.drawLine(QPointF(8, 6), QPointF(12, 10));
        painter.setBrush(QColor(0x20, 0x50, 0xA0));
        painter.drawRect(QRectF(5, 1, 6, 5));
        painter.setBrush(QColor(0x40, 0xA0, 0x40));
        painter.drawRect(QRectF(1, 10, 6, 5));
        painter.setBrush(QColor(0xE0, 0x90, 0x20));
        painter.drawRect(QRectF(9, 10, 6, 5));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon BuiltinIcon(const QString& name)
{
    // Long lists show the same few pictures: each is decoded once.
    static QHash<QString, QIcon> icons;
    const auto found = icons.constFind(name);
    if (found != icons.constEnd())
        return *found;
    const QImage image = QImage::fromData(BuiltinIconFile(name));
    return icons.insert(name, image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image))).value();
}

QPixmap BuiltinPixmap(const QString& name)
{
    const QIcon icon = BuiltinIcon(name);
    if (!icon.isNull())
        return icon.pixmap(16, 16);
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return blank;
}

QIcon AggregationModeIcon(int mode)
{
    switch (mode) {
    case AggregationCumulative:
        return BuiltinIcon(QStringLiteral("ceff"));
    case AggregationAveraging:
        return BuiltinIcon(QStringLiteral("aeff"));
    default:
        return BuiltinIcon(QStringLiteral("varc"));
    }
}

QIcon FaceIcon(int value)
{
    return value == 0 ? QIcon() : BuiltinIcon(QStringLiteral("face") + QString::number(value));
}
