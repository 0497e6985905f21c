// The import's steps up to the preclusions: catalogues, hierarchy, options and effects.
#include "import/caseimporter.h"

#include "import/databaseerror.h"
#include "import/iconfromtext.h"
#include "model/case.h"
#include "model/helpers.h"
#include "model/messages.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

const QColor PhaseColors[4] = { QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0), QColor(0, 255, 255) };

QString Stop(const QString& text, qint64 key) { return text + QString::number(key); }

} // namespace

void SetComment(TNameless& item, const QString& text)
{
    const QString trimmed = text.trimmed();
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    item.Comments = trimmed.isEmpty() ? QStringList() : trimmed.split(lineBreak);
}

void RowWarning(const QString& row, const QString& what) { ShowWarning(row + QStringLiteral(": ") + what); }

TCaseImporter::TCaseImporter(TDatabase& database, TCase& aCase, qint64 caseKey, const TImportProgress& progress)
    : Case(aCase), CaseKey(caseKey), ProgressText(progress), Query(database)
{
}

void TCaseImporter::Open(const QStringList& lines) { Query.Open(lines, { CaseKey }); }

void TCaseImporter::Progress(int count, const QString& noun)
{
    ProgressText(QStringLiteral("Imported: ") + QString::number(count) + noun);
}

QString TCaseImporter::RowName(const QString& column, const QString& row) const
{
    const QString name = CleanTrimmedName(Query.AsText(column));
    if (name.isEmpty())
        RowWarning(row, QStringLiteral("the name is empty; the row is skipped"));
    return name;
}

// ---- Resolving keys ----

TSystemLevel* TCaseImporter::Level(const QString& column, const QString& undefined)
{
    const qint64 key = Key(column);
    if (!LastLevel.Item || LastLevel.Key != key) {
        LastLevel = { key, LevelIndex.value(key) };
        if (!LastLevel.Item)
            throw TImportStop{ Stop(undefined, key) };
    }
    return LastLevel.Item;
}

TDecisionArea* TCaseImporter::Area(TSystemLevel* level, const QString& column)
{
    const qint64 key = Key(column);
    if (!LastArea.Item || LastArea.Key != key || LastArea.Owner != level) {
        LastArea = { key, level, FindById(level->DecisionAreas, key) };
        if (!LastArea.Item)
            throw TImportStop{ Stop(QStringLiteral("Undefined decision area: ID = "), key) };
    }
    return LastArea.Item;
}

TOption* TCaseImporter::Option(TDecisionArea* area, const QString& column)
{
    const qint64 key = Key(column);
    if (!LastOption.Item || LastOption.Key != key || LastOption.Owner != area) {
        LastOption = { key, area, FindById(area->Options, key) };
        if (!LastOption.Item)
            throw TImportStop{ Stop(QStringLiteral("Undefined decision option: ID = "), key) };
    }
    return LastOption.Item;
}

TOption* TCaseImporter::RowOption(const QString& row)
{
    if (SkippedAreas.contains(Key(QStringLiteral("DAiCID")))) {
        RowWarning(row, QStringLiteral("its decision area was skipped; the row is skipped"));
        return nullptr;
    }
    if (SkippedOptions.contains(Key(QStringLiteral("DOiAID")))) {
        RowWarning(row, QStringLiteral("its decision option was skipped; the row is skipped"));
        return nullptr;
    }
    TSystemLevel* level = Level(QStringLiteral("SysLevID"));
    return Option(Area(level, QStringLiteral("DAiCID")), QStringLiteral("DOiAID"));
}

TVariable* TCaseImporter::Variable(const QString& column)
{
    const qint64 key = Key(column);
    if (TVariable* variable = VariableIndex.value(key))
        return variable;
    throw TImportStop{ Stop(QStringLiteral("Undefined variable: ID = "), key) };
}

// ---- Steps 3 to 8: phases, catalogues, levels, scales, variables ----

void TCaseImporter::ImportPhases(int count, const QStringList& names)
{
    for (int i = 1; i <= count; ++i) {
        const QString name = CleanTrimmedName(names.value(i - 1));
        if (name.isEmpty()) {
            RowWarning(QStringLiteral("Case, Phase%1").arg(i), QStringLiteral("the name is empty; the phase is skipped"));
            continue;
        }
        TPhase* phase = Case.Phases.At(Case.AddPhase(name));
        phase->ID = i;
        phase->Order = i - 1;
        phase->SetColorDerived(PhaseColors[i - 1]);
    }
    Progress(Case.Phases.Count(), QStringLiteral(" phases"));
}

