#include "ui/iconeditor.h"

#include "model/icons.h"
#include "scriptedwindow.h"

namespace {

constexpr QRgb White = 0xFFFFFFFF;

class IconEditorTest : public ::testing::Test
{
protected:
    IconEditorTest()
    {
        Category = Case.Categories.At(Case.AddCategory(QStringLiteral("Energy")));
        Level = Case.SystemLevels.At(Case.AddSystemLevel(QStringLiteral("City")));
        EXPECT_TRUE(Editor.Prepare(*Category));
    }
    // The centre of a pixel in the enlarged image.
    static QPoint At(int x, int y) { return {x * 16 + 8, y * 16 + 8}; }
    QRgb Pixel(int x, int y) const { return Editor.Image().pixel(x, y); }
    int Count(QRgb color) const
    {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                n += Pixel(x, y) == color;
        return n;
    }

    TMessageRecorder Messages;
    TCase Case;
    TCategory* Category;
    TSystemLevel* Level;
    TIconEditor Editor;
};

TEST_F(IconEditorTest, SamplesTheFirstNearestSwatchAndOpensOnTheConceptsIconWithTheRightPanel)
{
    struct
    {
        QRgb Color;
        int Swatch;
    } cases[] = {{0xFFFFFF, 5}, {0x7F7F7F, 2}, {0x000000, 0}, {0xFE0101, 28}, {0xE0B0F1, 44}};
    for (const auto& c : cases)
        EXPECT_EQ(TIconEditor::NearestSwatch(c.Color), c.Swatch) << std::hex << c.Color;

    Editor.SetTool(TIconEditor::TTool::Sample);
    Editor.PressAt(At(0, 0));   // white
    EXPECT_EQ(Editor.CurrentSwatch(), 5);
    EXPECT_EQ(Count(White), 16 * 16 - Count(0xFF808080));   // sampling paints nothing

    EXPECT_EQ(Editor.Image(), Category->Icon.convertToFormat(Editor.Image().format()));
    EXPECT_FALSE(Editor.ForLevel());
    EXPECT_EQ(Editor.Swatches().size(), 45);
    EXPECT_TRUE(Editor.findChild<QToolButton*>(QStringLiteral("SampleBtn"))->isEnabled());

    ASSERT_TRUE(Editor.Prepare(*Level));
    EXPECT_TRUE(Editor.ForLevel());
    EXPECT_EQ(Editor.Swatches().size(), 4);
    EXPECT_EQ(Editor.CurrentColor(), 0x000000u);
    EXPECT_FALSE(Editor.findChild<QToolButton*>(QStringLiteral("SampleBtn"))->isEnabled());
    EXPECT_EQ(Editor.Tool(), TIconEditor::TTool::Pixel);

    TScale* scale = Case.Scales.At(Case.AddScale(QStringLiteral("EUR")));
    EXPECT_FALSE(Editor.Prepare(*scale));
    EXPECT_EQ(Messages.Errors(), QStringList{QStringLiteral("Concept has no icon")});
}

TEST_F(IconEditorTest, DragsPaintEveryPixelPassedAndFillsTheConnectedAreaOnly)
{
    Editor.SelectSwatch(28);   // red
    Editor.PressAt(At(15, 2));
    Editor.MoveTo(At(40, 2));     // far past the right edge
    Editor.MoveTo({-5, -5});      // past the top left: no pixel 0
    Editor.MoveTo(At(0, 10));
    Editor.Release();
    EXPECT_FALSE(Editor.Drawing());
    EXPECT_EQ(Pixel(15, 2), 0xFFFF0000);
    EXPECT_EQ(Pixel(0, 10), 0xFFFF0000);
    EXPECT_NE(Pixel(0, 0), 0xFFFF0000);
    // A fast move paints the pixels between the mouse positions.
    Editor.PressAt(At(2, 5));
    Editor.MoveTo(At(12, 5));
    for (int x = 2; x <= 12; ++x)
        EXPECT_EQ(Pixel(x, 5), 0xFFFF0000) << x;
    Editor.Release();
    Editor.MoveTo(At(3, 12));   // button up: nothing
    EXPECT_EQ(Pixel(3, 12), White);

    // A flood fill fills the connected area, and nothing for its own colour.
    Editor.ClearImage();
    Editor.SetTool(TIconEditor::TTool::Fill);
    Editor.SelectSwatch(5);        // white on white
    Editor.PressAt(At(8, 8));
    EXPECT_EQ(Count(White), 256);
    Editor.Release();

    Editor.SelectSwatch(32);       // blue over the whole white image
    Editor.PressAt(At(0, 0));
    Editor.Release();
    EXPECT_EQ(Count(0xFF0000FF), 256);

    // A wall splits the image: a fill stays on its side.
    QImage image = BlankIcon();
    for (int y = 0; y < 16; ++y)
        image.setPixel(7, y, 0xFF000000);
    EXPECT_TRUE(TIconEditor::FloodFill(image, {0, 0}, 0xFF00FF00));
    EXPECT_EQ(image.pixel(6, 15), 0xFF00FF00);
    EXPECT_EQ(image.pixel(8, 0), White);
    EXPECT_FALSE(TIconEditor::FloodFill(image, {16, 0}, 0xFF00FF00));
    EXPECT_FALSE(TIconEditor::FloodFill(image, {0, 0}, 0xFF00FF00));
}

TEST_F(IconEditorTest, LoadsOnlyTheTopLeftPixelsThatExistAndSaysWhenFilesFail)
{
    QTemporaryDir dir;
    QImage small(4, 3, QImage::Format_RGB32);
    small.fill(Qt::green);
    ASSERT_TRUE(small.save(dir.filePath(QStringLiteral("small.png"))));
    QImage large(40, 40, QImage::Format_RGB32);
    large.fill(Qt::blue);
    large.setPixel(15, 15, qRgb(255, 0, 0));

    Editor.ClearImage();
    ASSERT_TRUE(Editor.LoadFile(dir.filePath(QStringLiteral("small.png"))));
    EXPECT_EQ(Count(0xFF00FF00), 12);
    EXPECT_EQ(Pixel(4, 0), White);
    ASSERT_TRUE(large.save(dir.filePath(QStringLiteral("large.bmp"))));
    ASSERT_TRUE(Editor.LoadFile(dir.filePath(QStringLiteral("large.bmp"))));
    EXPECT_EQ(Pixel(15, 15), 0xFFFF0000);
    EXPECT_EQ(Pixel(0, 0), 0xFF0000FF);

    const QImage before = Editor.Image();
    QFile junk(dir.filePath(QStringLiteral("junk.bmp")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_FALSE(Editor.LoadFile(junk.fileName()));
    EXPECT_FALSE(Editor.SaveFile(dir.filePath(QStringLiteral("missing/icon.bmp"))));
    EXPECT_EQ(Messages.Errors().size(), 2);
    EXPECT_EQ(Editor.Image(), before);

    ASSERT_TRUE(Editor.SaveFile(dir.filePath(QStringLiteral("icon"))));
    QImage saved(dir.filePath(QStringLiteral("icon")), "BMP");
    EXPECT_EQ(saved.size(), QSize(16, 16));
}

} // namespace
