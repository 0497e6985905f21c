#include "clirun.h"
#include "design/design.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"
#include "storage/folderwriter.h"
#include "support/casebuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TCliRun Evaluate(const QStringList& arguments)
{
    return RunCli(QStringList{ QStringLiteral("evaluate") } + arguments);
}

// Design "Alpha": Town (x2, cost 10) > North (x3, cost 4, price 2.5), South
// (price 1/0); design "Beta" is empty.
void WriteCase(const QString& folder)
{
    TCase c(QStringLiteral("Evaluated"));
    TSystemLevel* city = NewLevel(c, "City", nullptr);
    TSystemLevel* district = NewLevel(c, "District", city);
    TScale* euro = c.Scales.At(c.AddScale("EUR"));
    TVariable* cost = NewVariable(c, "Cost", euro, AggregationCumulative);
    TVariable* price = NewVariable(c, "Price", euro, AggregationAveraging);
    auto option = [&](TSystemLevel* level, const char* name, TVariable* variable, const char* formula) {
        TOption* o = NewOption(*NewArea(*level, name, nullptr, nullptr), name, 0);
        NewEffect(*o, variable, formula);
        return o;
    };
    TDesign* alpha = c.Designs.At(c.AddDesign("Alpha"));
    c.AddDesign("Beta");
    TDesignObject* town = alpha->AddDesignObject("Town", nullptr, city);
    town->SetCount(2);
    town->SelectDesignOption(option(city, "Budget", cost, "10"));
    TDesignObject* north = alpha->AddDesignObject("North", town, district);
    north->SetCount(3);
    north->SelectDesignOption(option(district, "Paving", cost, "4"));
    north->SelectDesignOption(option(district, "Rent", price, "2.5"));
    alpha->AddDesignObject("South", town, district)->SelectDesignOption(option(district, "Broken", price, "1/0"));
    ASSERT_TRUE(WriteCaseFolder(c, folder));
}

TEST(EvaluateCommand, PrintsDesignValuesAndWithObjectsEveryAttribute)
{
    QTemporaryDir temp;
    WriteCase(temp.path());
    const QString values = QStringLiteral("Alpha\tCost\t44\nAlpha\tPrice\tundefined\n");
    const QString empty = QStringLiteral("Beta\tCost\t0\nBeta\tPrice\t0\n");
    TCliRun run = Evaluate({ temp.path() });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, QString());
    EXPECT_EQ(run.Out, values + empty);

    run = Evaluate({ temp.path(), QStringLiteral("--objects") });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, values
                           + QStringLiteral("Alpha\tTown\tCost\t22\n"
                                            "Alpha\tTown\tPrice\t#DIV0!\n"
                                            "Alpha\tTown/North\tCost\t4\n"
                                            "Alpha\tTown/North\tPrice\t2.5\n"
                                            "Alpha\tTown/South\tPrice\t#DIV0!\n")
                           + empty);
}

// Fields keep one line and one tab each whatever the names hold; the folder
// read is left as it was, even without its contents page. Without its case
// page it gives an error and nothing else.
TEST(EvaluateCommand, EscapesFieldsNeverWritesIntoTheFolderAndReportsAMissingPage)
{
    QTemporaryDir temp;
    {
        TCase c(QStringLiteral("Escaped"));
        TSystemLevel* city = NewLevel(c, "City", nullptr);
        TOption* option = NewOption(*NewArea(*city, "Budget", nullptr, nullptr), "Some", 0);
        NewEffect(*option, NewVariable(c, "Cost", c.Scales.At(c.AddScale("EUR")), AggregationCumulative), "1");
        c.Designs.At(c.AddDesign("Tab\there\\"))->AddDesignObject("North/South", nullptr, city)->SelectDesignOption(option);
        ASSERT_TRUE(WriteCaseFolder(c, temp.path()));
    }
    QFile::remove(temp.filePath(QStringLiteral("items.htm")));
    const TCliRun run = Evaluate({ temp.path(), QStringLiteral("--objects") });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, QStringLiteral("Tab\\there\\\\\tCost\t1\nTab\\there\\\\\tNorth\\/South\tCost\t1\n"));
    EXPECT_FALSE(QFile::exists(temp.filePath(QStringLiteral("items.htm"))));

    QFile::remove(temp.filePath(QStringLiteral("ORVEL case.htm")));
    const TCliRun broken = Evaluate({ temp.path() });
    EXPECT_EQ(broken.Status, 1);
    EXPECT_EQ(broken.Out, QString());
    EXPECT_TRUE(broken.Errors.startsWith(QStringLiteral("ORVEL ERROR: Could not open file\n"))) << broken.Errors.toStdString();
}

TEST(EvaluateCommand, AFaultyFormulaWarnsOnceAboutEachProblem)
{
    QTemporaryDir temp;
    TCase c(QStringLiteral("Evaluated"));
    TOption* option = NewOption(*NewArea(*NewLevel(c, "City", nullptr), "Budget", nullptr, nullptr), "Low", 0);
    TEffect* effect = NewEffect(*option, NewVariable(c, "Cost", c.Scales.At(c.AddScale("EUR")), AggregationCumulative), "");
    effect->Formula = QStringLiteral("[Nowhere] +");
    ASSERT_TRUE(WriteCaseFolder(c, temp.path()));
    const TCliRun run = Evaluate({ temp.path() });
    EXPECT_EQ(run.Errors, QStringLiteral("Warning: Unknown variable: \"Nowhere\"\n"
                                         "Warning: The formula of \"Budget = Low\" for \"Cost\" does not compile "
                                         "(ERROR: Missing operand): [Nowhere] +\n"));
}

} // namespace
