#include "clirun.h"
#include "import/olddatabasebuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ImportCommandTest : ::testing::Test
{
    QTemporaryDir Temp;
    QString Database = Temp.filePath(QStringLiteral("old.db"));
    QString Out = Temp.filePath(QStringLiteral("out"));

    void SetUp() override
    {
        TOldDatabaseBuilder db(Database);
        for (const auto& [key, name] : { std::pair{ 1, "Zeta" }, { 2, "NIL" }, { 3, "alpha's" }, { 4, "Broken" } })
            db.Insert(QStringLiteral("Case"), { { "CaseID", key }, { "Name", name }, { "NrOfPhases", 1 }, { "Phase1", "Now" } });
        db.Insert(QStringLiteral("Scale"), { { "ScaleID", 1 }, { "Unit", "EUR" }, { "ScaleLevel", 0 } });
        db.Insert(QStringLiteral("Variable"), { { "VariableID", 5 }, { "CaseID", 3 }, { "Name", "Cost" }, { "ScaleID", 1 } });
        // The broken case's only option belongs to an area on a level it does not have.
        db.Insert(QStringLiteral("Variant"), { { "VariantID", 6 }, { "CaseID", 4 }, { "Name", "Plan" } });
        db.Insert(QStringLiteral("SystemLevel"), { { "SysLevID", 7 }, { "CaseID", 1 }, { "Name", "Elsewhere" } });
        db.Insert(QStringLiteral("Design"), { { "DesignID", 8 }, { "CaseID", 4 }, { "VariantID", 6 }, { "SysLevID", 7 }, { "Name", "X" } });
    }
};

TEST_F(ImportCommandTest, ListsTheCasesWithoutNil)
{
    const TCliRun run = RunCli({ QStringLiteral("import"), Database });
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, QStringLiteral("alpha's\nBroken\nZeta\n"));
    EXPECT_EQ(run.Errors, QString());
}

TEST_F(ImportCommandTest, WritesTheImportedCaseAsSaveDoes)
{
    const TCliRun run = RunCli({ QStringLiteral("import"), Database, Out, QStringLiteral("--case"), QStringLiteral("alpha's") });
    EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
    QFile page(Out + QStringLiteral("/ORVEL case.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.readAll().contains("Cost"));
    // The folder is a case like any other.
    EXPECT_EQ(RunCli({ QStringLiteral("evaluate"), Out }).Status, 0);
}

TEST_F(ImportCommandTest, StoppedImportsWriteNothing)
{
    TCliRun run = RunCli({ QStringLiteral("import"), Database, Out, QStringLiteral("--case=Broken") });
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, QStringLiteral("ORVEL ERROR: Undefined system level: ID = 7\n"));
    EXPECT_FALSE(QFile::exists(Out));
    run = RunCli({ QStringLiteral("import"), Database, Out, QStringLiteral("--case"), QStringLiteral("Missing") });
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, QStringLiteral("ORVEL ERROR: Case not found\n"));
    EXPECT_FALSE(QFile::exists(Out));
}

} // namespace
