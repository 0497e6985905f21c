#include "ui/iconeditor.h"

#include "model/category.h"
#include "model/icons.h"
#include "model/messages.h"
#include "model/qualifier.h"
#include "model/systemlevel.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <vector>

namespace {

constexpr int Zoom = 16;         // screen points per icon pixel
constexpr int SwatchSize = 18;
constexpr int PaletteColumns = 15;

const QImage* IconOf(const TConcept& item)
{
    if (auto* level = dynamic_cast<const TSystemLevel*>(&item))
        return &level->Icon;
    if (auto* category = dynamic_cast<const TCategory*>(&item))
        return &category->Icon;
    if (auto* qualifier = dynamic_cast<const TQualifier*>(&item))
        return &qualifier->Icon;
    return nullptr;
}

// The pixel under a point of the enlarged image; points left of or above it
// give negative pixels, which paint nothing.
QPoint PixelAt(QPoint point)
{
    auto cell = [](int v) { return v >= 0 ? v / Zoom : -1; };
    return {cell(point.x()), cell(point.y())};
}

bool Inside(QPoint pixel) { return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < IconSize && pixel.y() < IconSize; }

} // namespace

/// The enlarged working image, each pixel a 16 x 16 square.
class TIconCanvas : public QWidget
{
public:
    TIconCanvas(TIconEditor& editor, QWidget* parent) : QWidget(parent), Editor(editor)
    {
        setObjectName(QStringLiteral("BigImage"));
        setFixedSize(IconSize * Zoom, IconSize * Zoom);
        setCursor(Qt::CrossCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(rect(), Editor.Image());
        painter.setPen(QColor(0xE0, 0xE0, 0xE0));
        for (int i = 1; i < IconSize; ++i) {
            painter.drawLine(i * Zoom, 0, i * Zoom, height());
            painter.drawLine(0, i * Zoom, width(), i * Zoom);
        }
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            Editor.PressAt(event->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* event) override { Editor.MoveTo(event->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent*) override { Editor.Release(); }

private:
    TIconEditor& Editor;
};

/// A grid of colour swatches; the current one is framed in red.
class TSwatchPanel : public QWidget
{
public:
    TSwatchPanel(const QVector<QRgb>& colors, int columns, std::function<void(int)> onPick, QWidget* parent)
        : QWidget(parent), Colors(colors), Columns(columns), OnPick(std::move(onPick))
    {
        const int rows = (int(colors.size()) + columns - 1) / columns;
        setFixedSize(columns * SwatchSize + 2, rows * SwatchSize + 2);
    }
    void SetCurrent(int index)
    {
        Current = index;
        update();
    }

protected:
    QRect Cell(int index) const
    {
        return {1 + index % Columns * SwatchSize, 1 + index / Columns * SwatchSize, SwatchSize, SwatchSize};
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        // A thin outline, so that the white swatch shows too.
        painter.setPen(QColor(0x80, 0x80, 0x80));
        for (int i = 0; i < Colors.size(); ++i) {
            painter.fillRect(Cell(i).adjusted(2, 2, -2, -2), QColor(Colors[i]));
            painter.drawRect(Cell(i).adjusted(2, 2, -3, -3));
        }
        if (Current >= 0)
            painter.setPen(QPen(Qt::red, 2)), painter.drawRect(Cell(Current).adjusted(1, 1, -1, -1));
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        for (int i = 0; i < Colors.size(); ++i)
            if (Cell(i).contains(event->position().toPoint()))
                OnPick(i);
    }

private:
    QVector<QRgb> Colors;
    int Columns;
    std::function<void(int)> OnPick;
    int Current = -1;
};

const QVector<QRgb>& TIconEditor::Palette()
{
    static const QVector<QRgb> colors = {
        0x000000, 0x484848, 0x808080, 0xC0C0C0, 0xD8D8D8, 0xFFFFFF, 0xFFFFC0, 0xE8E880, 0xFFFF00, 0xD0D000,
        0x808000, 0x805000, 0xE06000, 0xF0A030, 0xFFC070, 0x004040, 0x008080, 0x00C0C0, 0x00FFFF, 0x80FFFF,
        0xC0FFFF, 0xD0FFD0, 0xC0F080, 0xA0FF00, 0x30A000, 0x306000, 0x800000, 0xC00050, 0xFF0000, 0xFF9090,
        0x000040, 0x000080, 0x0000FF, 0x4060FF, 0x80A0FF, 0xA0C0FF, 0xC0DCC0, 0x80FF80, 0x00FF00, 0x008000,
        0x004000, 0x400040, 0x800080, 0xFF00FF, 0xE0B0F0,
    };
    return colors;
}

const QVector<QRgb>& TIconEditor::GreyShades()
{
    static const QVector<QRgb> colors = {0x000000, 0x808080, 0xC0C0C0, 0xFFFFFF};
    return colors;
}

int TIconEditor::NearestSwatch(QRgb color)
{
    int best = 0;
    int bestDistance = -1;
    for (int i = 0; i < Palette().size(); ++i) {
        const QRgb swatch = Palette()[i];
        const int r = qRed(color) - qRed(swatch), g = qGreen(color) - qGreen(swatch), b = qBlue(color) - qBlue(swatch);
        const int distance = r * r + g * g + b * b;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
        if (distance == 0)
            break;
    }
    return best;
}

bool TIconEditor::FloodFill(QImage& image, QPoint at, QRgb color)
{
    if (!image.rect().contains(at))
        return false;
    const QRgb target = image.pixel(at) | 0xFF000000;
    color |= 0xFF000000;
    if (target == color)
        return false;
    // An explicit stack: every pushed pixel is recoloured at once, so each is
    // visited once and the fill ends.
    std::vector<QPoint> pending{at};
    image.setPixel(at, color);
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        for (const QPoint next : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
            if (image.rect().contains(next) && (image.pixel(next) | 0xFF000000) == target) {
                image.setPixel(next, color);
                pending.push_back(next);
            }
        }
    }
    return true;
}

TIconEditor::TIconEditor(QWidget* parent) : QDialog(parent), Working(BlankIcon())
{
    setWindowTitle(tr("Edit icon"));
    BigImage = new TIconCanvas(*this, this);
    SystemPanel = new TSwatchPanel(GreyShades(), GreyShades().size(), [this](int i) { SelectSwatch(i); }, this);
    SystemPanel->setObjectName(QStringLiteral("SystemPanel"));
    PalettePanel = new TSwatchPanel(Palette(), PaletteColumns, [this](int i) { SelectSwatch(i); }, this);
    PalettePanel->setObjectName(QStringLiteral("PalettePanel"));
    SystemHint = new QLabel(tr("Gray shades will become shades of the phase color"), this);
    SystemHint->setWordWrap(true);

    auto tool = [this](const char* name, const QString& text, const QString& hint) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setToolTip(hint);
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return button;
    };
    PixelBtn = tool("PixelBtn", tr("Draw"), tr("Draw pixels"));
    FillBtn = tool("FillBtn", tr("Fill"), tr("Fill area"));
    SampleBtn = tool("SampleBtn", tr("Sample"), tr("Sample color"));
    auto* tools = new QButtonGroup(this);
    tools->setExclusive(true);
    tools->addButton(PixelBtn, int(TTool::Pixel));
    tools->addButton(FillBtn, int(TTool::Fill));
    tools->addButton(SampleBtn, int(TTool::Sample));
    connect(tools, &QButtonGroup::idClicked, this, [this](int id) { SetTool(TTool(id)); });

    auto command = [this](const char* name, const QString& text, const QString& hint, void (TIconEditor::*slot)()) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(hint);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    QPushButton* load = command("LoadBtn", tr("Load..."), tr("Load image from file"), &TIconEditor::Load);
    QPushButton* save = command("SaveBtn", tr("Save..."), tr("Save image to file"), &TIconEditor::Save);
    QPushButton* clear = command("ClearBtn", tr("Clear"), tr("Clear image"), &TIconEditor::ClearImage);
    QPushButton* ok = command("OKbtn", tr("OK"), tr("Accept changes"), &QDialog::accept);
    QPushButton* cancel = command("CancelBtn", tr("Cancel"), tr("Cancel edit"), &QDialog::reject);
    ok->setDefault(true);

    DesignImg = new QLabel(this);
    DecVarImg = new QLabel(this);
    Previews = new QWidget(this);
    auto* previews = new QHBoxLayout(Previews);
    previews->setContentsMargins(0, 0, 0, 0);
    previews->addWidget(DesignImg);
    previews->addWidget(DecVarImg);
    previews->addStretch();

    auto* side = new QVBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{PixelBtn, FillBtn, SampleBtn})
        side->addWidget(widget);
    side->addSpacing(8);
    for (QWidget* widget : std::initializer_list<QWidget*>{load, save, clear})
        side->addWidget(widget);
    side->addSpacing(8);
    side->addWidget(Previews);
    side->addStretch();
    side->addWidget(ok);
    side->addWidget(cancel);

