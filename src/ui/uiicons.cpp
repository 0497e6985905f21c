#include "ui/uiicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QIcon EffectIcon(bool nullWhenStatusQuo)
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
    painter.fillPath(arrow, QColor(0x20, 0x50, 0xA0));
    if (nullWhenStatusQuo) {
        painter.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2));
        painter.drawLine(2, 14, 14, 2);
    }
    return QIcon(pixmap);
}
