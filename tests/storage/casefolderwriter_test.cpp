#include "model/icons.h"
#include "storage/folderimages.h"
#include "folderfixture.h"

#include <zlib.h>

namespace {

int BitsPerPixel(const QString& path)
{
    const QByteArray bmp = ReadBytes(path);
    return bmp.size() > 30 && bmp.startsWith("BM") ? quint8(bmp[28]) | quint8(bmp[29]) << 8 : -1;
}

QByteArray Inflate(const QByteArray& compressed)
{
    QByteArray out(1 << 20, '\0');
    uLongf size = uLongf(out.size());
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(compressed.constData()),
                   uLong(compressed.size())) != Z_OK)
        return QByteArray();
    out.resize(qsizetype(size));
    return out;
}

struct CaseFolderWriterTest : FolderTest
{
    std::unique_ptr<TCase> Case = BuildRichCase();
    QString File(const QString& name) const { return Folder + name; }
};

TEST_F(CaseFolderWriterTest, WritesEveryPageLineForLineTheIconsAndEmptyTablesWithCountZero)
{
    ASSERT_TRUE(WriteCaseFolder(*Case, Folder));
    EXPECT_TRUE(Messages.Messages.isEmpty()) << Joined(Messages.Messages);
    EXPECT_EQ(Case->Folder, Folder);
    EXPECT_FALSE(Case->Changed);
    EXPECT_EQ(Messages.BusyDepth, 0);
    const char* const pages[][2] = { { "index.htm", "index" }, { "ORVEL info.htm", "info" }, { "ORVEL case.htm", "case" },
                                     { "ORVEL propro.htm", "propro" }, { "ORVEL actors.htm", "actors" },
                                     { "ORVEL policies.htm", "policies" }, { "ORVEL design 1.htm", "design1" } };
    for (const auto& [page, expected] : pages)
        ExpectRows(ReadPageLines(File(QLatin1String(page))), QStringLiteral("casefolder/%1.htm.expected").arg(QLatin1String(expected)));
    EXPECT_EQ(ReadPageLines(File(QStringLiteral("items.htm"))), Case->Contents);

    // UTF-8 after a byte order mark; the rows compared above are split only at
    // CR LF, so another line break would have shown in them.
    EXPECT_TRUE(ReadBytes(File(QStringLiteral("ORVEL case.htm"))).startsWith("\xEF\xBB\xBF<html>\r\n"));
    // The lists were sorted in place, in the orders written.
    const TOption* wide = Case->SystemLevels.At(0)->DecisionAreas.At(1)->Options.At(0);
    EXPECT_EQ(wide->PrecludedAreas.front()->Name, QStringLiteral("Layout"));
    EXPECT_EQ(Case->Combinations.front()->Options.size(), 3u);
    EXPECT_EQ(Case->Combinations.back()->Rating, -3);
    const TActor* alderman = Case->Actors.Find(QStringLiteral("Alderman"));
    EXPECT_EQ(alderman->Connections.front()->Influence, 4);
    EXPECT_EQ(alderman->Goals.back()->Variable->Name, QStringLiteral("Density"));

    // Built-in icons have eight bits, the case's own as they are drawn.
    ASSERT_EQ(BuiltinIconNames().size(), 30);
    for (const QString& name : BuiltinIconNames())
        EXPECT_EQ(BitsPerPixel(File(QStringLiteral("img/") + name + QStringLiteral(".bmp"))), 8) << name.toStdString();
    const struct { const char* file; int bits; } icons[] = {
        { "sl0", 24 }, { "sl3", 24 }, { "sld0", 8 }, { "sld3", 8 }, { "sl0p0", 8 }, { "sl3p1", 8 },
        { "slv0p0", 8 }, { "slv3p1", 8 }, { "phase0", 24 }, { "phase1", 24 }, { "cat0", 24 }, { "cat1", 24 },
        { "qual0", 24 }, { "qual1", 24 },
    };
    for (const auto& icon : icons)
        EXPECT_EQ(BitsPerPixel(File(QStringLiteral("img/%1.bmp").arg(QLatin1String(icon.file)))), icon.bits) << icon.file;
    // The 8-bit files hold exactly the drawn pixels.
    const TSystemLevel* city = Case->SystemLevels.At(0);
    const auto pixels = [](const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(pixels(QImage(File(QStringLiteral("img/sld0.bmp")))), pixels(city->DesignIconImage));
    EXPECT_EQ(pixels(QImage(File(QStringLiteral("img/slv0p1.bmp")))),
              pixels(LevelInPhaseVariantIcon(city->Icon, *Case->Phases.At(1))));
    EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("img/sl4.bmp"))));
    EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("img/phase2.bmp"))));

    // An empty case writes empty tables with count 0.
    TCase empty(QStringLiteral("Empty"));
    ASSERT_TRUE(WriteCaseFolder(empty, Folder));
    ExpectRows(ReadPageLines(File(QStringLiteral("ORVEL case.htm"))), QStringLiteral("casefolder/emptycase.htm.expected"));
    for (const char* page : { "ORVEL propro.htm", "ORVEL actors.htm", "ORVEL policies.htm" })
        EXPECT_EQ(ReadPageLines(File(QLatin1String(page))).last(4),
                  QStringList({ QStringLiteral("<table class=c0>"), QStringLiteral("</table>"), QStringLiteral("</body>"), QStringLiteral("</html>") }))
            << page;
}

