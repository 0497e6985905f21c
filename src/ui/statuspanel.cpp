#include "ui/statuspanel.h"

#include <QFontMetrics>
#include <QPainter>

TStatusPanel::TStatusPanel(const QString& label, int width, QWidget* parent)
    : QWidget(parent), Caption(label), Width(width)
{
    setMinimumWidth(120);
}

QSize TStatusPanel::sizeHint() const { return QSize(Width, fontMetrics().height() + 4); }

QFont TStatusPanel::BoldFont() const
{
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

int TStatusPanel::TextOffset() const { return QFontMetrics(BoldFont()).horizontalAdvance(Caption + QLatin1Char(' ')); }

void TStatusPanel::SetText(const QString& text)
{
    if (text == Shown)
        return;
    Shown = text;
    update();
}

void TStatusPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect().adjusted(2, 0, -2, 0);
    painter.setFont(BoldFont());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, Caption);
    painter.setFont(font());
    const QRect textArea = area.adjusted(TextOffset(), 0, 0, 0);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(Shown, Qt::ElideRight, textArea.width()));
}
