#include "ui/phasecolordlg.h"

#include "model/helpers.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr QRgb Palette[TPhaseColorDlg::Rows][TPhaseColorDlg::Columns] = {
    {0xFF0000, 0xFF8040, 0xFFB080, 0xFFD070, 0xFFB0F0, 0xFF80FF, 0xFF00FF, 0xD000E8},
    {0xC0C000, 0xD8D860, 0xF0F030, 0xE8E8B0, 0xE8E8E8, 0xC8C8FF, 0xA080FF, 0x7030F0},
    {0x40C040, 0x60FF60, 0xA8FFA8, 0xD0FFA0, 0xA0FFFF, 0x70D0FF, 0x6090FF, 0x0040FF},
};

constexpr int SwatchSize = 26;
constexpr int Gap = 4;

} // namespace

/// The palette: draws the swatches and turns clicks and arrow keys into
/// selections; Enter, Escape and every other key go on to the dialog.
class TSwatchGrid : public QWidget
{
public:
    explicit TSwatchGrid(TPhaseColorDlg* dialog) : QWidget(dialog), Dialog(dialog)
    {
        setObjectName(QStringLiteral("Palette"));
        setFocusPolicy(Qt::StrongFocus);
        setFixedSize(TPhaseColorDlg::Columns * (SwatchSize + Gap) + Gap, TPhaseColorDlg::Rows * (SwatchSize + Gap) + Gap);
    }

    static QRect SwatchRect(int column, int row)
    {
        return QRect(Gap + column * (SwatchSize + Gap), Gap + row * (SwatchSize + Gap), SwatchSize, SwatchSize);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int row = 0; row < TPhaseColorDlg::Rows; ++row) {
            for (int column = 0; column < TPhaseColorDlg::Columns; ++column) {
                const QRect r = SwatchRect(column, row);
                painter.fillRect(r, TPhaseColorDlg::SwatchColor(column, row));
                if (Dialog->Selected() == QPoint(column, row)) {
                    painter.setPen(QPen(Qt::black, 2));
                    painter.drawRect(r.adjusted(1, 1, -1, -1));
                }
            }
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        for (int row = 0; row < TPhaseColorDlg::Rows; ++row)
            for (int column = 0; column < TPhaseColorDlg::Columns; ++column)
                if (SwatchRect(column, row).contains(event->position().toPoint()))
                    Dialog->Select(QPoint(column, row));
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Left: Dialog->Move(-1, 0); break;
        case Qt::Key_Up: Dialog->Move(0, -1); break;
        case Qt::Key_Right: Dialog->Move(1, 0); break;
        case Qt::Key_Down: Dialog->Move(0, 1); break;
        default: QWidget::keyPressEvent(event); return;
        }
        event->accept();
    }

private:
    TPhaseColorDlg* Dialog;
};

TPhaseColorDlg::TPhaseColorDlg(QWidget* parent) : QDialog(parent), Grid(new TSwatchGrid(this))
{
    setWindowTitle(tr("Phase color"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &TPhaseColorDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TPhaseColorDlg::reject);
}

bool TPhaseColorDlg::Run()
{
    Grid->setFocus();
    return exec() == Accepted;
}

void TPhaseColorDlg::Select(QPoint cell)
{
    Cell = cell;
    Chosen = ColorsAt(cell.x(), cell.y());
    Grid->update();
}

void TPhaseColorDlg::Move(int dx, int dy)
{
    // The first arrow key selects the top left swatch.
    if (Cell.x() < 0) {
        Select(QPoint(0, 0));
        return;
    }
    Select(QPoint(std::clamp(Cell.x() + dx, 0, Columns - 1), std::clamp(Cell.y() + dy, 0, Rows - 1)));
}

QColor TPhaseColorDlg::SwatchColor(int column, int row) { return QColor(Palette[row][column]); }

TPhaseColors TPhaseColorDlg::ColorsAt(int column, int row)
{
    TPhaseColors colors;
    colors.Color = SwatchColor(column, row);
    // The middle and dark colours come from the neighbours towards the
    // column's own end of the row, or by halving where the row ends.
    auto c = [row](int col) { return SwatchColor(col, row); };
    switch (column) {
    case 0:
    case 7:
        colors.Middle = HalveColor(colors.Color);
        colors.Dark = HalveColor(colors.Middle);
        break;
    case 1:
        colors.Middle = c(0);
        colors.Dark = HalveColor(colors.Middle);
        break;
    case 2:
    case 3:
        colors.Middle = c(column - 1);
        colors.Dark = c(column - 2);
        break;
    case 4:
    case 5:
        colors.Middle = c(column + 1);
        colors.Dark = c(column + 2);
        break;
    case 6:
        colors.Middle = c(7);
        colors.Dark = HalveColor(colors.Middle);
        break;
    }
    return colors;
}