// Export writes the data pages compressed and leaves the case to be saved; each
// kind of page replaces only stale pages of its own kind.
TEST_F(CaseFolderWriterTest, ExportCompressesTheDataPagesAndKeepsTheCaseUnsaved)
{
    Case->Contents << QStringLiteral("<a href=\"ORVEL report 1.htm\" target=main><b>Report #1</b></a><br>");
    ASSERT_TRUE(WriteCaseFolder(*Case, Folder));
    WriteBytes(File(QStringLiteral("ORVEL design 7.htm")), "stale");
    Case->Changed = true;
    ASSERT_TRUE(WriteCaseFolder(*Case, Folder, TSaveMode::Export));
    EXPECT_TRUE(Case->Changed);
    EXPECT_TRUE(QFileInfo::exists(File(QStringLiteral("ORVEL design 7.htm"))));
    for (const char* name : { "case", "propro", "actors", "policies", "design 0", "design 1" }) {
        const QString page = File(QStringLiteral("ORVEL %1").arg(QLatin1String(name)));
        const QByteArray compressed = ReadBytes(page + QStringLiteral(".cmc"));   // a zlib stream
        EXPECT_EQ(WithoutDate(Inflate(compressed)), WithoutDate(ReadBytes(page + QStringLiteral(".htm")))) << name;
    }
    EXPECT_EQ(ReadPageLines(File(QStringLiteral("items.htm"))), QStringList({ Case->Contents.first(), Case->Contents.last() }));

    const QString exported = Temp.filePath(QStringLiteral("exported"));
    ASSERT_TRUE(WriteCaseFolder(*Case, exported, TSaveMode::Export));
    EXPECT_EQ(Case->Folder, exported + QLatin1Char('/'));
    EXPECT_EQ(QDir(exported).entryList({ QStringLiteral("*.htm") }),
              QStringList({ QStringLiteral("index.htm"), QStringLiteral("items.htm"), QStringLiteral("ORVEL info.htm") }));

    Case->DeleteDesign(Case->Designs.At(1));
    ASSERT_TRUE(WriteCaseFolder(*Case, Folder));
    EXPECT_TRUE(QFileInfo::exists(File(QStringLiteral("ORVEL design 0.htm"))));
    EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("ORVEL design 1.htm"))) || QFileInfo::exists(File(QStringLiteral("ORVEL design 7.htm"))));
    EXPECT_TRUE(QFileInfo::exists(File(QStringLiteral("ORVEL design 1.cmc"))));
}

// A file or a link named img is replaced by the image folder; nothing is
// written through a link out of the case folder.
TEST_F(CaseFolderWriterTest, WhatIsInTheWayIsReplacedNotWrittenThrough)
{
    QDir().mkpath(Folder);
    QDir().mkpath(Temp.filePath(QStringLiteral("outside/img")));
    const QString outsidePage = Temp.filePath(QStringLiteral("outside/info.htm"));
    WriteBytes(outsidePage, "someone else's file");
    QFile::link(outsidePage, File(QStringLiteral("ORVEL info.htm")));
    QFile::link(Temp.filePath(QStringLiteral("outside/img")), File(QStringLiteral("img")));
    QFile::link(Temp.filePath(QStringLiteral("outside")), File(QStringLiteral(".orvel-save")));
    QFile::link(Temp.filePath(QStringLiteral("outside")), File(QStringLiteral(".orvel-save.new")));
    EXPECT_TRUE(WriteCaseFolder(*Case, Folder));
    EXPECT_TRUE(Messages.Messages.isEmpty()) << Joined(Messages.Messages);
    EXPECT_EQ(ReadBytes(outsidePage), QByteArray("someone else's file"));
    EXPECT_TRUE(QDir(Temp.filePath(QStringLiteral("outside/img"))).isEmpty());
    EXPECT_EQ(QDir(Temp.filePath(QStringLiteral("outside"))).entryList(QDir::Files), QStringList{ QStringLiteral("info.htm") });
    EXPECT_FALSE(QFileInfo(File(QStringLiteral("ORVEL info.htm"))).isSymLink());
    EXPECT_FALSE(QFileInfo(File(QStringLiteral("img"))).isSymLink());
    EXPECT_EQ(BitsPerPixel(File(QStringLiteral("img/sl0.bmp"))), 24);

    QDir(File(QStringLiteral("img"))).removeRecursively();
    WriteBytes(File(QStringLiteral("img")), "not a folder");
    EXPECT_TRUE(WriteCaseFolder(*Case, Folder));
    EXPECT_TRUE(QFileInfo(File(QStringLiteral("img"))).isDir());

    // A folder that cannot be made writes nothing.
    Case->Changed = true;
    const QString path = Temp.filePath(QStringLiteral("missing/case"));
    EXPECT_FALSE(WriteCaseFolder(*Case, path));
    EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("Could not create folder\r\"") + path + QStringLiteral("\"") });
    EXPECT_TRUE(Case->Changed);
    EXPECT_EQ(Messages.BusyDepth, 0);
}

} // namespace
