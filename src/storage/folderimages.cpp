#include "storage/folderimages.h"

#include "model/case.h"
#include "model/icons.h"
#include "model/messages.h"
#include "storage/pagewriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Icons larger than this are no icons of ours; they are not even decoded.
constexpr int LargestIcon = 256;

QImage TwentyFourBit(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

QByteArray BitmapBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

template <class T>
void Put(QByteArray& bytes, T value)
{
    for (size_t i = 0; i < sizeof(T); ++i)
        bytes.append(char((quint64(value) >> (8 * i)) & 0xFF));
}

// Derived icons are written with 8 bits and a palette (an icon's 256 pixels never
// need more colours). Qt would write few-coloured images with 4 bits, so the
// bitmap is put together here.
QByteArray EightBitBitmap(const QImage& icon)
{
    const QImage image = icon.convertToFormat(QImage::Format_Indexed8);
    const int stride = (image.width() + 3) & ~3;
    const quint32 pixelBytes = quint32(stride * image.height());
    const quint32 offset = 14 + 40 + 256 * 4;
    QByteArray bytes;
    bytes.reserve(qsizetype(offset + pixelBytes));
    bytes.append("BM");
    Put<quint32>(bytes, offset + pixelBytes);
    Put<quint32>(bytes, 0);
    Put<quint32>(bytes, offset);
    for (const quint32 field : { 40u, quint32(image.width()), quint32(image.height()) })
        Put<quint32>(bytes, field);
    Put<quint16>(bytes, 1);
    Put<quint16>(bytes, 8);
    for (const quint32 field : { 0u, pixelBytes, 2835u, 2835u, 256u, 0u })
        Put<quint32>(bytes, field);
    const QList<QRgb> colors = image.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb rgb = i < colors.size() ? colors[i] : 0;
        bytes.append(char(qBlue(rgb))).append(char(qGreen(rgb))).append(char(qRed(rgb))).append('\0');
    }
    for (int y = image.height() - 1; y >= 0; --y) {   // bottom-up
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
        bytes.append(stride - image.width(), '\0');
    }
    return bytes;
}

class TImageFolder
{
public:
    explicit TImageFolder(const QString& path) : Path(path) {}
    void Write(const QString& name, const QByteArray& bitmap) const
    {
        WriteFileSafely(Path + name + QStringLiteral(".bmp"), bitmap);
    }
    QString Path;
};

void WriteLevelIcons(const TCase& aCase, const TImageFolder& img)
{
    int i = 0;
    for (const TSystemLevel* level : aCase.SystemLevels) {
        img.Write(QStringLiteral("sl%1").arg(i), BitmapBytes(TwentyFourBit(level->Icon)));
        img.Write(QStringLiteral("sld%1").arg(i), EightBitBitmap(level->DesignIconImage));
        int j = 0;
        for (const TPhase* phase : aCase.Phases) {
            img.Write(QStringLiteral("sl%1p%2").arg(i).arg(j), EightBitBitmap(LevelInPhaseIcon(level->Icon, *phase)));
            img.Write(QStringLiteral("slv%1p%2").arg(i).arg(j), EightBitBitmap(LevelInPhaseVariantIcon(level->Icon, *phase)));
            ++j;
        }
        ++i;
    }
}

template <class List>
void WriteCatalogueIcons(const List& list, const QString& prefix, const TImageFolder& img)
{
    int k = 0;
    for (const auto* item : list)
        img.Write(prefix + QString::number(k++), BitmapBytes(TwentyFourBit(item->Icon)));
}

} // namespace

const QStringList& BuiltinIconNames()
{
    static const QStringList names{
        QStringLiteral("ceff"), QStringLiteral("aeff"), QStringLiteral("cnwsq"), QStringLiteral("anwsq"),
        QStringLiteral("case"), QStringLiteral("report"),
        QStringLiteral("face-3"), QStringLiteral("face-2"), QStringLiteral("face-1"),
        QStringLiteral("face1"), QStringLiteral("face2"), QStringLiteral("face3"),
        QStringLiteral("var"), QStringLiteral("option"), QStringLiteral("actor"), QStringLiteral("scale"),
        QStringLiteral("lt"), QStringLiteral("minp"), QStringLiteral("gt"), QStringLiteral("plusp"),
        QStringLiteral("policy"), QStringLiteral("design"), QStringLiteral("varc"), QStringLiteral("propro"),
        QStringLiteral("smopt0"), QStringLiteral("smopt1"),
        QStringLiteral("wght1"), QStringLiteral("wght2"), QStringLiteral("wght3"), QStringLiteral("wght4"),
    };
    return names;
}

// The icons live in the core library's resources, which a static library must
// register itself.
static void RegisterBuiltinIcons() { Q_INIT_RESOURCE(builtinicons); }

QByteArray BuiltinIconFile(const QString& name)
{
    static const bool registered = (RegisterBuiltinIcons(), true);
    Q_UNUSED(registered);
    QFile file(QStringLiteral(":/orvel/img/") + name + QStringLiteral(".bmp"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFolderImages(const TCase& aCase, const QString& folder)
{
    QDir dir(folder);
    if (!QFileInfo(dir, QStringLiteral("img")).isDir() && !dir.mkdir(QStringLiteral("img"))) {
        ShowError(QStringLiteral("Could not create folder for images"));
        return;
    }
    const TImageFolder img(dir.filePath(QStringLiteral("img/")));
    for (const QString& name : BuiltinIconNames())
        img.Write(name, BuiltinIconFile(name));
    WriteLevelIcons(aCase, img);
    WriteCatalogueIcons(aCase.Phases, QStringLiteral("phase"), img);
    WriteCatalogueIcons(aCase.Categories, QStringLiteral("cat"), img);
    WriteCatalogueIcons(aCase.Qualifiers, QStringLiteral("qual"), img);
}

bool LoadFolderIcon(const QString& folder, const QString& fileName, QImage& icon)
{
    // The name comes from the page: only a plain file name inside img/ is taken.
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\'))
        || fileName == QLatin1String("..") || fileName == QLatin1String("."))
        return false;
    QImageReader reader(folder + QStringLiteral("img/") + fileName);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > LargestIcon || size.height() > LargestIcon)
        return false;
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    icon = TwentyFourBit(image);
    return true;
}
