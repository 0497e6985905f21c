#include "clirun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Example = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");

// Every value of every design and object of the example is defined, and
// printed as a number; every design is appraised without a word.
TEST(ExampleCase, EvaluatesToNumbersAndAppraisesWithoutAWord)
{
    TCliRun run = RunCli({ QStringLiteral("evaluate"), Example, QStringLiteral("--objects") });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, QString());
    const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_GT(lines.size(), 50);
    for (const QString& line : lines) {
        bool number = false;
        line.section(QLatin1Char('\t'), -1).toDouble(&number);
        EXPECT_TRUE(number) << line.toStdString();
    }
    run = RunCli({ QStringLiteral("appraise"), Example, QStringLiteral("--base"), QStringLiteral("Business as usual"),
                   QStringLiteral("--objectives"), QStringLiteral("--options"), QStringLiteral("--qualifications") });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, QString());
    EXPECT_EQ(run.Out.count(QLatin1Char('\n')), 3 * 4);
}

} // namespace
