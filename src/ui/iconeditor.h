#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QVector>
#include <optional>

class QAbstractButton;
class QLabel;
class QToolButton;
class TConcept;
class TIconCanvas;
class TSwatchPanel;

/// "Edit icon": paints the 16 x 16 icon of a system level (in four grey
/// shades, which design views turn into shades of the phase colour), a
/// category or a qualifier (from a palette of 45 colours). Created once; the
/// caller applies the painted image.
class TIconEditor : public QDialog
{
    Q_OBJECT
public:
    enum class TTool { Pixel, Fill, Sample };

    explicit TIconEditor(QWidget* parent = nullptr);

    /// Shows the concept's icon for painting; "Concept has no icon" and false
    /// for a concept that has none.
    bool Prepare(const TConcept& item);
    /// Prepare, then run modally: the painted image on OK.
    std::optional<QImage> Run(const TConcept& item);

    const QImage& Image() const { return Working; }
    bool ForLevel() const { return LevelIcon; }
    /// The swatches in use: grey shades for a level, the palette otherwise.
    const QVector<QRgb>& Swatches() const;
    int CurrentSwatch() const { return Current; }
    QRgb CurrentColor() const { return Swatches().at(Current); }
    void SelectSwatch(int index);
    TTool Tool() const { return ToolInUse; }
    void SetTool(TTool tool);

    // The mouse in the enlarged image, in its own points (16 per pixel).
    void PressAt(QPoint point);
    void MoveTo(QPoint point);
    void Release();
    bool Drawing() const { return DrawingFlag; }

    /// Copies the top-left pixels of a picture file; says so and keeps the
    /// image when the file cannot be read.
    bool LoadFile(const QString& fileName);
    /// Saves the image; says so when it cannot.
    bool SaveFile(const QString& fileName) const;
    void ClearImage();

    static const QVector<QRgb>& Palette();
    static const QVector<QRgb>& GreyShades();
    /// The first palette swatch nearest to `color`.
    static int NearestSwatch(QRgb color);
    /// Fills the area connected to `at` that has its colour; false when there
    /// is nothing to do (outside, or already that colour).
    static bool FloodFill(QImage& image, QPoint at, QRgb color);

private:
    void ApplyTool(QPoint pixel);
    void ApplyAlong(QPoint from, QPoint to);
    void ImageChanged();
    void Load();
    void Save();

    QImage Working;
    bool LevelIcon = false;
    int Current = 0;
    TTool ToolInUse = TTool::Pixel;
    bool DrawingFlag = false;
    QPoint LastPixel;

    TIconCanvas* BigImage;
    TSwatchPanel* SystemPanel;
    TSwatchPanel* PalettePanel;
    QLabel* SystemHint;
    QLabel* DesignImg;
    QLabel* DecVarImg;
    QWidget* Previews;
    QToolButton* PixelBtn;
    QToolButton* FillBtn;
    QToolButton* SampleBtn;
};
