// The program's commands as a user runs them. Wrong command lines end with
// status 2 and a usage or an error; --help with 0.
#include "actors/appraisalfixture.h"
#include "clirun.h"
#include "../import/importfixture.h"
#include "storage/folderwriter.h"
#include "support/designfixture.h"
#include "../storage/samplecase.h"

namespace {

struct EvaluateCommand : ::testing::Test { QTemporaryDir Temp; };

TEST(CommandLines, WrongOnesEndWithStatusTwo)
{
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("case"));
    const QString out = temp.filePath(QStringLiteral("out"));
    const QString none = temp.filePath(QStringLiteral("none"));
    const QString database = temp.filePath(QStringLiteral("old.db"));
    ASSERT_TRUE(WriteCaseFolder(*BuildSampleCase(), folder));
    TOldDatabaseBuilder(database).Insert(QStringLiteral("Case"), { { "CaseID", 1 }, { "Name", "Zeta" } });
    // The error output starts with `error`. Help, unknown options and the count
    // of folders are one rule for every command: one command shows each.
    const struct { QStringList arguments; int status; QString error; } cases[] = {
        { {}, 2, {} },
        { { "nothing" }, 2, {} },
        { { "--help" }, 0, {} },
        { { "evaluate" }, 2, {} },
        { { "evaluate", none }, 2, "ORVEL ERROR: Could not open folder\n\"" + none + "\"\n" },
        { { "evaluate", folder, "--bogus" }, 2, {} },
        { { "report", "--help" }, 0, {} },
        { { "report", folder }, 2, {} },   // no --design
        { { "import", database, "--case", "Zeta" }, 2, {} },
        { { "import", database, out }, 2, {} },
        { { "import", temp.filePath(QStringLiteral("none.mdb")) }, 2, "ORVEL ERROR: Could not open database" },
        { { "resave", folder }, 2, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const TCliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.Status, c.status);
        EXPECT_TRUE(run.Errors.startsWith(c.error)) << run.Errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(EvaluateCommand, PrintsDesignValuesAndWithObjectsEveryAttribute)
{
    // Design "Plan": Town (x2, cost 10) > North (x3, cost 4, price 2.5), South
    // (price 1/0); design "Beta" is empty.
    TDesignFixture f;
    f.Case.AddDesign("Beta");
    TDesignObject* town = f.Object("Town", nullptr, f.City, 2);
    town->SelectDesignOption(f.OptionWithEffect(f.City, "Budget", f.Cost, "10"));
    TDesignObject* north = f.Object("North", town, f.District, 3);
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Paving", f.Cost, "4"));
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Rent", f.Price, "2.5"));
    f.Object("South", town, f.District)->SelectDesignOption(f.OptionWithEffect(f.District, "Broken", f.Price, "1/0"));
    ASSERT_TRUE(WriteCaseFolder(f.Case, Temp.path()));
    const QString values = QStringLiteral("Plan\tCost\t44\nPlan\tPrice\tundefined\n");
    const QString empty = QStringLiteral("Beta\tCost\t0\nBeta\tPrice\t0\n");
    EXPECT_EQ(RunCli({ QStringLiteral("evaluate"), Temp.path() }), (TCliRun{ 0, empty + values, {} }));
    EXPECT_EQ(RunCli({ QStringLiteral("evaluate"), Temp.path(), QStringLiteral("--objects") }),
              (TCliRun{ 0, empty + values + QStringLiteral("Plan\tTown\tCost\t22\n"
                                                           "Plan\tTown\tPrice\t#DIV0!\n"
                                                           "Plan\tTown/North\tCost\t4\n"
                                                           "Plan\tTown/North\tPrice\t2.5\n"
                                                           "Plan\tTown/South\tPrice\t#DIV0!\n"), {} }));
}

// Fields keep one line and one tab each whatever the names hold; the folder
// read is left as it was, even without its contents page. Without its case
// page it gives an error and nothing else.
TEST_F(EvaluateCommand, EscapesFieldsNeverWritesIntoTheFolderAndReportsAMissingPage)
{
    {
        TDesignFixture f;
        f.Case.Designs.RenameConcept(f.Plan, QStringLiteral("Tab\there\\"));
        f.Object("North/South", nullptr, f.City)->SelectDesignOption(f.OptionWithEffect(f.City, "Budget", f.Cost, "1"));
        ASSERT_TRUE(WriteCaseFolder(f.Case, Temp.path()));
    }
    QFile::remove(Temp.filePath(QStringLiteral("items.htm")));
    EXPECT_EQ(RunCli({ QStringLiteral("evaluate"), Temp.path(), QStringLiteral("--objects") }),
              (TCliRun{ 0, QStringLiteral("Tab\\there\\\\\tCost\t1\nTab\\there\\\\\tPrice\t0\nTab\\there\\\\\tNorth\\/South\tCost\t1\n"), {} }));
    EXPECT_FALSE(QFile::exists(Temp.filePath(QStringLiteral("items.htm"))));

    QFile::remove(Temp.filePath(QStringLiteral("ORVEL case.htm")));
    const TCliRun broken = RunCli({ QStringLiteral("evaluate"), Temp.path() });
    EXPECT_EQ(broken.Status, 1);
    EXPECT_EQ(broken.Out, QString());
    EXPECT_TRUE(broken.Errors.startsWith(QStringLiteral("ORVEL ERROR: Could not open file\n"))) << broken.Errors.toStdString();
}

TEST_F(EvaluateCommand, AFaultyFormulaWarnsOnceAboutEachProblem)
{
    TModelFixture f;
    TModelFixture::Effect(f.Gas, f.Cost)->Formula = QStringLiteral("[Nowhere] +");
    ASSERT_TRUE(WriteCaseFolder(f.Case, Temp.path()));
    const TCliRun run = RunCli({ QStringLiteral("evaluate"), Temp.path() });
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

// Resave writes the same pages, with points for decimals, and takes along the
// reports its contents page links to: the new contents never link to a page
// the folder lacks. A broken page is reported, and nothing is written.
TEST(ResaveCommand, WritesTheSamePagesWithTheLinkedReportsExportsOrReportsABrokenPage)
{
    QTemporaryDir temp;
    const QString in = temp.filePath(QStringLiteral("in")), out = temp.filePath(QStringLiteral("out"));
    ASSERT_TRUE(WriteCaseFolder(*BuildRichCase(), in));
    const QByteArray items = ReadBytes(in + QStringLiteral("/items.htm"));
    WriteBytes(in + QStringLiteral("/items.htm"), items + "<a href=\"ORVEL report 1.htm\" target=main>Report #1</a>\r\n");
    WriteBytes(in + QStringLiteral("/ORVEL report 1.htm"), "<html>the report</html>");
    WriteBytes(in + QStringLiteral("/ORVEL report 2.htm"), "<html>linked from nowhere</html>");
    EXPECT_EQ(RunCli({ QStringLiteral("resave"), in, out }), (TCliRun{ 0, {}, {} }));
    // The folder was written in this test's locale; the program writes "." always.
    for (const char* page : { "/ORVEL case.htm", "/ORVEL propro.htm", "/ORVEL actors.htm", "/ORVEL policies.htm", "/ORVEL design 1.htm" }) {
        QByteArray expected = WithoutDate(ReadBytes(in + QLatin1String(page)));
        for (const char* number : { "1234,5", "1234567,891", "12,5", "0,123456789" })
            expected.replace(number, QByteArray(number).replace(',', '.'));
        EXPECT_EQ(WithoutDate(ReadBytes(out + QLatin1String(page))), expected) << page;
    }
    EXPECT_EQ(ReadBytes(out + QStringLiteral("/ORVEL report 1.htm")), QByteArray("<html>the report</html>"));
    EXPECT_FALSE(QFile::exists(out + QStringLiteral("/ORVEL report 2.htm")));

    // An export writes compressed pages.
    const QString exported = temp.filePath(QStringLiteral("exported"));
    EXPECT_EQ(RunCli({ QStringLiteral("resave"), in, exported, QStringLiteral("--export") }), (TCliRun{ 0, {}, {} }));
    EXPECT_FALSE(QFile::exists(exported + QStringLiteral("/ORVEL case.htm")));
    EXPECT_TRUE(QFile::exists(exported + QStringLiteral("/ORVEL case.cmc")));

    QByteArray page = ReadBytes(in + QStringLiteral("/ORVEL case.htm"));
    WriteBytes(in + QStringLiteral("/ORVEL case.htm"), page.replace("<td>Rate [EUR]", "<td>Rate [USD]"));
    const QString none = temp.filePath(QStringLiteral("none"));
    EXPECT_EQ(RunCli({ QStringLiteral("resave"), in, none }),
              (TCliRun{ 1, {}, QStringLiteral("ORVEL ERROR: ORVEL case.htm, line 77: Unknown scale \"USD\"\n") }));
    EXPECT_FALSE(QFile::exists(none));
}

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
    EXPECT_EQ(RunCli({ "appraise", temp.path() }),
              (TCliRun{ 0, "Alt\tCouncil\t\t\t\t\n"
                           "Alt\tMayor\t0% positive, 0% negative\t0/2 positive, 0/1 negative\t\t\n"
                           "Plan\tCouncil\t\t\t\t\n"
                           "Plan\tMayor\t100% positive, 0% negative\t2/2 positive, 0/1 negative\t\t\n", {} }));
    EXPECT_EQ(RunCli({ "appraise", temp.path(), "--base", "alt", "--objectives", "--options", "--qualifications" }),
              (TCliRun{ 0, "Alt\tCouncil\t\t\t\t\n"
                           "Alt\tMayor\t0% positive, 0% negative\t0/2 positive, 0/1 negative\t\t0/3 positive\n"
                           "Plan\tCouncil\t\t\t\t\n"
                           "Plan\tMayor\t87% positive, 0% negative\t2/2 positive, 0/1 negative\t3/5 positive\t3/3 positive\n", {} }));

    // Reports are numbered into the folder; the flags reach the report (its
    // contents and numbering are the report's own tests).
    EXPECT_EQ(RunCli({ "report", temp.path(), "--design", "Plan", "--design", "Alt", "--base", "Alt", "--options" }),
              (TCliRun{ 0, "ORVEL report 1.htm\n", {} }));
    const QString page = QString::fromUtf8(ReadBytes(temp.filePath("ORVEL report 1.htm")));
    EXPECT_TRUE(page.contains("<td><b>D1</b> Plan</td>"));
    EXPECT_TRUE(page.contains("<td><b>D2</b> Alt <i>(base design)</i></td>"));
    EXPECT_TRUE(page.contains("<tr><td>specific&nbsp;options:</td>"));
    EXPECT_FALSE(page.contains("<tr><td>objectives:</td>"));
    EXPECT_TRUE(page.contains("Promises and problems in"));

    // Wrong designs print nothing and write no report. (A page that cannot be
    // read is one rule for every command: see the evaluate command.)
    const QString noDesign = "ORVEL ERROR: There is no design \"Nope\" in the case\n";
    EXPECT_EQ(RunCli({ "report", temp.path(), "--design", "Plan", "--design", "Nope" }), (TCliRun{ 2, {}, noDesign }));
    EXPECT_FALSE(QFile::exists(temp.filePath("ORVEL report 2.htm")));
    EXPECT_EQ(RunCli({ "appraise", temp.path(), "--base", "Nope" }), (TCliRun{ 2, {}, noDesign }));
}

// The town of tests/data/import/town.sql, with its placeholder case NIL, and a
// broken case whose only design object lies on a level of another case.
struct ImportCommandTest : ImportTest
{
    QString Out = Temp.filePath(QStringLiteral("out"));

    void SetUp() override
    {
        ImportTest::SetUp();
        Rows("INSERT INTO \"Case\"(CaseID, Name) VALUES (4, 'Broken');"
             "INSERT INTO Variant(VariantID, CaseID, Name) VALUES (6, 4, 'Plan');"
             "INSERT INTO Design(DesignID, CaseID, VariantID, SysLevID, Name) VALUES (8, 4, 6, 31, 'X')");
        Db.reset();   // closes the file for the program
    }
};

// The cases are listed without NIL; one imported is written as Save writes it,
// and one that stops writes nothing.
TEST_F(ImportCommandTest, ListsAndWritesCases)
{
    EXPECT_EQ(RunCli({ QStringLiteral("import"), Path }), (TCliRun{ 0, QStringLiteral("Broken\nMain\n"), {} }));

    // Imports that stop write nothing.
    EXPECT_EQ(RunCli({ QStringLiteral("import"), Path, Out, QStringLiteral("--case=Broken") }),
              (TCliRun{ 1, {}, QStringLiteral("ORVEL ERROR: Undefined system level: ID = 31\n") }));
    EXPECT_FALSE(QFile::exists(Out));

    const TCliRun run = RunCli({ QStringLiteral("import"), Path, Out, QStringLiteral("--case"), QStringLiteral("Main") });
    EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
    // The folder is a case like any other.
    const TCliRun evaluated = RunCli({ QStringLiteral("evaluate"), Out });
    EXPECT_EQ(evaluated.Status, 0);
    EXPECT_TRUE(evaluated.Out.contains(QStringLiteral("Plan A\tCost\t600\n"))) << evaluated.Out.toStdString();
}

} // namespace
