#include "model/icons.h"
#include "model/messagerecorder.h"
#include "storage/folderimages.h"
#include "storage/folderwriter.h"
#include "support/testpaths.h"
#include "expectpage.h"
#include "samplecase.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
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

// The page without its generator comment's date line.
struct CaseFolderWriterTest : ::testing::Test
{
    TMessageRecorder Messages;
    QTemporaryDir Temp;
    std::unique_ptr<TCase> Case = BuildSampleCase();
    QString Folder() const { return Temp.filePath(QStringLiteral("case")); }
    QString File(const QString& name) const { return Folder() + QLatin1Char('/') + name; }
};

TEST_F(CaseFolderWriterTest, WritesEveryPageLineForLine)
{
    ASSERT_TRUE(WriteCaseFolder(*Case, Folder() + QLatin1Char('/')));
    EXPECT_TRUE(Messages.Messages.isEmpty()) << Messages.Messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Case->Folder, Folder() + QLatin1Char('/'));
    EXPECT_FALSE(Case->Changed);
    EXPECT_EQ(Messages.BusyDepth, 0);
    ExpectPage(File(QStringLiteral("index.htm")), QStringLiteral("index.htm.expected"));
    ExpectPage(File(QStringLiteral("ORVEL info.htm")), QStringLiteral("info.htm.expected"));
    ExpectPage(File(QStringLiteral("ORVEL case.htm")), QStringLiteral("case.htm.expected"));
    EXPECT_EQ(ReadPageLines(File(QStringLiteral("items.htm"))), TCase::DefaultContents());

    // UTF-8 after a byte order mark, and no line break other than CR LF.
    const QByteArray page = ReadBytes(File(QStringLiteral("ORVEL case.htm")));
    EXPECT_TRUE(page.startsWith("\xEF\xBB\xBF<html>\r\n"));
    EXPECT_EQ(page.count("\n"), page.count("\r\n"));
    EXPECT_EQ(page.count("\r"), page.count("\r\n"));
    // The precluded areas were sorted in place.
    const TOption* wide = Case->SystemLevels.At(0)->DecisionAreas.At(1)->Options.At(0);
    EXPECT_EQ(wide->PrecludedAreas.front()->Name, QStringLiteral("Layout"));
}

TEST_F(CaseFolderWriterTest, WritesBuiltinIconsWithEightBitsAndCaseIconsAsTheyAre)
{
    ASSERT_TRUE(WriteCaseFolder(*Case, Folder()));
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
}

TEST_F(CaseFolderWriterTest, ExportCompressesTheDataPagesAndKeepsTheCaseUnsaved)
{
    Case->Contents << QStringLiteral("<a href=\"ORVEL report 1.htm\" target=main><b>Report #1</b></a><br>");
    Case->Changed = true;
    ASSERT_TRUE(WriteCaseFolder(*Case, Temp.filePath(QStringLiteral("normal"))));
    Case->Changed = true;
    ASSERT_TRUE(WriteCaseFolder(*Case, Folder(), TSaveMode::Export));
    EXPECT_TRUE(Case->Changed);
    EXPECT_EQ(Case->Folder, Folder() + QLatin1Char('/'));
    EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("ORVEL case.htm"))));
    EXPECT_TRUE(QFileInfo::exists(File(QStringLiteral("index.htm"))));
    EXPECT_TRUE(QFileInfo::exists(File(QStringLiteral("ORVEL info.htm"))));

    const QByteArray compressed = ReadBytes(File(QStringLiteral("ORVEL case.cmc")));
    ASSERT_GE(compressed.size(), 2);
    EXPECT_EQ(quint8(compressed[0]), 0x78);   // zlib stream, deflate
    EXPECT_EQ(quint8(compressed[1]), 0xDA);   // level 9
    const QByteArray page = Inflate(compressed);
    EXPECT_TRUE(page.startsWith("\xEF\xBB\xBF<html>\r\n"));
    EXPECT_EQ(WithoutDate(page), WithoutDate(ReadBytes(Temp.filePath(QStringLiteral("normal/ORVEL case.htm")))));

    EXPECT_EQ(ReadPageLines(File(QStringLiteral("items.htm"))),
              QStringList({ Case->Contents.first(), Case->Contents.last() }));
    EXPECT_EQ(Case->Contents.size(), 6);
}

TEST_F(CaseFolderWriterTest, AFolderThatCannotBeMadeWritesNothing)
{
    Case->Changed = true;
    const QString path = Temp.filePath(QStringLiteral("missing/case"));
    EXPECT_FALSE(WriteCaseFolder(*Case, path));
    EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("Could not create folder\r\"") + path + QStringLiteral("\"") });
    EXPECT_TRUE(Case->Changed);
    EXPECT_EQ(Messages.BusyDepth, 0);
}

