#include "actors/appraisalfixture.h"
#include "actors/impactreport.h"
#include "model/messagerecorder.h"
#include "storage/contentspage.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "storage/pagehead.h"
#include "support/testpaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Plan (Cost 19, Price 4) is the base design; Alt costs 40, Lean 10, neither
// has a price. Alderman (A) wants Cost at most 20 and 10% below the base;
// Mayor (B) fears a Price of 3 or more. Noise interests nobody.
struct TReportFixture : TAppraisalFixture
{
    QTemporaryDir Temp;
    TActor* Alderman = Case.Actors.At(Case.AddActor("Alderman"));
    TDesign* Alt = CityDesign("Alt", HeatPump);
    TDesign* Lean = CityDesign("Lean", Gas);

    TReportFixture()
    {
        Case.Name = "Harbour";
        Effect(Walls, Price, "4");
        AddVariable("Noise", AggregationCumulative);
        Alderman->AddGoal(Cost, -1, 20, 2);
        Alderman->AddGoal(Cost, -2, 10, 1);
        Mayor->AddGoal(Price, 1, 3, -1);
        Combine(2, { Gas, Walls });
        Case.BaseCase = Plan;
        EXPECT_TRUE(WriteCaseFolder(Case, Temp.path()));
    }

    QString Report(const TAppreciationSettings& settings = Objectives, bool withProblems = true)
    {
        return WriteImpactReport(Case, { Alt, Plan, Lean }, settings, withProblems);
    }
};

// The page's lines after its head; lines with line breaks of their own come apart.
QStringList Body(const QString& path, int number, const QString& caseName)
{
    const QStringList lines = ReadPageLines(path);
    const QStringList head = PageHead(TPageKind::Report, number, caseName);
    for (int i = 0; i < head.size(); ++i) {
        if (!head[i].startsWith(QLatin1String("<!-- Generated"))) {
            EXPECT_EQ(lines.value(i), head[i]);
        }
    }
    return lines.mid(head.size());
}

struct ImpactReport : ::testing::Test { TReportFixture f; };

} // namespace

// The whole report, line for line, is kept in tests/data/impactreport.htm.expected.
// In it: one actor letter for two goals, both goals attained in Lean, no relative
// goal in the base design's own column, bars of 0, 67 and 100%, and the promise of
// Gas with Walls in Plan only.
TEST_F(ImpactReport, EverySectionAsWritten)
{
    const QString path = f.Report();
    EXPECT_EQ(path, f.Case.Folder + "ORVEL report 1.htm");
    const QByteArray page = ReadBytes(path);
    EXPECT_TRUE(page.startsWith("\xEF\xBB\xBF") && page.endsWith("</html>\r\n"));
    ExpectRows(Body(path, 1, "Harbour"), "impactreport.htm.expected");
    // Kept in tests/data/impactreportplain.htm.expected: without appreciation, the
    // same tables without markers, and no section of appreciations.
    ExpectRows(Body(f.Report(Nothing, false), 2, "Harbour"), "impactreportplain.htm.expected");
}

// The change against the base design: none without a base design or a
// usable base value, none for a design in error, and a fall from a negative
// base value is a fall.
TEST_F(ImpactReport, ChangeCells)
{
    f.AddCityDesigns();
    const QString atMost20 = "A<img src=\"img/face2.bmp\" alt=\"Alderman: 20 or less is very desirable\">";
    const QString tenPercentDown = "A<img src=\"img/face1.bmp\" alt=\"Alderman: decrease with 10% is desirable\">";
    const auto cells = [](const QString& value, const QString& change, const QString& markers) {
        return "  <td align=right>" + value + "</td><td align=right>" + change + "</td><td>" + markers + "</td>";
    };
    const struct { const char* base; const char* design; QString line; } cases[] = {
        { "Debt", "Deeper", cells("-20", "<font color=#800020><b>&ndash;100%</b></font>", atMost20 + tenPercentDown) },
        { "Debt", "Lean", cells("10", "<font color=#200080><b>+200%</b></font>", atMost20) },
        { "Plan", "Broken", cells("undefined", "&nbsp;", "&nbsp;") },
        { "Zero", "Lean", cells("10", "&nbsp;", atMost20) },
        { nullptr, "Lean", cells("10", "&nbsp;", atMost20) },
        { "Lean", "Lean", "  <td align=right><b>10</b></td><td><small>&nbsp;</td><td>" + atMost20 + "</td>" },
    };
    int number = 0;
    for (const auto& c : cases) {
        f.Case.BaseCase = c.base ? f.Case.Designs.Find(c.base) : nullptr;
        const QString path = WriteImpactReport(f.Case, { f.Case.Designs.Find(c.design) }, Objectives, false);
        const QStringList body = Body(path, ++number, "Harbour");
        EXPECT_EQ(body.value(15), c.line) << c.design;
    }
}

