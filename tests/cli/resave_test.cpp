#include "clirun.h"
#include "storage/folderwriter.h"
#include "../storage/samplecase.h"

#include <gtest/gtest.h>

namespace {

struct ResaveTest : ::testing::Test
{
    QTemporaryDir Temp;
    QString In = Temp.filePath(QStringLiteral("in"));
    QString Out = Temp.filePath(QStringLiteral("out"));
    void SetUp() override
    {
        ASSERT_TRUE(WriteCaseFolder(*BuildRichCase(), In));
    }
};

TEST_F(ResaveTest, WritesTheSamePagesWithPointsForDecimalsOrReportsABrokenPage)
{
    TCliRun run = RunCli({ QStringLiteral("resave"), In, Out });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, QString());
    // The folder was written in this test's locale; the program writes "." always.
    for (const char* page : { "/ORVEL case.htm", "/ORVEL propro.htm", "/ORVEL actors.htm", "/ORVEL policies.htm", "/ORVEL design 1.htm" }) {
        QByteArray expected = WithoutDate(ReadBytes(In + QLatin1String(page)));
        for (const char* number : { "1234,5", "1234567,891", "12,5", "0,123456789" })
            expected.replace(number, QByteArray(number).replace(',', '.'));
        EXPECT_EQ(WithoutDate(ReadBytes(Out + QLatin1String(page))), expected) << page;
    }

    // A broken page is reported, and nothing is written.
    QByteArray page = ReadBytes(In + QStringLiteral("/ORVEL case.htm"));
    WriteBytes(In + QStringLiteral("/ORVEL case.htm"), page.replace("<td>Rate [EUR]", "<td>Rate [USD]"));
    const QString none = Temp.filePath(QStringLiteral("none"));
    run = RunCli({ QStringLiteral("resave"), In, none });
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, QStringLiteral("ORVEL ERROR: ORVEL case.htm, line 77: Unknown scale \"USD\"\n"));
    EXPECT_FALSE(QFile::exists(none));
}

// The contents page never links to a page the new folder lacks.
TEST_F(ResaveTest, TakesTheLinkedReportsAlongAndExports)
{
    QByteArray items = ReadBytes(In + QStringLiteral("/items.htm"));
    WriteBytes(In + QStringLiteral("/items.htm"), items + "<a href=\"ORVEL report 1.htm\" target=main>Report #1</a>\r\n");
    WriteBytes(In + QStringLiteral("/ORVEL report 1.htm"), "<html>the report</html>");
    WriteBytes(In + QStringLiteral("/ORVEL report 2.htm"), "<html>linked from nowhere</html>");
    EXPECT_EQ(RunCli({ QStringLiteral("resave"), In, Out }).Status, 0);
    EXPECT_EQ(ReadBytes(Out + QStringLiteral("/ORVEL report 1.htm")), QByteArray("<html>the report</html>"));
    EXPECT_FALSE(QFile::exists(Out + QStringLiteral("/ORVEL report 2.htm")));
    // An export writes compressed pages.
    const QString exported = Temp.filePath(QStringLiteral("exported"));
    EXPECT_EQ(RunCli({ QStringLiteral("resave"), In, exported, QStringLiteral("--export") }).Status, 0);
    EXPECT_FALSE(QFile::exists(exported + QStringLiteral("/ORVEL case.htm")));
    EXPECT_TRUE(QFile::exists(exported + QStringLiteral("/ORVEL case.cmc")));
}

} // namespace
