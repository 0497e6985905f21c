#pragma once

#include <QWidget>

/// One panel of the main window's status bar: a label in bold ("Case:"), then
/// the text in normal weight, starting where "label " would end in bold.
class TStatusPanel : public QWidget
{
    Q_OBJECT
public:
    TStatusPanel(const QString& label, int width, QWidget* parent = nullptr);

    QString Label() const { return Caption; }
    QString Text() const { return Shown; }
    void SetText(const QString& text);
    /// Where the text starts.
    int TextOffset() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont BoldFont() const;

    QString Caption;
    QString Shown;
    int Width;
};