TEST_F(ImpactReport, NumbersFollowTheContentsAcrossAReopenAndNeverOverwriteAReport)
{
    f.Case.Changed = false;
    ASSERT_EQ(f.Report(), f.Case.Folder + "ORVEL report 1.htm");
    const QString line = "<img src=\"img/report.bmp\"><a href=\"ORVEL report 1.htm\" target=main><b>Report #1</b></a><br>";
    EXPECT_EQ(f.Case.Contents.last(), line);
    EXPECT_FALSE(f.Case.Changed);   // the contents page on disk already names the report
    QStringList onDisk;
    ASSERT_TRUE(LoadContentsPage(f.Case.Folder, onDisk));
    EXPECT_EQ(onDisk, f.Case.Contents);

    TCase reopened;
    ASSERT_TRUE(ReadCaseFolder(reopened, f.Case.Folder));
    TDesign* plan = reopened.Designs.Find("Plan");
    EXPECT_EQ(WriteImpactReport(reopened, { plan }, Objectives, true), f.Case.Folder + "ORVEL report 2.htm");
    EXPECT_EQ(reopened.Contents.mid(onDisk.size()),
              QStringList({ "<img src=\"img/report.bmp\"><a href=\"ORVEL report 2.htm\" target=main><b>Report #2</b></a><br>" }));

    // The next number never overwrites a report.
    const QString link = "<img src=\"img/report.bmp\"><a href=\"ORVEL report %1.htm\" target=main><b>Report #%1</b></a><br>";
    const struct { QStringList contents; QStringList files; int next; } cases[] = {
        { TCase::DefaultContents(), {}, 1 },
        { { "Contents", link.arg(1), link.arg(2) }, {}, 3 },
        { { "Contents", link.arg(1), link.arg(4), "<hr>" }, {}, 5 },     // last line not a report's
        { { "Contents", link.arg(7), link.arg(3) }, {}, 8 },
        { { "<A HREF=\"orvel REPORT 12.HTM\">twelve</A>" }, {}, 13 },
        { { link.arg("x"), link.arg("99999999999"), link.arg(-4) }, {}, 1 },  // no report numbers
        { { link.arg(1) }, { "ORVEL report 2.htm", "ORVEL report 3.htm" }, 4 },
        { {}, { "ORVEL report 1.htm" }, 2 },
    };
    for (const auto& c : cases) {
        QTemporaryDir temp;
        for (const QString& name : c.files)
            WriteBytes(temp.filePath(name), "");
        EXPECT_EQ(NextReportNumber(c.contents, temp.path() + "/"), c.next) << c.contents.join(" ").toStdString();
    }
}

TEST_F(ImpactReport, NothingChangesWhenNothingCanBeWritten)
{
    TMessageRecorder messages;
    const QStringList contents = f.Case.Contents;
    const QString folder = f.Case.Folder;

    f.Case.Folder.clear();
    EXPECT_EQ(f.Report(), QString());
    EXPECT_EQ(WriteImpactReport(f.Case, {}, Objectives, true), QString());
    f.Case.Folder = folder;
    EXPECT_EQ(WriteImpactReport(f.Case, {}, Objectives, true), QString());
    EXPECT_EQ(messages.Infos(), QStringList({ "Case must be saved to folder first", "Case must be saved to folder first",
                                              "Select the designs to compare in the report first" }));

    f.Case.Folder = folder + "gone/";
    EXPECT_EQ(f.Report(), QString());
    ASSERT_EQ(messages.Errors().size(), 1);
    EXPECT_TRUE(messages.Errors()[0].startsWith("Could not write file\r\"" + folder + "gone/ORVEL report 1.htm\""));

    // The contents page cannot be replaced: the report goes again.
    f.Case.Folder = folder;
    ASSERT_TRUE(QFile::remove(folder + "items.htm"));
    ASSERT_TRUE(QDir(folder).mkdir("items.htm"));
    EXPECT_EQ(f.Report(), QString());
    EXPECT_EQ(messages.Errors().size(), 2);
    EXPECT_FALSE(QFile::exists(folder + "ORVEL report 1.htm"));
    EXPECT_EQ(f.Case.Contents, contents);
    EXPECT_EQ(messages.BusyDepth, 0);
}
