#pragma once

#include <QColor>
#include <QDialog>
#include <QPoint>

class TSwatchGrid;

/// The three colours of a phase: its own, and the middle and dark colours its
/// clock face is drawn with.
struct TPhaseColors
{
    QColor Color = Qt::black;
    QColor Middle = Qt::black;
    QColor Dark = Qt::black;
};

/// Lets the user pick a phase colour from a palette of 24 swatches (8 columns,
/// 3 rows) by mouse or arrow keys. Keeps its choice between uses; all three
/// colours are black until a swatch has been chosen once.
class TPhaseColorDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Columns = 8;
    static constexpr int Rows = 3;

    explicit TPhaseColorDlg(QWidget* parent = nullptr);

    bool Run();
    QColor Color() const { return Chosen.Color; }
    QColor MiddleColor() const { return Chosen.Middle; }
    QColor DarkColor() const { return Chosen.Dark; }
    const TPhaseColors& Colors() const { return Chosen; }

    /// The swatch selected, or (-1, -1).
    QPoint Selected() const { return Cell; }
    void Select(QPoint cell);
    /// Moves the selection by (dx, dy), stopping at the edges of the grid.
    void Move(int dx, int dy);

    static QColor SwatchColor(int column, int row);
    static TPhaseColors ColorsAt(int column, int row);

private:
    TSwatchGrid* Grid;
    QPoint Cell{-1, -1};
    TPhaseColors Chosen;
};
