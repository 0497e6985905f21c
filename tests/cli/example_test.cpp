#include "clirun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Example = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");

TEST(ExampleCase, ResavesWithoutAWord)
{
    QTemporaryDir temp;
    const TCliRun run = RunCli({ QStringLiteral("resave"), Example, temp.filePath(QStringLiteral("out")) });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out + run.Errors, QString());
}

// Every line of either listing ends in a number: no error text, no "undefined".
TEST(ExampleCase, EvaluatesToNumbersOnly)
{
    for (const QStringList& extra : { QStringList(), QStringList{ QStringLiteral("--objects") } }) {
        const TCliRun run = RunCli(QStringList{ QStringLiteral("evaluate"), Example } + extra);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Errors, QString());
        const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_GT(lines.size(), 50);
        for (const QString& line : lines) {
            bool number = false;
            line.section(QLatin1Char('\t'), -1).toDouble(&number);
            EXPECT_TRUE(number) << line.toStdString();
        }
    }
}

TEST(ExampleCase, AppraisesEveryDesignByEveryActorWithoutAWord)
{
    const TCliRun run = RunCli({ QStringLiteral("appraise"), Example, QStringLiteral("--base"),
                                 QStringLiteral("Business as usual"), QStringLiteral("--objectives"),
                                 QStringLiteral("--options"), QStringLiteral("--qualifications") });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, QString());
    EXPECT_EQ(run.Out.count(QLatin1Char('\n')), 3 * 4);
}

} // namespace
