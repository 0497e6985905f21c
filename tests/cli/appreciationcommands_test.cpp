#include "actors/appraisalfixture.h"
#include "clirun.h"
#include "storage/folderwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Appraisals print one line per design and actor.
TEST(AppreciationCommands, AppraiseReportAndTheirErrors)
{
    // "Plan" costs 19 (Gas, green, at the city; Walls in North, 3 alike, not in
    // South, 2 alike); "Alt" costs 40. Mayor wants a cost of at most 20 (+2) and
    // fears a rise of 50% (-1), likes Walls (+1) and green (+3); Council has no
    // positions.
    QTemporaryDir temp;
    TAppraisalFixture f;
    f.CityDesign("Alt", f.HeatPump);
    f.Gas->AddQualifier(f.Green);
    f.Mayor->AddGoal(f.Cost, -1, 20, 2);
    f.Mayor->AddGoal(f.Cost, 2, 50, -1);
    f.Mayor->AddOptionFeeling(f.Walls, 1);
    f.Mayor->AddQualifierFeeling(f.Green, 3);
    f.Case.AddActor("Council");
    ASSERT_TRUE(WriteCaseFolder(f.Case, temp.path()));
    TCliRun run = RunCli({ "appraise", temp.path() });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, QString());
    EXPECT_EQ(run.Out, "Alt\tCouncil\t\t\t\t\n"
                       "Alt\tMayor\t0% positive, 0% negative\t0/2 positive, 0/1 negative\t\t\n"
                       "Plan\tCouncil\t\t\t\t\n"
                       "Plan\tMayor\t100% positive, 0% negative\t2/2 positive, 0/1 negative\t\t\n");

    run = RunCli({ "appraise", temp.path(), "--base", "alt", "--objectives", "--options", "--qualifications" });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "Alt\tCouncil\t\t\t\t\n"
                       "Alt\tMayor\t0% positive, 0% negative\t0/2 positive, 0/1 negative\t\t0/3 positive\n"
                       "Plan\tCouncil\t\t\t\t\n"
                       "Plan\tMayor\t87% positive, 0% negative\t2/2 positive, 0/1 negative\t3/5 positive\t3/3 positive\n");

    run = RunCli({ "appraise", temp.path(), "--options" });
    EXPECT_EQ(run.Out.split('\n').value(3), "Plan\tMayor\t60% positive\t\t3/5 positive\t");

    // Reports are numbered into the folder.
    run = RunCli({ "report", temp.path(), "--design", "Plan", "--design", "Alt", "--base", "Alt", "--options" });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, QString());
    EXPECT_EQ(run.Out, "ORVEL report 1.htm\n");
    QFile report(temp.filePath("ORVEL report 1.htm"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(report.readAll());
    EXPECT_TRUE(page.contains("<td><b>D1</b> Plan</td>"));
    EXPECT_TRUE(page.contains("<td><b>D2</b> Alt <i>(base design)</i></td>"));
    EXPECT_TRUE(page.contains("<tr><td>specific&nbsp;options:</td>"));
    EXPECT_FALSE(page.contains("<tr><td>objectives:</td>"));
    EXPECT_TRUE(page.contains("Promises and problems in"));

    // A second run numbers on from the first.
    EXPECT_EQ(RunCli({ "report", temp.path(), "--design", "Plan" }).Out, "ORVEL report 2.htm\n");

    // Wrong designs and missing pages.
    run = RunCli({ "report", temp.path(), "--design", "Plan", "--design", "Nope" });
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Errors, "ORVEL ERROR: There is no design \"Nope\" in the case\n");
    EXPECT_FALSE(QFile::exists(temp.filePath("ORVEL report 3.htm")));

    run = RunCli({ "appraise", temp.path(), "--base", "Nope" });
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, QString());

    QFile::remove(temp.filePath("ORVEL actors.htm"));
    run = RunCli({ "appraise", temp.path() });
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, QString());
}
