#include "olddatabasegenerator.h"

#include "import/olddatabasebuilder.h"

TOldDatabaseSize TOldDatabaseSize::Scaled(int factor) const
{
    TOldDatabaseSize s = *this;
    s.Levels *= factor;
    s.Variables *= factor;
    s.Designs *= factor;
    s.Actors *= factor;
    s.Combinations *= factor;
    s.Policies *= factor;
    return s;
}

namespace {

constexpr int CaseKey = 1;

// Keys: each kind in its own range, so that a wrong join shows as an unmatched key.
int LevelKey(int level) { return 1000 + level; }
int AreaKey(const TOldDatabaseSize& s, int level, int area) { return 100000 + level * s.AreasPerLevel + area; }
int OptionKey(const TOldDatabaseSize& s, int level, int area, int option)
{
    return 1000000 + (level * s.AreasPerLevel + area) * s.OptionsPerArea + option;
}

void WriteCatalogues(TOldDatabaseBuilder& db, const TOldDatabaseSize& s)
{
    db.Insert(QStringLiteral("Case"), { { "CaseID", CaseKey }, { "Name", "Generated" }, { "NrOfPhases", 4 }, { "Phase1", "Plan" },
                                        { "Phase2", "Build" }, { "Phase3", "Use" }, { "Phase4", "Remove" } });
    for (int i = 0; i < 10; ++i)
        db.Insert(QStringLiteral("Category"), { { "CategoryID", 10 + i }, { "CaseID", CaseKey },
                                                { "Name", QStringLiteral("Category %1").arg(i) }, { "BaseIcon", "00!@ABCDEFGHIJKLMNO" } });
    for (int i = 0; i < 5; ++i)
        db.Insert(QStringLiteral("Scale"), { { "ScaleID", 30 + i }, { "Unit", QStringLiteral("Unit %1").arg(i) }, { "ScaleLevel", 0 } });
    for (int i = 0; i < 8; ++i)
        db.Insert(QStringLiteral("Qualifier"), { { "QualifierID", 40 + i }, { "CaseID", CaseKey }, { "Name", QStringLiteral("Qualifier %1").arg(i) } });
    for (int i = 0; i < s.Variables; ++i)
        db.Insert(QStringLiteral("Variable"), { { "VariableID", 10000 + i }, { "CaseID", CaseKey }, { "Name", QStringLiteral("Variable %1").arg(i) },
                                                { "ScaleID", 30 + i % 5 }, { "Comment", "Generated\r\nvariable" } });
}

// A binary tree of levels: level i hangs under level (i - 1) / 2.
void WriteHierarchy(TOldDatabaseBuilder& db, const TOldDatabaseSize& s)
{
    for (int l = 0; l < s.Levels; ++l) {
        int depth = 0;
        for (int p = l; p > 0; p = (p - 1) / 2)
            ++depth;
        db.Insert(QStringLiteral("SystemLevel"), { { "SysLevID", LevelKey(l) }, { "CaseID", CaseKey }, { "Name", QStringLiteral("Level %1").arg(l) },
                                                   { "Parent", l == 0 ? 1 : LevelKey((l - 1) / 2) }, { "TreeLevel", depth }, { "NodeNr", l } });
        for (int a = 0; a < s.AreasPerLevel; ++a) {
            db.Insert(QStringLiteral("DecAreaInCase"), { { "DAiCID", AreaKey(s, l, a) }, { "CaseID", CaseKey }, { "Name", QStringLiteral("Area %1").arg(a) },
                                                         { "SysLevID", LevelKey(l) }, { "CategoryID", 10 + a % 10 }, { "PhaseNr", 1 + a % 4 } });
            for (int o = 0; o < s.OptionsPerArea; ++o) {
                const int option = OptionKey(s, l, a, o);
                db.Insert(QStringLiteral("DecOptionInArea"), { { "DOiAID", option }, { "Name", QStringLiteral("Option %1").arg(o) },
                                                               { "DAiCID", AreaKey(s, l, a) }, { "NodeNr", o } });
                for (int e = 0; e < s.EffectsPerOption; ++e) {
                    const int variable = (option * 7 + e * 13) % s.Variables;
                    const QString formula = e == 0 ? QStringLiteral("%1").arg(option % 97)
                                                   : QStringLiteral("[Variable %1] * 2 + 1").arg((variable + 1) % s.Variables);
                    db.Insert(QStringLiteral("EffectOfDecOption"), { { "EoDOID", option * 10 + e }, { "DOiAID", option }, { "VariableID", 10000 + variable },
                                                                     { "Aggregation", 1 + (variable % 2) }, { "MayNotOccur", 0 }, { "Approximation", formula } });
                }
                if (option % 5 == 0)
                    db.Insert(QStringLiteral("Qualification"), { { "DOiAID", option }, { "QualifierID", 40 + option % 8 } });
                if (option % 25 == 0 && 2 * l + 1 < s.Levels)
                    db.Insert(QStringLiteral("DecOptionPrecludes"), { { "DOiAID", option }, { "DAiCID", AreaKey(s, 2 * l + 1, a) } });
            }
        }
    }
}

void WriteActors(TOldDatabaseBuilder& db, const TOldDatabaseSize& s)
{
    for (int i = 0; i < s.Actors; ++i) {
        db.Insert(QStringLiteral("ActorInCase"), { { "AiCID", 50000 + i }, { "CaseID", CaseKey }, { "Name", QStringLiteral("Actor %1").arg(i) } });
        db.Insert(QStringLiteral("ActorHasAccessTo"), { { "AiC1ID", 50000 + i }, { "AiC2ID", 50000 + (i + 1) % s.Actors }, { "Weight", 1 + i % 4 } });
        for (int k = 0; k < 5; ++k) {
            const int level = (i + k) % s.Levels, area = (i * 3 + k) % s.AreasPerLevel;
            db.Insert(QStringLiteral("ActorDecidesOn"), { { "AiCID", 50000 + i }, { "DAiCID", AreaKey(s, level, area) }, { "Weight", 1 << (k % 4) } });
            db.Insert(QStringLiteral("ActorValues"), { { "AiCID", 50000 + i }, { "VariableID", 10000 + (i * 5 + k) % s.Variables }, { "CValue", 10.5 * k },
                                                       { "Director", k % 2 ? 1 : -1 }, { "Preference", k % 3 } });
            db.Insert(QStringLiteral("ActorPrefers"), { { "AiCID", 50000 + i }, { "DOiAID", OptionKey(s, level, area, k % s.OptionsPerArea) }, { "Preference", k - 2 } });
        }
    }
}

void WriteCombinationsAndPolicies(TOldDatabaseBuilder& db, const TOldDatabaseSize& s)
{
    for (int i = 0; i < s.Combinations; ++i) {
        const int level = i % s.Levels;
        db.Insert(QStringLiteral("Exclusion"), { { "ExclusionID", 60000 + i }, { "XLevelID", 2 + i % 6 } });
        for (int k = 0; k < 2; ++k)
            db.Insert(QStringLiteral("DecOptionInExclusion"), { { "ExclusionID", 60000 + i },
                                                                { "DOiAID", OptionKey(s, level, (i + k * 7) % s.AreasPerLevel, k) } });
    }
    for (int i = 0; i < s.Policies; ++i) {
        db.Insert(QStringLiteral("Policy"), { { "PolicyID", 70000 + i }, { "CaseID", CaseKey }, { "Name", QStringLiteral("Policy %1").arg(i) } });
        for (int k = 0; k < 10; ++k) {
            const int level = (i + k) % s.Levels, area = (i + k * 11) % s.AreasPerLevel;
            db.Insert(QStringLiteral("DecOptionInPolicy"), { { "PolicyID", 70000 + i }, { "DOiAID", OptionKey(s, level, area, k % s.OptionsPerArea) },
                                                             { "DAiCID", AreaKey(s, level, area) } });
        }
    }
}

// Each design: one object on the top level with the others spread over the
// levels below, each choosing options of some of its level's areas.
void WriteDesigns(TOldDatabaseBuilder& db, const TOldDatabaseSize& s)
{
    for (int d = 0; d < s.Designs; ++d) {
        db.Insert(QStringLiteral("Variant"), { { "VariantID", 80000 + d }, { "CaseID", CaseKey }, { "Name", QStringLiteral("Design %1").arg(d) } });
        for (int j = 0; j < s.ObjectsPerDesign; ++j) {
            const int key = 200000 + d * s.ObjectsPerDesign + j;
            const int level = j == 0 ? 0 : 1 + j % (s.Levels - 1);
            db.Insert(QStringLiteral("Design"), { { "DesignID", key }, { "CaseID", CaseKey }, { "VariantID", 80000 + d },
                                                  { "ParentID", j == 0 ? 0 : 200000 + d * s.ObjectsPerDesign }, { "Occurrences", 1 + j % 3 },
                                                  { "SysLevID", LevelKey(level) }, { "Name", QStringLiteral("Object %1").arg(j) } });
            for (int c = 0; c < s.ChoicesPerObject; ++c) {
                const int area = (j + c * 9) % s.AreasPerLevel;
                const TOldDatabaseBuilder::TRow base = { { "DesignID", key }, { "DAiCID", AreaKey(s, level, area) } };
                TOldDatabaseBuilder::TRow row = base;
                row.push_back({ "DOiAID", OptionKey(s, level, area, c % s.OptionsPerArea) });
                db.Insert(QStringLiteral("DecOptionInDesign"), row);
                row = base;
                row.push_back({ "DOiAID", OptionKey(s, level, area, (c + 1) % s.OptionsPerArea) });
                db.Insert(QStringLiteral("StatusQuo"), row);
            }
        }
    }
}

} // namespace

void GenerateOldDatabase(const QString& path, const TOldDatabaseSize& size)
{
    TOldDatabaseBuilder db(path);
    db.Begin();
    WriteCatalogues(db, size);
    WriteHierarchy(db, size);
    WriteActors(db, size);
    WriteCombinationsAndPolicies(db, size);
    WriteDesigns(db, size);
    db.Commit();
}
