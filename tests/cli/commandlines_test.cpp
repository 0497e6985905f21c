// Wrong command lines end with status 2 and a usage or an error; --help with 0.
#include "clirun.h"
#include "import/olddatabasebuilder.h"
#include "storage/folderwriter.h"
#include "../storage/samplecase.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CommandLines, WrongOnesEndWithStatusTwo)
{
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("case"));
    const QString out = temp.filePath(QStringLiteral("out"));
    const QString none = temp.filePath(QStringLiteral("none"));
    const QString database = temp.filePath(QStringLiteral("old.db"));
    ASSERT_TRUE(WriteCaseFolder(*BuildSampleCase(), folder));
    TOldDatabaseBuilder(database).Insert(QStringLiteral("Case"), { { "CaseID", 1 }, { "Name", "Zeta" } });
    // The error output starts with `error`.
    const struct { QStringList arguments; int status; QString error; } cases[] = {
        { {}, 2, {} },
        { { "nothing" }, 2, {} },
        { { "--help" }, 0, {} },
        { { "evaluate" }, 2, {} },
        { { "evaluate", none }, 2, {} },
        { { "evaluate", folder, "--bogus" }, 2, {} },
        { { "evaluate", "--help" }, 0, {} },
        { { "appraise", none }, 2, {} },
        { { "appraise", folder, "--bogus" }, 2, {} },
        { { "appraise", "--help" }, 0, {} },
        { { "report", folder }, 2, {} },   // no --design
        { { "report", "--design", "Plan" }, 2, {} },
        { { "report", "--help" }, 0, {} },
        { { "import" }, 2, {} },
        { { "import", database, "--case", "Zeta" }, 2, {} },
        { { "import", database, out }, 2, {} },
        { { "import", temp.filePath(QStringLiteral("none.mdb")) }, 2, "ORVEL ERROR: Could not open database" },
        { { "resave", folder }, 2, {} },
        { { "resave", folder, out, "--bogus" }, 2, {} },
        { { "resave", none, out }, 2, "ORVEL ERROR: Could not open folder\n\"" + none + "\"\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const TCliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.Status, c.status);
        EXPECT_TRUE(run.Errors.startsWith(c.error)) << run.Errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
