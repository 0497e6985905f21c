#pragma once

#include "import/caseimport.h"
#include "import/database.h"
#include "import/olddatabasebuilder.h"
#include "model/case.h"
#include "model/messagerecorder.h"
#include "support/testpaths.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using TRow = TOldDatabaseBuilder::TRow;

/// A database of the old layout holding the case "Main" of tests/data/import/town.sql.
/// Tests add or change rows before they import.
struct ImportTest : ::testing::Test
{
    QTemporaryDir Temp;
    QString Path = Temp.filePath(QStringLiteral("old.db"));
    std::unique_ptr<TOldDatabaseBuilder> Db = std::make_unique<TOldDatabaseBuilder>(Path);
    TMessageRecorder Recorder;
    QStringList ProgressTexts;

    void SetUp() override { FillTown(); }
    /// A fresh database of the town, for tests that import it more than once.
    void Refill()
    {
        Db = std::make_unique<TOldDatabaseBuilder>(Path);
        FillTown();
        Recorder.Clear();
    }

    void Add(const char* table, const TRow& row) { Db->Insert(QString::fromLatin1(table), row); }
    void Rows(const char* sql) { Db->Execute(QString::fromUtf8(sql)); }

    void FillTown()
    {
        QFile town(TestDataPath(QStringLiteral("import/town.sql")));
        ASSERT_TRUE(town.open(QIODevice::ReadOnly));
        Db->Execute(QString::fromUtf8(town.readAll()));
    }

    TImportResult Import(const QString& name = QStringLiteral("Main"))
    {
        Db.reset();   // closes the file, as a user's database would be
        const auto database = TDatabase::Open(Path);
        return ImportCase(*database, name, [this](const QString& text) { ProgressTexts << text; });
    }
    /// Imports "Main", which must complete: else the test ends here, with
    /// nothing to check (GoogleTest reports the exception as a failure).
    std::unique_ptr<TCase> ImportMain()
    {
        TImportResult result = Import();
        if (result.Outcome != TImportOutcome::Imported || !result.Case)
            throw std::runtime_error((ProgressTexts + Recorder.Messages).join(QLatin1Char('\n')).toStdString());
        return std::move(result.Case);
    }
};

inline TSystemLevel* LevelNamed(const TCase& c, const char* name) { return c.SystemLevels.Find(QString::fromUtf8(name)); }
inline TDecisionArea* AreaNamed(const TCase& c, const char* level, const char* area)
{
    return LevelNamed(c, level)->DecisionAreas.Find(QString::fromUtf8(area));
}
inline TOption* OptionNamed(const TCase& c, const char* level, const char* area, const char* option)
{
    return AreaNamed(c, level, area)->Options.Find(QString::fromUtf8(option));
}
