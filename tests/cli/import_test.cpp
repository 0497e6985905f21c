#include "clirun.h"
#include "../import/importfixture.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

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
    EXPECT_EQ(RunCli({ QStringLiteral("import"), Path, Out, QStringLiteral("--case"), QStringLiteral("Missing") }),
              (TCliRun{ 1, {}, QStringLiteral("ORVEL ERROR: Case not found\n") }));
    EXPECT_FALSE(QFile::exists(Out));

    const TCliRun run = RunCli({ QStringLiteral("import"), Path, Out, QStringLiteral("--case"), QStringLiteral("Main") });
    EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
    // The folder is a case like any other.
    const TCliRun evaluated = RunCli({ QStringLiteral("evaluate"), Out });
    EXPECT_EQ(evaluated.Status, 0);
    EXPECT_TRUE(evaluated.Out.contains(QStringLiteral("Plan A\tCost\t600\n"))) << evaluated.Out.toStdString();
}

} // namespace
