#include "clirun.h"
#include "storage/folderwriter.h"
#include "support/designfixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(EvaluateCommand, PrintsDesignValuesAndWithObjectsEveryAttribute)
{
    // Design "Plan": Town (x2, cost 10) > North (x3, cost 4, price 2.5), South
    // (price 1/0); design "Beta" is empty.
    QTemporaryDir temp;
    TDesignFixture f;
    f.Case.AddDesign("Beta");
    TDesignObject* town = f.Object("Town", nullptr, f.City, 2);
    town->SelectDesignOption(f.OptionWithEffect(f.City, "Budget", f.Cost, "10"));
    TDesignObject* north = f.Object("North", town, f.District, 3);
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Paving", f.Cost, "4"));
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Rent", f.Price, "2.5"));
    f.Object("South", town, f.District)->SelectDesignOption(f.OptionWithEffect(f.District, "Broken", f.Price, "1/0"));
    ASSERT_TRUE(WriteCaseFolder(f.Case, temp.path()));
    const QString values = QStringLiteral("Plan\tCost\t44\nPlan\tPrice\tundefined\n");
    const QString empty = QStringLiteral("Beta\tCost\t0\nBeta\tPrice\t0\n");
    TCliRun run = RunCli({ QStringLiteral("evaluate"), temp.path() });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, QString());
    EXPECT_EQ(run.Out, empty + values);

    run = RunCli({ QStringLiteral("evaluate"), temp.path(), QStringLiteral("--objects") });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, empty + values
                           + QStringLiteral("Plan\tTown\tCost\t22\n"
                                            "Plan\tTown\tPrice\t#DIV0!\n"
                                            "Plan\tTown/North\tCost\t4\n"
                                            "Plan\tTown/North\tPrice\t2.5\n"
                                            "Plan\tTown/South\tPrice\t#DIV0!\n"));
}

// Fields keep one line and one tab each whatever the names hold; the folder
// read is left as it was, even without its contents page. Without its case
// page it gives an error and nothing else.
TEST(EvaluateCommand, EscapesFieldsNeverWritesIntoTheFolderAndReportsAMissingPage)
{
    QTemporaryDir temp;
    {
        TDesignFixture f;
        f.Case.Designs.RenameConcept(f.Plan, QStringLiteral("Tab\there\\"));
        f.Object("North/South", nullptr, f.City)->SelectDesignOption(f.OptionWithEffect(f.City, "Budget", f.Cost, "1"));
        ASSERT_TRUE(WriteCaseFolder(f.Case, temp.path()));
    }
    QFile::remove(temp.filePath(QStringLiteral("items.htm")));
    const TCliRun run = RunCli({ QStringLiteral("evaluate"), temp.path(), QStringLiteral("--objects") });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, QStringLiteral("Tab\\there\\\\\tCost\t1\nTab\\there\\\\\tPrice\t0\nTab\\there\\\\\tNorth\\/South\tCost\t1\n"));
    EXPECT_FALSE(QFile::exists(temp.filePath(QStringLiteral("items.htm"))));

    QFile::remove(temp.filePath(QStringLiteral("ORVEL case.htm")));
    const TCliRun broken = RunCli({ QStringLiteral("evaluate"), temp.path() });
    EXPECT_EQ(broken.Status, 1);
    EXPECT_EQ(broken.Out, QString());
    EXPECT_TRUE(broken.Errors.startsWith(QStringLiteral("ORVEL ERROR: Could not open file\n"))) << broken.Errors.toStdString();
}

TEST(EvaluateCommand, AFaultyFormulaWarnsOnceAboutEachProblem)
{
    QTemporaryDir temp;
    TModelFixture f;
    TModelFixture::Effect(f.Gas, f.Cost)->Formula = QStringLiteral("[Nowhere] +");
    ASSERT_TRUE(WriteCaseFolder(f.Case, temp.path()));
    const TCliRun run = RunCli({ QStringLiteral("evaluate"), temp.path() });
    EXPECT_EQ(run.Errors, QStringLiteral("Warning: Unknown variable: \"Nowhere\"\n"
                                         "Warning: The formula of \"Heating = Gas\" for \"Cost\" does not compile "
                                         "(ERROR: Missing operand): [Nowhere] +\n"));
}

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