    auto* top = new QHBoxLayout;
    top->addWidget(BigImage, 0, Qt::AlignTop);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(SystemPanel);
    layout->addWidget(SystemHint);
    layout->addWidget(PalettePanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TIconEditor::Prepare(const TConcept& item)
{
    const QImage* icon = IconOf(item);
    if (!icon) {
        ShowError(tr("Concept has no icon"));
        return false;
    }
    DrawingFlag = false;
    Working = BlankIcon();
    {
        QPainter painter(&Working);
        painter.drawImage(0, 0, *icon, 0, 0, IconSize, IconSize);
    }
    LevelIcon = dynamic_cast<const TSystemLevel*>(&item) != nullptr;
    Previews->setVisible(LevelIcon);
    SystemPanel->setVisible(LevelIcon);
    SystemHint->setVisible(LevelIcon);
    PalettePanel->setVisible(!LevelIcon);
    SampleBtn->setEnabled(!LevelIcon);
    SetTool(TTool::Pixel);
    SelectSwatch(0);   // black in both panels
    ImageChanged();
    return true;
}

std::optional<QImage> TIconEditor::Run(const TConcept& item)
{
    if (!Prepare(item) || exec() != Accepted)
        return std::nullopt;
    return Working;
}

const QVector<QRgb>& TIconEditor::Swatches() const { return LevelIcon ? GreyShades() : Palette(); }

void TIconEditor::SelectSwatch(int index)
{
    if (index < 0 || index >= Swatches().size())
        return;
    Current = index;
    SystemPanel->SetCurrent(LevelIcon ? index : -1);
    PalettePanel->SetCurrent(LevelIcon ? -1 : index);
}

void TIconEditor::SetTool(TTool tool)
{
    if (tool == TTool::Sample && LevelIcon)
        tool = TTool::Pixel;
    ToolInUse = tool;
    PixelBtn->setChecked(tool == TTool::Pixel);
    FillBtn->setChecked(tool == TTool::Fill);
    SampleBtn->setChecked(tool == TTool::Sample);
}

void TIconEditor::PressAt(QPoint point)
{
    DrawingFlag = true;
    LastPixel = PixelAt(point);
    ApplyTool(LastPixel);
}

void TIconEditor::MoveTo(QPoint point)
{
    if (!DrawingFlag)
        return;
    const QPoint pixel = PixelAt(point);
    if (pixel == LastPixel)
        return;
    ApplyAlong(LastPixel, pixel);
    LastPixel = pixel;
}

void TIconEditor::Release() { DrawingFlag = false; }

void TIconEditor::ApplyAlong(QPoint from, QPoint to)
{
    // Every pixel the mouse passed over, also when it moved fast (Bresenham).
    const int dx = std::abs(to.x() - from.x()), dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1, sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = from;
    while (p != to) {
        const int twice = 2 * error;
        if (twice >= dy)
            error += dy, p.rx() += sx;
        if (twice <= dx)
            error += dx, p.ry() += sy;
        ApplyTool(p);
    }
}

void TIconEditor::ApplyTool(QPoint pixel)
{
    if (!Inside(pixel))
        return;
    switch (ToolInUse) {
    case TTool::Pixel:
        Working.setPixel(pixel, CurrentColor() | 0xFF000000);
        break;
    case TTool::Fill:
        FloodFill(Working, pixel, CurrentColor());
        break;
    case TTool::Sample:
        SelectSwatch(NearestSwatch(Working.pixel(pixel)));
        return;
    }
    ImageChanged();
}

void TIconEditor::ImageChanged()
{
    BigImage->update();
    if (LevelIcon) {
        DesignImg->setPixmap(QPixmap::fromImage(DesignIcon(Working).scaled(32, 32)));
        DecVarImg->setPixmap(QPixmap::fromImage(DesignIcon(Working, true).scaled(32, 32)));
    }
}

void TIconEditor::ClearImage()
{
    Working.fill(Qt::white);
    ImageChanged();
}

bool TIconEditor::LoadFile(const QString& fileName)
{
    QImage picture;
    if (!picture.load(fileName)) {
        ShowError(tr("Could not read an image from %1").arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
    picture = picture.convertToFormat(QImage::Format_RGB32);
    // Only the pixels the picture has: a smaller one leaves the rest as it was.
    for (int y = 0; y < std::min(IconSize, picture.height()); ++y)
        for (int x = 0; x < std::min(IconSize, picture.width()); ++x)
            Working.setPixel(x, y, picture.pixel(x, y));
    ImageChanged();
    return true;
}

bool TIconEditor::SaveFile(const QString& fileName) const
{
    // Without a known suffix the picture is written as a bitmap.
    const QByteArray format = QFileInfo(fileName).suffix().isEmpty() ? QByteArray("BMP") : QByteArray();
    if (Working.save(fileName, format.isEmpty() ? nullptr : format.constData()))
        return true;
    ShowError(tr("Could not save the image to %1").arg(QDir::toNativeSeparators(fileName)));
    return false;
}

void TIconEditor::Load()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Load image from file"), QString(),
                                                      tr("Pictures (*.bmp *.png *.gif *.jpg *.xpm);;All files (*)"));
    if (!file.isEmpty())
        LoadFile(file);
}

void TIconEditor::Save()
{
    const QString file = QFileDialog::getSaveFileName(this, tr("Save image to file"), QString(),
                                                      tr("Bitmaps (*.bmp);;PNG pictures (*.png)"));
    if (!file.isEmpty())
        SaveFile(file);
}
