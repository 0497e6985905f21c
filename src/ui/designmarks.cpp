#include "ui/designmarks.h"

#include "actors/appreciationbar.h"
#include "model/icons.h"
#include "model/systemlevel.h"
#include "model/variable.h"
#include "ui/uiicons.h"

#include <QHash>
#include <QPainter>

namespace {

QPixmap Blank(int width = IconSize)
{
    QPixmap pixmap(width, IconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void Dot(QPainter& painter, const QRect& box, const QColor& colour)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour.darker(150));
    painter.setBrush(colour);
    painter.drawEllipse(box);
}

} // namespace

QIcon DesignMarkIcon(bool open, bool base)
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.drawPixmap(0, 0, BuiltinPixmap(QStringLiteral("design")));
    if (base) {
        // A gold frame: the yardstick of relative impacts.
        painter.setPen(QPen(QColor(0xE0, 0xA0, 0x00), 2));
        painter.drawRect(1, 1, IconSize - 2, IconSize - 2);
    }
    if (open)
        Dot(painter, QRect(8, 8, 7, 7), QColor(0x00, 0xB0, 0x40));
    return QIcon(pixmap);
}

QIcon ObjectMarkIcon(const TSystemLevel* level, bool undecided)
{
    const QImage& image = !level ? QImage() : level->DesignIconImage.isNull() ? level->Icon : level->DesignIconImage;
    // Drawn once per picture and mark: a design may show thousands of objects.
    static QHash<std::pair<qint64, bool>, QIcon> drawn;
    const std::pair<qint64, bool> key(image.cacheKey(), undecided);
    if (const auto found = drawn.constFind(key); found != drawn.cend())
        return *found;
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.drawImage(0, 0, image);
    Dot(painter, QRect(9, 9, 6, 6), undecided ? QColor(0xE0, 0x20, 0x20) : QColor(0x20, 0xB0, 0x20));
    painter.end();
    return *drawn.insert(key, QIcon(pixmap));
}

QIcon OptionMarkIcon(TOptionState state, bool qualified)
{
    QPixmap pixmap = Blank(OptionMarkWidth);
    QPainter painter(&pixmap);
    if (qualified)
        Dot(painter, QRect(1, 6, 5, 5), QColor(0x00, 0xC0, 0x00));
    const QRect box(9, 1, 14, 14);
    painter.setRenderHint(QPainter::Antialiasing);
    if (state == TOptionState::StatusQuo || state == TOptionState::Both) {
        painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        painter.setBrush(QColor(0xE8, 0xE8, 0xE8));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    const QRect inner = box.adjusted(3, 3, -3, -3);
    switch (state) {
    case TOptionState::Chosen:
    case TOptionState::Both:
        Dot(painter, inner, QColor(0x20, 0x40, 0xD0));
        break;
    case TOptionState::Open:
        painter.setPen(QPen(QColor(0xE0, 0x80, 0x00), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(inner);
        break;
    case TOptionState::Neither:
        painter.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(inner);
        break;
    case TOptionState::StatusQuo:
        break;
    }
    return QIcon(pixmap);
}

QIcon RatingFaceIcon(int level)
{
    if (level != 0 && level >= -3 && level <= 3)
        return FaceIcon(level);
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    Dot(painter, QRect(2, 2, 12, 12), QColor(0xF0, 0xF0, 0x80));
    return QIcon(pixmap);
}

QIcon BarIcon(const TAppreciation& appreciation)
{
    QImage bar(40, 15, QImage::Format_RGB32);
    DrawBar(appreciation, bar, 0, 0);
    return QIcon(QPixmap::fromImage(bar));
}

QIcon AttributeMarkIcon(bool error, int aggregationMode)
{
    if (!error)
        return AggregationModeIcon(aggregationMode);
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    Dot(painter, QRect(1, 1, 14, 14), QColor(0xE0, 0x20, 0x20));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(5, 5, 11, 11);
    painter.drawLine(11, 5, 5, 11);
    return QIcon(pixmap);
}