// A file or a link named img is replaced by the image folder; nothing is
// written through a link out of the case folder.
TEST_F(CaseFolderWriterTest, LinksAndFilesInTheWayAreReplacedNotWrittenThrough)
{
    QDir().mkpath(Folder());
    QDir().mkpath(Temp.filePath(QStringLiteral("outside/img")));
    const QString outsidePage = Temp.filePath(QStringLiteral("outside/info.htm"));
    WriteBytes(outsidePage, "someone else's file");
    QFile::link(outsidePage, File(QStringLiteral("ORVEL info.htm")));
    QFile::link(Temp.filePath(QStringLiteral("outside/img")), File(QStringLiteral("img")));
    QFile::link(Temp.filePath(QStringLiteral("outside")), File(QStringLiteral(".orvel-save")));
    QFile::link(Temp.filePath(QStringLiteral("outside")), File(QStringLiteral(".orvel-save.new")));
    EXPECT_TRUE(WriteCaseFolder(*Case, Folder()));
    EXPECT_TRUE(Messages.Messages.isEmpty()) << Messages.Messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(ReadBytes(outsidePage), QByteArray("someone else's file"));
    EXPECT_TRUE(QDir(Temp.filePath(QStringLiteral("outside/img"))).isEmpty());
    EXPECT_EQ(QDir(Temp.filePath(QStringLiteral("outside"))).entryList(QDir::Files), QStringList{ QStringLiteral("info.htm") });
    EXPECT_FALSE(QFileInfo(File(QStringLiteral("ORVEL info.htm"))).isSymLink());
    EXPECT_FALSE(QFileInfo(File(QStringLiteral("img"))).isSymLink());
    EXPECT_EQ(BitsPerPixel(File(QStringLiteral("img/sl0.bmp"))), 24);

    QDir(File(QStringLiteral("img"))).removeRecursively();
    WriteBytes(File(QStringLiteral("img")), "not a folder");
    EXPECT_TRUE(WriteCaseFolder(*Case, Folder()));
    EXPECT_TRUE(QFileInfo(File(QStringLiteral("img"))).isDir());
}

// A disk that fills up halfway through the case page: the old page stays whole,
// the error is shown and the case is still to be saved.
TEST_F(CaseFolderWriterTest, AFailedWriteKeepsTheOldPage)
{
    ASSERT_TRUE(WriteCaseFolder(*Case, Folder()));
    const QByteArray old = ReadBytes(File(QStringLiteral("ORVEL case.htm")));
    Case->Changed = true;
    Case->Comments = { QString(20000, QLatin1Char('x')) };

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16000;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WriteCaseFolder(*Case, Folder());
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(written);
    ASSERT_EQ(Messages.Errors().size(), 1);
    EXPECT_TRUE(Messages.Errors().first().startsWith(QStringLiteral("Could not write file\r\"") + File(QStringLiteral("ORVEL case.htm"))));
    EXPECT_EQ(ReadBytes(File(QStringLiteral("ORVEL case.htm"))), old);
    EXPECT_TRUE(Case->Changed);
    EXPECT_EQ(Messages.BusyDepth, 0);
    EXPECT_EQ(QDir(Folder()).entryList(QDir::Files).filter(QStringLiteral("ORVEL case")).size(), 1);
}

TEST_F(CaseFolderWriterTest, AnEmptyCaseWritesEmptyTablesWithCountZero)
{
    TCase empty(QStringLiteral("Empty"));
    ASSERT_TRUE(WriteCaseFolder(empty, Folder()));
    const QStringList lines = ReadPageLines(File(QStringLiteral("ORVEL case.htm")));
    const qsizetype at = lines.indexOf(QStringLiteral(" <tr class=section><td>System type definitions</td></tr>"));
    ASSERT_GT(at, 0);
    EXPECT_EQ(lines.mid(at + 1), QStringList({
        QStringLiteral(" <tr><td><table c=0>"), QStringLiteral(" </table></td></tr>"),
        QStringLiteral(" <tr class=section><td>Preclusions (by system type)</td></tr>"),
        QStringLiteral(" <tr><td><table>"), QStringLiteral(" </table></td></tr>"),
        QStringLiteral("</table>"), QStringLiteral("</body>"), QStringLiteral("</html>") }));
    EXPECT_EQ(lines.mid(lines.indexOf(QStringLiteral(" <tr class=cmnt><td>")), 3),
              QStringList({ QStringLiteral(" <tr class=cmnt><td>"), QString(), QStringLiteral(" </td></tr>") }));
}

} // namespace
