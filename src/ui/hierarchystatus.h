#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

/// The status line of the system hierarchy, two panels drawn by hand:
/// "Qualifications" shows the icons of the selected option's qualifiers,
/// 17 pixels apart; "Category" the icon and name of the selected area's category.
class THierarchyStatus : public QWidget
{
    Q_OBJECT
public:
    explicit THierarchyStatus(QWidget* parent = nullptr);

    void SetQualifications(std::vector<QImage> icons);
    void SetCategory(const QImage& icon, const QString& name);
    void Clear();

    const std::vector<QImage>& Qualifications() const { return QualifierIcons; }
    QString CategoryText() const { return CategoryName; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect Panel(int index) const;

    std::vector<QImage> QualifierIcons;
    QImage CategoryIcon;
    QString CategoryName;
};