void TCaseImporter::ImportCatalogues()
{
    ImportConcepts<TCategory>({ QStringLiteral("SELECT CategoryID, Name, BaseIcon, Comment FROM Category WHERE CaseID=?;") },
                              QStringLiteral("CategoryID"), &TCase::AddCategory, Case.Categories,
                              [this](TCategory& category) { category.Icon = IconFromText(Query.AsText(QStringLiteral("BaseIcon"))); });
    for (int i = 0; i < Case.Categories.Count(); ++i)
        Case.Categories.At(i)->Number = i + 1;
    Progress(Case.Categories.Count(), QStringLiteral(" categories"));
    ImportConcepts<TQualifier>({ QStringLiteral("SELECT QualifierID, Name, BaseIcon, Comment FROM Qualifier WHERE CaseID=?;") },
                               QStringLiteral("QualifierID"), &TCase::AddQualifier, Case.Qualifiers,
                               [this](TQualifier& qualifier) { qualifier.Icon = IconFromText(Query.AsText(QStringLiteral("BaseIcon"))); });
    Progress(Case.Qualifiers.Count(), QStringLiteral(" qualifiers"));
}

void TCaseImporter::PlaceLevel(TSystemLevel& level)
{
    level.Icon = IconFromText(Query.AsText(QStringLiteral("BaseIcon")));
    level.UpdateDesignIcon();
    const qint64 parentKey = Key(QStringLiteral("Parent"));
    TSystemLevel* parent = parentKey == 1 ? nullptr : FindById(Case.SystemLevels, parentKey);
    // A level under itself or under its own descendant would make the tree a loop.
    if (parent && level.IsWithin(parent)) {
        RowWarning(QStringLiteral("SystemLevel ") + QString::number(Key(QStringLiteral("SysLevID"))),
                   QStringLiteral("its parent lies within the level itself; it becomes a top level"));
        parent = nullptr;
    }
    level.PlaceUnder(parent);
}

void TCaseImporter::ImportSystemLevels()
{
    ImportConcepts<TSystemLevel>({ QStringLiteral("SELECT SysLevID, Name, BaseIcon, Comment, Parent FROM SystemLevel WHERE CaseID=?"
                                                  " ORDER BY TreeLevel, Parent, NodeNr;") },
                                 QStringLiteral("SysLevID"), &TCase::AddSystemLevel, Case.SystemLevels,
                                 [this](TSystemLevel& level) { PlaceLevel(level); });
    LevelIndex = IndexById(Case.SystemLevels);
    Progress(Case.SystemLevels.Count(), QStringLiteral(" system levels"));
}

void TCaseImporter::ImportVariables()
{
    // Scales belong to the whole database, not to one case.
    Query.Open({ QStringLiteral("SELECT ScaleID, Unit FROM Scale WHERE ScaleLevel=0;") });
    for (; !Query.Eof(); Query.Next()) {
        const QString unit = RowName(QStringLiteral("Unit"), QStringLiteral("Scale ") + QString::number(Key(QStringLiteral("ScaleID"))));
        if (!unit.isEmpty())
            Case.Scales.At(Case.AddScale(unit))->ID = ToId(Key(QStringLiteral("ScaleID")));
    }
    Progress(Case.Scales.Count(), QStringLiteral(" scales"));

    ImportConcepts<TVariable>({ QStringLiteral("SELECT VariableID, Name, ScaleID, Comment, CValue FROM Variable WHERE CaseID=?;") },
                              QStringLiteral("VariableID"), &TCase::AddVariable, Case.Variables,
                              [this](TVariable& variable) { ReadVariable(variable); });
    VariableIndex = IndexById(Case.Variables);
    Progress(Case.Variables.Count(), QStringLiteral(" variables"));
}

void TCaseImporter::ReadVariable(TVariable& variable)
{
    if (Case.Scales.IsEmpty())
        throw TDatabaseError{ QStringLiteral("Variable \"") + variable.Name + QStringLiteral("\" has no scale to be measured on") };
    // No constant value: the variable is computed and adds up, as a case folder reads it.
    const bool constant = !Query.IsNull(QStringLiteral("CValue")) && !Query.AsText(QStringLiteral("CValue")).trimmed().isEmpty();
    variable.Value = constant ? Query.AsFloat(QStringLiteral("CValue")) : UndefinedValue;
    variable.AggregationMode = constant ? AggregationConstant : AggregationCumulative;
    TScale* scale = FindById(Case.Scales, Key(QStringLiteral("ScaleID")));
    variable.Scale = scale ? scale : Case.Scales.First();
}

// ---- Steps 9 to 13: decision areas, options, effects, qualifications, preclusions ----

