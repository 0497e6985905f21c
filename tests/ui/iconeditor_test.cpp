#include "ui/iconeditor.h"

#include "model/icons.h"
#include "scriptedwindow.h"

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF0000;

class IconEditorTest : public ::testing::Test
{
protected:
    IconEditorTest() { EXPECT_TRUE(Editor.Prepare(*Case.Categories.At(Case.AddCategory(QStringLiteral("Energy"))))); }
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
    TIconEditor Editor;
};

TEST_F(IconEditorTest, SamplesTheFirstNearestSwatchAndOpensOnTheConceptsIconWithTheRightPanel)
{
    const std::pair<QRgb, int> nearest[] = {{0xFFFFFF, 5}, {0x7F7F7F, 2}, {0x000000, 0}, {0xFE0101, 28}, {0xE0B0F1, 44}};
    for (const auto& [color, swatch] : nearest)
        EXPECT_EQ(TIconEditor::NearestSwatch(color), swatch) << std::hex << color;

    EXPECT_EQ(Editor.Image(), Case.Categories.First()->Icon.convertToFormat(Editor.Image().format()));
    Editor.SetTool(TIconEditor::TTool::Sample);
    Editor.PressAt(At(0, 0));   // white
    EXPECT_EQ(Editor.CurrentSwatch(), 5);
    EXPECT_EQ(Count(White), 16 * 16 - Count(0xFF808080));   // sampling paints nothing
    EXPECT_FALSE(Editor.ForLevel());
    EXPECT_EQ(Editor.Swatches().size(), 45);
    EXPECT_TRUE(Editor.findChild<QToolButton*>(QStringLiteral("SampleBtn"))->isEnabled());

    // A level's icon takes four colours and no sampling.
    ASSERT_TRUE(Editor.Prepare(*Case.SystemLevels.At(Case.AddSystemLevel(QStringLiteral("City")))));
    EXPECT_TRUE(Editor.ForLevel());
    EXPECT_EQ(Editor.Swatches().size(), 4);
    EXPECT_EQ(Editor.CurrentColor(), 0x000000u);
    EXPECT_FALSE(Editor.findChild<QToolButton*>(QStringLiteral("SampleBtn"))->isEnabled());
    EXPECT_EQ(Editor.Tool(), TIconEditor::TTool::Pixel);

    EXPECT_FALSE(Editor.Prepare(*Case.Scales.At(Case.AddScale(QStringLiteral("EUR")))));
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
    EXPECT_EQ(Pixel(15, 2), Red);
    EXPECT_EQ(Pixel(0, 10), Red);
    EXPECT_NE(Pixel(0, 0), Red);
    // A fast move paints the pixels between the mouse positions.
    Editor.PressAt(At(2, 5));
    Editor.MoveTo(At(12, 5));
    for (int x = 2; x <= 12; ++x)
        EXPECT_EQ(Pixel(x, 5), Red) << x;
    Editor.Release();
    Editor.MoveTo(At(3, 12));   // button up: nothing
    EXPECT_EQ(Pixel(3, 12), White);

    // A flood fill fills the connected area, and nothing for its own colour.
    Editor.ClearImage();
    Editor.SetTool(TIconEditor::TTool::Fill);
    for (const auto& [swatch, color] : {std::pair{5, White}, {32, 0xFF0000FFu}}) {   // white on white, then blue
        Editor.SelectSwatch(swatch);
        Editor.PressAt(At(8, 8));
        Editor.Release();
        EXPECT_EQ(Count(color), 256);
    }

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
    ASSERT_TRUE(large.save(dir.filePath(QStringLiteral("large.bmp"))));

    Editor.ClearImage();
    ASSERT_TRUE(Editor.LoadFile(dir.filePath(QStringLiteral("small.png"))));
    EXPECT_EQ(Count(0xFF00FF00), 12);
    EXPECT_EQ(Pixel(4, 0), White);
    ASSERT_TRUE(Editor.LoadFile(dir.filePath(QStringLiteral("large.bmp"))));
    EXPECT_EQ(Pixel(15, 15), Red);
    EXPECT_EQ(Pixel(0, 0), 0xFF0000FF);

    // Not a picture, and no folder to save in: messages, and the image stays.
    const QImage before = Editor.Image();
    QFile junk(dir.filePath(QStringLiteral("junk.bmp")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write("not a picture") > 0);
    junk.close();
    EXPECT_FALSE(Editor.LoadFile(junk.fileName()));
    EXPECT_FALSE(Editor.SaveFile(dir.filePath(QStringLiteral("missing/icon.bmp"))));
    EXPECT_EQ(Messages.Errors().size(), 2);
    EXPECT_EQ(Editor.Image(), before);

    ASSERT_TRUE(Editor.SaveFile(dir.filePath(QStringLiteral("icon"))));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("icon")), "BMP").size(), QSize(16, 16));
}

} // namespace
