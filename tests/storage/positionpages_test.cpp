#include "model/messagerecorder.h"
#include "storage/folderwriter.h"
#include "expectpage.h"
#include "samplecase.h"
#include "samplepositions.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct PositionPagesTest : ::testing::Test
{
    TMessageRecorder Messages;
    QTemporaryDir Temp;
    std::unique_ptr<TCase> Case = BuildSampleCase();
    QString Folder() const { return Temp.filePath(QStringLiteral("case")); }
    QString File(const QString& name) const { return Folder() + QLatin1Char('/') + name; }

    PositionPagesTest() { AddSamplePositions(*Case); }
};

} // namespace

TEST_F(PositionPagesTest, WritesThePagesLineForLineInTheirOrders)
{
    ASSERT_TRUE(WriteCaseFolder(*Case, Folder()));
    ExpectPage(File(QStringLiteral("ORVEL propro.htm")), QStringLiteral("propro.htm.expected"));
    ExpectPage(File(QStringLiteral("ORVEL actors.htm")), QStringLiteral("actors.htm.expected"));
    ExpectPage(File(QStringLiteral("ORVEL policies.htm")), QStringLiteral("policies.htm.expected"));
    EXPECT_TRUE(Messages.Messages.isEmpty());
    // The lists are left in the order written.
    EXPECT_EQ(Case->Combinations.front()->Options.size(), 3u);
    EXPECT_EQ(Case->Combinations.back()->Rating, -3);
    const TActor* alderman = Case->Actors.Find(QStringLiteral("Alderman"));
    EXPECT_EQ(alderman->Connections.front()->Influence, 4);
    EXPECT_EQ(alderman->Goals.back()->Variable->Name, QStringLiteral("Density"));
}

TEST_F(PositionPagesTest, AnEmptyCaseWritesEachPageWithCountZero)
{
    TCase empty(QStringLiteral("Empty"));
    ASSERT_TRUE(WriteCaseFolder(empty, Folder()));
    for (const char* page : { "ORVEL propro.htm", "ORVEL actors.htm", "ORVEL policies.htm" }) {
        const QStringList lines = ReadPageLines(File(QLatin1String(page)));
        EXPECT_EQ(lines.mid(lines.size() - 4), QStringList({ QStringLiteral("<table class=c0>"), QStringLiteral("</table>"),
                                                              QStringLiteral("</body>"), QStringLiteral("</html>") }))
            << page;
    }
}

TEST_F(PositionPagesTest, ExportCompressesThePagesLikeTheOthers)
{
    ASSERT_TRUE(WriteCaseFolder(*Case, Folder(), TSaveMode::Export));
    for (const char* name : { "ORVEL propro", "ORVEL actors", "ORVEL policies" }) {
        const QByteArray compressed = ReadBytes(File(QLatin1String(name) + QStringLiteral(".cmc")));
        ASSERT_GE(compressed.size(), 2) << name;
        EXPECT_EQ(quint8(compressed[0]), 0x78);
        EXPECT_EQ(quint8(compressed[1]), 0xDA);
        EXPECT_FALSE(QFileInfo::exists(File(QLatin1String(name) + QStringLiteral(".htm"))));
    }
}
