#pragma once

#include "import/caseimport.h"
#include "import/database.h"
#include "import/olddatabasebuilder.h"
#include "model/case.h"
#include "model/messagerecorder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using TRow = TOldDatabaseBuilder::TRow;

/// A database of the old layout holding the case "Main" (key 7): a city with a
/// district and a building below it and a park beside the district, options
/// with effects, actors, two combinations, one design of three objects and a
/// policy. Tests add or change rows before they import.
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

    static QVariant Null() { return QVariant(); }

    void FillTown()
    {
        Add("Case", { { "CaseID", 7 }, { "Name", "Main" }, { "Comment", "  First line\r\nsecond line " }, { "NrOfPhases", 3 },
                      { "Phase1", "Operate" }, { "Phase2", "Build" }, { "Phase3", "Design" } });
        Add("Case", { { "CaseID", 8 }, { "Name", "NIL" } });
        Add("Category", { { "CategoryID", 11 }, { "CaseID", 7 }, { "Name", "Technical" }, { "BaseIcon", "\"\"@IA" } });
        Add("Category", { { "CategoryID", 12 }, { "CaseID", 7 }, { "Name", "Social" }, { "Comment", " People " } });
        Add("Qualifier", { { "QualifierID", 21 }, { "CaseID", 7 }, { "Name", "Green" } });
        Level(31, "City", 1, 0, 1);
        Level(32, "District", 31, 1, 1);
        Level(33, "Building", 32, 2, 1);
        Level(34, "Park", 31, 1, 2);
        Add("Scale", { { "ScaleID", 41 }, { "Unit", "EUR" }, { "ScaleLevel", 0 } });
        Add("Scale", { { "ScaleID", 42 }, { "Unit", "m2" }, { "ScaleLevel", 0 } });
        Add("Scale", { { "ScaleID", 43 }, { "Unit", "unused" }, { "ScaleLevel", 1 } });
        Add("Variable", { { "VariableID", 51 }, { "CaseID", 7 }, { "Name", "Cost" }, { "ScaleID", 41 } });
        Add("Variable", { { "VariableID", 52 }, { "CaseID", 7 }, { "Name", "Area" }, { "ScaleID", 42 }, { "CValue", 2.5 } });
        Add("Variable", { { "VariableID", 53 }, { "CaseID", 7 }, { "Name", "Comfort" }, { "ScaleID", 99 } });
        Area(61, "Heating", 33, 11, 2);
        Area(62, "Zoning", 31, 12, 1);
        Area(63, "Roads", 32, 11, 1);
        Area(64, "Lawn", 34, 12, 3);
        Option(71, "Gas", 61, 1);
        Option(72, "Heat pump", 61, 2);
        Option(73, "Dense", 62, 1);
        Option(74, "Sparse", 62, 2);
        Option(75, "Paved", 63, 1);
        Option(76, "Mown", 64, 1);
        Effect(81, 71, 51, "100");
        Effect(82, 72, 51, "[Area]*40");
        Add("EffectOfDecOption", { { "EoDOID", 83 }, { "DOiAID", 72 }, { "VariableID", 53 }, { "Aggregation", 2 },
                                   { "MayNotOccur", 1 }, { "Approximation", "3" }, { "Comment", "warm" } });
        Effect(84, 73, 51, "");
        Add("Qualification", { { "DOiAID", 72 }, { "QualifierID", 21 } });
        Add("DecOptionPrecludes", { { "DOiAID", 73 }, { "DAiCID", 61 } });
        Add("ActorInCase", { { "AiCID", 91 }, { "CaseID", 7 }, { "Name", "Mayor" } });
        Add("ActorInCase", { { "AiCID", 92 }, { "CaseID", 7 }, { "Name", "Residents" } });
        Add("ActorHasAccessTo", { { "AiC1ID", 91 }, { "AiC2ID", 92 }, { "Weight", 3 } });
        Add("ActorDecidesOn", { { "AiCID", 91 }, { "DAiCID", 62 }, { "Weight", 8 } });
        Add("ActorValues", { { "AiCID", 92 }, { "VariableID", 51 }, { "CValue", 1000.5 }, { "Director", -1 }, { "Preference", 2 } });
        Add("ActorPrefers", { { "AiCID", 92 }, { "DOiAID", 72 }, { "Preference", 2 } });
        Exclusion(101, 2, { 71, 73 });
        Exclusion(102, 6, { 72 });
        Add("Variant", { { "VariantID", 111 }, { "CaseID", 7 }, { "Name", "Plan A" } });
        DesignObject(121, "Town", 0, 1, 31);
        DesignObject(122, "North", 121, 2, 32);
        DesignObject(123, "Block", 122, 3, 33);
        Add("StatusQuo", { { "DesignID", 123 }, { "DOiAID", 71 }, { "DAiCID", 61 } });
        Add("DecOptionInDesign", { { "DesignID", 123 }, { "DOiAID", 72 }, { "DAiCID", 61 } });
        Add("DecOptionInDesign", { { "DesignID", 121 }, { "DOiAID", 74 }, { "DAiCID", 62 } });
        Add("Policy", { { "PolicyID", 131 }, { "CaseID", 7 }, { "Name", "Green policy" } });
        PolicyOption(131, 74, 62);
        PolicyOption(131, 72, 61);
    }

    void Level(int id, const char* name, int parent, int treeLevel, int node)
    {
        Add("SystemLevel", { { "SysLevID", id }, { "CaseID", 7 }, { "Name", name }, { "Parent", parent },
                             { "TreeLevel", treeLevel }, { "NodeNr", node } });
    }
    void Area(int id, const char* name, int level, int category, int phase)
    {
        Add("DecAreaInCase", { { "DAiCID", id }, { "CaseID", 7 }, { "Name", name }, { "SysLevID", level },
                               { "CategoryID", category }, { "PhaseNr", phase } });
    }
    void Option(int id, const char* name, int area, int node)
    {
        Add("DecOptionInArea", { { "DOiAID", id }, { "Name", name }, { "DAiCID", area }, { "NodeNr", node } });
    }
    void Effect(int id, int option, int variable, const char* formula)
    {
        Add("EffectOfDecOption", { { "EoDOID", id }, { "DOiAID", option }, { "VariableID", variable },
                                   { "Aggregation", 1 }, { "MayNotOccur", 0 }, { "Approximation", formula } });
    }
    void Exclusion(int id, int xLevel, std::initializer_list<int> options)
    {
        Add("Exclusion", { { "ExclusionID", id }, { "XLevelID", xLevel } });
        for (int option : options)
            Add("DecOptionInExclusion", { { "ExclusionID", id }, { "DOiAID", option } });
    }
    void DesignObject(int id, const char* name, int parent, int occurrences, int level, int variant = 111)
    {
        Add("Design", { { "DesignID", id }, { "CaseID", 7 }, { "ParentID", parent }, { "VariantID", variant },
                        { "Occurrences", occurrences }, { "SysLevID", level }, { "Name", name } });
    }
    void PolicyOption(int policy, int option, int area)
    {
        Add("DecOptionInPolicy", { { "PolicyID", policy }, { "DOiAID", option }, { "DAiCID", area } });
    }

    TImportResult Import(const QString& name = QStringLiteral("Main"))
    {
        Db.reset();   // closes the file, as a user's database would be
        const auto database = TDatabase::Open(Path);
        return ImportCase(*database, name, [this](const QString& text) { ProgressTexts << text; });
    }
    /// Imports "Main" and expects it complete.
    std::unique_ptr<TCase> ImportMain()
    {
        TImportResult result = Import();
        EXPECT_EQ(result.Outcome, TImportOutcome::Imported) << ProgressTexts.join(QLatin1Char('\n')).toStdString() << Recorder.Messages.join(QLatin1Char('\n')).toStdString();
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
