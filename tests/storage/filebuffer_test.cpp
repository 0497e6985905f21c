#include "model/messagerecorder.h"
#include "storage/filebuffer.h"
#include "storage/storageerror.h"
#include "samplecase.h"

namespace {

struct FileBufferTest : ::testing::Test
{
    TMessageRecorder Messages;
    QTemporaryDir Temp;
    TFileBuffer Buffer;

    void Open(const QByteArray& bytes)
    {
        const QString path = Temp.filePath(QStringLiteral("page.htm"));
        WriteBytes(path, bytes);
        ASSERT_TRUE(Buffer.Open(path));
    }
};

TEST_F(FileBufferTest, LinesEndAtCrLfCrOrLfAndSearchesIgnoreLetterCase)
{
    Open("\xEF\xBB\xBF" "one\r\ntwo\rthree\r\n\r\nfour\nfive\n\nlast");
    const QStringList expected = { "one", "two", "three", "", "four", "five", "", "last" };
    for (const QString& line : expected) {
        EXPECT_FALSE(Buffer.AtEnd());
        EXPECT_EQ(Buffer.ReadLine(), line);
    }
    EXPECT_TRUE(Buffer.AtEnd());
    EXPECT_EQ(Buffer.ReadLine(), QString());

    // Searches ignore letter case and span lines.
    Open("<TR><Td>Name\r\nmore</TD>\r\nrest <b>x</B> and <I>y</i>\r\n");
    Buffer.SkipPast(QStringLiteral("<td>"));
    EXPECT_EQ(Buffer.ReadUntil(QStringLiteral("</td>")), QStringLiteral("Name\rmore"));
    EXPECT_TRUE(Buffer.FindFirstOf(QStringLiteral("<b>"), QStringLiteral("<i>")));
    EXPECT_FALSE(Buffer.FindFirstOf(QStringLiteral("<i>"), QStringLiteral("<b>")));
    EXPECT_FALSE(Buffer.FindFirstOf(QStringLiteral("<u>"), QStringLiteral("<s>")));
    EXPECT_EQ(Buffer.ReadUntil(QStringLiteral("</b>")), QStringLiteral("\rrest <b>x"));
    EXPECT_TRUE(Buffer.NextOnLine(QStringLiteral("and")));
    EXPECT_FALSE(Buffer.NextOnLine(QStringLiteral("<i>")));

    // SkipPast looks line by line: a marker split over two lines is not found
    // (the damaged folder tests show the message a missing marker gives).
    Open("<ta\r\nble>");
    EXPECT_THROW(Buffer.SkipPast(QStringLiteral("<table>")), TStorageError);
}

// A marker found after many appended lines: the buffer does not search the
// same text again, and consumed text is dropped. Lines count the same
// whichever line ends the page has.
TEST_F(FileBufferTest, LongSectionsAreReadWhole)
{
    for (const char* end : { "\r\n", "\n" }) {
        QByteArray page;
        for (int i = 0; i < 20000; ++i)
            page += "<tr><td>row " + QByteArray::number(i) + "</td></tr>" + end;
        Open(page + "</table>");
        for (int i = 0; i < 20000; i += 2)
            Buffer.ReadUntil(QStringLiteral("</td></tr>"));
        EXPECT_EQ(Buffer.Line(), 10000);   // just after row 9999
        EXPECT_TRUE(Buffer.ReadUntil(QStringLiteral("</table>")).endsWith(QStringLiteral("row 19999</td></tr>\r")));
        EXPECT_EQ(Buffer.Line(), 20001);
    }
}

} // namespace
