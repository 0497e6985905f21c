#include "storage/folderimages.h"

#include "model/case.h"
#include "model/icons.h"
#include "model/messages.h"
#include "storage/fileoutput.h"
#include "storage/savetransaction.h"
#include "storage/storageerror.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstdlib>

namespace {

// Icons larger than this are no icons of ours; they are not even decoded.
constexpr int LargestIcon = 256;
constexpr qint64 LargestIconFile = 54 + 1024 + qint64(LargestIcon) * LargestIcon * 4;

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

// Icons are drawn again at every save; those the folder holds already, byte
// for byte, are not written again.
class TImageFolder
{
public:
    explicit TImageFolder(TSaveTransaction& save)
        : Save(save), LiveImages(IsRealFolder(save.LivePath(QStringLiteral("img")))) {}
    void Write(const QString& name, const QByteArray& bitmap) const
    {
        const QString file = QStringLiteral("img/") + name + QStringLiteral(".bmp");
        if (!HoldsAlready(Save.LivePath(file), bitmap))
            WriteWholeFile(Save.StagedPath(file), bitmap, TWriteMode::Staged);
    }

private:
    bool HoldsAlready(const QString& path, const QByteArray& bitmap) const
    {
        QFile old(path);
        return LiveImages && IsRegularFile(path) && old.size() == bitmap.size() && old.open(QIODevice::ReadOnly)
               && old.readAll() == bitmap;
    }

    TSaveTransaction& Save;
    const bool LiveImages;   // img/ is a real folder, not a link out of the case folder
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

void WriteFolderImages(const TCase& aCase, TSaveTransaction& save)
{
    // A save without its icons would mix new pages with old icons: a failure here fails the save.
    MakeRealFolder(save.StagedPath(QStringLiteral("img")));
    const TImageFolder img(save);
    for (const QString& name : BuiltinIconNames())
        img.Write(name, BuiltinIconFile(name));
    WriteLevelIcons(aCase, img);
    WriteCatalogueIcons(aCase.Phases, QStringLiteral("phase"), img);
    WriteCatalogueIcons(aCase.Categories, QStringLiteral("cat"), img);
    WriteCatalogueIcons(aCase.Qualifiers, QStringLiteral("qual"), img);
}

namespace {

enum class TBitmapCheck { Usable, Foreign, Truncated };

// Only uncompressed bitmaps of icon size are ours. One shorter than its header
// says would be completed by the decoder from memory it never wrote.
TBitmapCheck CheckBitmap(const QByteArray& bytes)
{
    const auto field = [&bytes](int at, int size) {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | quint8(bytes.at(at + i));
        return value;
    };
    if (bytes.size() < 54)
        return TBitmapCheck::Truncated;
    const qint64 width = qint32(field(18, 4));
    const qint64 height = std::abs(qint64(qint32(field(22, 4))));
    const qint64 bits = field(28, 2);
    const quint32 compression = field(30, 4);
    if (field(14, 4) < 40 || width <= 0 || width > LargestIcon || height == 0 || height > LargestIcon
        || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        || (compression != 0 && compression != 3))
        return TBitmapCheck::Foreign;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    if (field(2, 4) > quint32(bytes.size()) || qint64(field(10, 4)) + stride * height > bytes.size())
        return TBitmapCheck::Truncated;
    return TBitmapCheck::Usable;
}

} // namespace

bool LoadFolderIcon(const TFolderFiles& files, const QString& fileName, QImage& icon)
{
    // The name comes from the page: only a plain file name inside img/ is taken.
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\'))
        || fileName == QLatin1String("..") || fileName == QLatin1String("."))
        return false;
    QByteArray bytes;
    if (!ReadRegularFile(files.Path(QStringLiteral("img/") + fileName), LargestIconFile, bytes)
        || !bytes.startsWith("BM"))
        return false;
    const TBitmapCheck check = CheckBitmap(bytes);
    if (check == TBitmapCheck::Truncated)
        ShowReadWarning(QStringLiteral("Icon \"img/") + fileName
                        + QStringLiteral("\" is shorter than its header says and is left out"));
    if (check != TBitmapCheck::Usable)
        return false;
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    icon = TwentyFourBit(image);
    return true;
}
