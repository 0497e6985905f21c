#include "ui/hierarchystatus.h"

#include "model/icons.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace {
constexpr int QualifierStep = 17;
constexpr int FirstPanelWidth = 8 * QualifierStep + 6;
} // namespace

THierarchyStatus::THierarchyStatus(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setToolTip(tr("Qualifications | Category"));
}

void THierarchyStatus::SetQualifications(std::vector<QImage> icons)
{
    QualifierIcons = std::move(icons);
    update();
}

void THierarchyStatus::SetCategory(const QImage& icon, const QString& name)
{
    CategoryIcon = icon;
    CategoryName = name;
    update();
}

void THierarchyStatus::Clear()
{
    QualifierIcons.clear();
    CategoryIcon = QImage();
    CategoryName.clear();
    update();
}

QSize THierarchyStatus::sizeHint() const
{
    return QSize(FirstPanelWidth + 160, qMax(IconSize, fontMetrics().height()) + 8);
}

QRect THierarchyStatus::Panel(int index) const
{
    const QRect all = rect().adjusted(1, 1, -1, -1);
    if (index == 0)
        return QRect(all.left(), all.top(), FirstPanelWidth, all.height());
    return QRect(all.left() + FirstPanelWidth + 3, all.top(), all.width() - FirstPanelWidth - 3, all.height());
}

void THierarchyStatus::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = 0; i < 2; ++i) {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = Panel(i);
        frame.lineWidth = 1;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
    }
    const QRect qualifications = Panel(0).adjusted(3, 0, -3, 0);
    const int top = qualifications.top() + (qualifications.height() - IconSize) / 2;
    int x = qualifications.left();
    painter.setClipRect(qualifications);
    for (const QImage& icon : QualifierIcons) {
        painter.drawImage(x, top, icon);
        x += QualifierStep;
    }
    const QRect category = Panel(1).adjusted(3, 0, -3, 0);
    painter.setClipRect(category);
    if (!CategoryIcon.isNull())
        painter.drawImage(category.left(), top, CategoryIcon);
    painter.drawText(category.adjusted(IconSize + 4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, CategoryName);
}