void TCaseImporter::ImportDecisionAreas()
{
    Open({ QStringLiteral("SELECT DAiCID, Name, Comment, SysLevID, CategoryID, PhaseNr FROM DecAreaInCase WHERE CaseID=?;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        const qint64 key = Key(QStringLiteral("DAiCID"));
        TSystemLevel* level = LevelIndex.value(Key(QStringLiteral("SysLevID")));
        if (!level) {
            ShowError(Stop(QStringLiteral("Undefined system level: ID = "), Key(QStringLiteral("SysLevID"))));
            SkippedAreas.insert(key);
            continue;
        }
        const QString name = RowName(QStringLiteral("Name"), QStringLiteral("DecAreaInCase ") + QString::number(key));
        if (name.isEmpty()) {
            SkippedAreas.insert(key);
            continue;
        }
        TCategory* category = FindById(Case.Categories, Key(QStringLiteral("CategoryID")));
        TPhase* phase = FindById(Case.Phases, Key(QStringLiteral("PhaseNr")));
        if (!category || !phase)
            throw TDatabaseError{ QStringLiteral("Decision area \"") + name + QStringLiteral("\" has no category or phase") };
        TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(name));
        area->ID = ToId(key);
        SetComment(*area, Query.AsText(QStringLiteral("Comment")));
        area->Category = category;
        area->Phase = phase;
        ++count;
    }
    Progress(count, QStringLiteral(" decision areas"));
}

void TCaseImporter::ImportOptions()
{
    Open({ QStringLiteral("SELECT DecOptionInArea.DOiAID, DecOptionInArea.Name, DecOptionInArea.DAiCID, DecOptionInArea.NodeNr, DecOptionInArea.Comment, DecAreaInCase.SysLevID"),
           QStringLiteral("FROM DecAreaInCase INNER JOIN DecOptionInArea ON DecAreaInCase.DAiCID = DecOptionInArea.DAiCID"),
           QStringLiteral("WHERE DecAreaInCase.CaseID=? ORDER BY DecAreaInCase.SysLevID, DecOptionInArea.DAiCID, DecOptionInArea.NodeNr;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        const qint64 key = Key(QStringLiteral("DOiAID"));
        const QString row = QStringLiteral("DecOptionInArea ") + QString::number(key);
        const QString name = RowName(QStringLiteral("Name"), row);
        if (name.isEmpty()) {
            SkippedOptions.insert(key);
            continue;
        }
        if (SkippedAreas.contains(Key(QStringLiteral("DAiCID")))) {
            RowWarning(row, QStringLiteral("its decision area was skipped; the option is skipped"));
            SkippedOptions.insert(key);
            continue;
        }
        TDecisionArea* area = Area(Level(QStringLiteral("SysLevID")), QStringLiteral("DAiCID"));
        TOption* option = area->Options.At(area->AddOption(name));
        option->ID = ToId(key);
        option->Number = ToId(Key(QStringLiteral("NodeNr")));
        SetComment(*option, Query.AsText(QStringLiteral("Comment")));
        ++count;
    }
    Progress(count, QStringLiteral(" decision options"));
}

void TCaseImporter::ImportEffects()
{
    Open({ QStringLiteral("SELECT DecAreaInCase.SysLevID, DecAreaInCase.DAiCID, DecOptionInArea.DOiAID, EffectOfDecOption.EoDOID, EffectOfDecOption.Aggregation, EffectOfDecOption.MayNotOccur, EffectOfDecOption.Comment, EffectOfDecOption.VariableID, EffectOfDecOption.Approximation"),
           QStringLiteral("FROM Variable INNER JOIN ((DecAreaInCase INNER JOIN DecOptionInArea ON DecAreaInCase.DAiCID = DecOptionInArea.DAiCID) INNER JOIN EffectOfDecOption ON DecOptionInArea.DOiAID = EffectOfDecOption.DOiAID) ON Variable.VariableID = EffectOfDecOption.VariableID"),
           QStringLiteral("WHERE DecAreaInCase.CaseID=? ORDER BY DecAreaInCase.SysLevID, DecAreaInCase.DAiCID, DecOptionInArea.DOiAID, DecOptionInArea.NodeNr, Variable.Name;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        TOption* option = RowOption(QStringLiteral("EffectOfDecOption ") + QString::number(Key(QStringLiteral("EoDOID"))));
        if (!option)
            continue;
        TVariable* variable = Variable(QStringLiteral("VariableID"));
        auto effect = std::make_unique<TEffect>(option, variable);
        effect->ID = ToId(Key(QStringLiteral("EoDOID")));
        if (Key(QStringLiteral("Aggregation")) == 2)
            variable->AggregationMode = AggregationAveraging;
        effect->NullWhenStatusQuo = Key(QStringLiteral("MayNotOccur")) == 1;
        SetComment(*effect, Query.AsText(QStringLiteral("Comment")));
        const QString message = effect->SetFormula(Query.AsText(QStringLiteral("Approximation")));
        TEffect* added = option->AddEffect(std::move(effect));
        if (!message.isEmpty())
            RepairFormula(*added);
        ++count;
    }
    Progress(count, QStringLiteral(" effects"));
}

void TCaseImporter::ImportQualifications()
{
    Open({ QStringLiteral("SELECT DecAreaInCase.SysLevID, DecAreaInCase.DAiCID, DecOptionInArea.DOiAID, Qualification.QualifierID"),
           QStringLiteral("FROM (DecAreaInCase INNER JOIN DecOptionInArea ON DecAreaInCase.DAiCID = DecOptionInArea.DAiCID) INNER JOIN Qualification ON DecOptionInArea.DOiAID = Qualification.DOiAID"),
           QStringLiteral("WHERE DecAreaInCase.CaseID=? ORDER BY DecAreaInCase.SysLevID, DecAreaInCase.DAiCID, DecOptionInArea.DOiAID, DecOptionInArea.NodeNr;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        const QString row = QStringLiteral("Qualification of option %1 by qualifier %2")
                                .arg(Key(QStringLiteral("DOiAID"))).arg(Key(QStringLiteral("QualifierID")));
        TOption* option = RowOption(row);
        if (!option)
            continue;
        TQualifier* qualifier = Resolve(Case.Qualifiers, QStringLiteral("QualifierID"), QStringLiteral("Undefined qualifier: ID = "));
        if (option->HasQualifier(qualifier)) {
            RowWarning(row, QStringLiteral("the option has this qualifier already; the row is skipped"));
            continue;
        }
        option->AddQualifier(qualifier);
        ++count;
    }
    Progress(count, QStringLiteral(" qualifications"));
}

void TCaseImporter::ImportPreclusions()
{
    Open({ QStringLiteral("SELECT DecAreaInCase.SysLevID, DecAreaInCase.DAiCID, DecOptionInArea.DOiAID, DecOptionPrecludes.DAiCID AS PrecludedDA, PrecludedDA.SysLevID AS PrecludedSysLev"),
           QStringLiteral("FROM ((DecAreaInCase INNER JOIN DecOptionInArea ON DecAreaInCase.DAiCID = DecOptionInArea.DAiCID) INNER JOIN DecOptionPrecludes ON DecOptionInArea.DOiAID = DecOptionPrecludes.DOiAID)"),
           QStringLiteral("INNER JOIN DecAreaInCase AS PrecludedDA ON DecOptionPrecludes.DAiCID = PrecludedDA.DAiCID"),
           QStringLiteral("WHERE DecAreaInCase.CaseID=? ORDER BY DecAreaInCase.SysLevID, DecAreaInCase.CategoryID, DecAreaInCase.DAiCID, DecOptionInArea.DOiAID, DecOptionInArea.NodeNr, PrecludedDA.SysLevID;") });
    int count = 0;
    std::vector<TOption*> touched;
    for (; !Query.Eof(); Query.Next(), ++count) {
        const QString row = QStringLiteral("Preclusion of decision area %1 by option %2")
                                .arg(Key(QStringLiteral("PrecludedDA"))).arg(Key(QStringLiteral("DOiAID")));
        TOption* option = RowOption(row);
        if (!option)
            continue;
        if (SkippedAreas.contains(Key(QStringLiteral("PrecludedDA")))) {
            RowWarning(row, QStringLiteral("the precluded decision area was skipped; the row is skipped"));
            continue;
        }
        TSystemLevel* precludedLevel = Level(QStringLiteral("PrecludedSysLev"), QStringLiteral("Undefined precluded system level: ID = "));
        TDecisionArea* precluded = Resolve(precludedLevel->DecisionAreas, QStringLiteral("PrecludedDA"),
                                           QStringLiteral("Undefined precluded decision area: ID = "));
        TSystemLevel* level = option->SystemLevel();
        if (precluded == option->DecisionArea) {
            RowWarning(row, QStringLiteral("an option cannot preclude its own decision area; the row is skipped"));
        } else if (!level->IsWithin(precludedLevel)) {
            ShowWarning(QStringLiteral("Option \"") + option->DecisionArea->Name + QStringLiteral(" = ") + option->Name
                        + QStringLiteral("\"\r in subsystem \"") + level->Name
                        + QStringLiteral("\" cannot preclude decision\rin parent or sibling system \"")
                        + precludedLevel->Name + QLatin1Char('"'));
        } else if (option->Precludes(precluded)) {
            RowWarning(row, QStringLiteral("the option precludes this decision area already; the row is skipped"));
        } else {
            option->AddPreclusion(precluded);
            touched.push_back(option);
        }
    }
    for (TOption* option : touched)
        std::stable_sort(option->PrecludedAreas.begin(), option->PrecludedAreas.end(), DecisionAreaLess);
    Progress(count, QStringLiteral(" preclusions"));
}
