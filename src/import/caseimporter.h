#pragma once

#include "import/caseimport.h"
#include "import/query.h"
#include "model/case.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <algorithm>
#include <climits>
#include <functional>

/// An unmatched key: the import stops with this error text.
struct TImportStop
{
    QString Message;
};

/// The steps of one import, in the order they run. Each reads its rows through
/// the one query, builds through the model's own operations and reports its
/// count. Owners resolved for one row are reused while the keys repeat.
class TCaseImporter
{
public:
    TCaseImporter(TDatabase& database, TCase& aCase, qint64 caseKey, const TImportProgress& progress);

    void ImportPhases(int count, const QStringList& names);
    void ImportCatalogues();
    void ImportSystemLevels();
    void ImportVariables();
    void ImportDecisionAreas();
    void ImportOptions();
    void ImportEffects();
    void ImportQualifications();
    void ImportPreclusions();
    void ImportActors();
    void ImportActorPositions();
    void ImportCombinations();
    void ImportDesigns();
    void ImportDesignChoices(bool statusQuo);
    void ImportPolicies();

private:
    // Reading rows.
    void Open(const QStringList& lines);
    qint64 Key(const QString& column) const { return Query.AsInteger(column); }
    /// The row's name made fit for a list, or empty (with a warning) when nothing is left.
    QString RowName(const QString& column, const QString& row) const;
    void Progress(int count, const QString& noun);

    // Resolving keys; each stops the import when nothing matches.
    TSystemLevel* Level(const QString& column, const QString& undefined = QStringLiteral("Undefined system level: ID = "));
    TDecisionArea* Area(TSystemLevel* level, const QString& column);
    TOption* Option(TDecisionArea* area, const QString& column);
    /// The option of the row through its level, area and option keys; nullptr
    /// (after a warning) when its area or option was left out earlier.
    TOption* RowOption(const QString& row);
    TVariable* Variable(const QString& column);
    /// The item of the list with the row's key in `column`; the import stops
    /// with `undefined` and the key when none has it.
    template <class T>
    T* Resolve(const TConceptList<T>& list, const QString& column, const QString& undefined);
    /// The rows of a list of named concepts, each added by its name with its
    /// key (in `key`) and comment; `more` reads the rest of the row.
    template <class T>
    void ImportConcepts(const QStringList& select, const QString& key, int (TCase::*add)(const QString&),
                        TConceptList<T>& list, const std::function<void(T&)>& more = {});

    void PlaceLevel(TSystemLevel& level);
    void ReadVariable(TVariable& variable);
    void ImportActorConnections();
    void ImportActorDecisions();
    void ImportActorGoals();
    void ImportActorOptions();
    void ImportDesignObjects();
    void ImportPolicyOptions();

    TCase& Case;
    const qint64 CaseKey;
    const TImportProgress& ProgressText;
    TQuery Query;
    // Levels and variables by key, once their steps are over and their keys fixed.
    QHash<qint64, TSystemLevel*> LevelIndex;
    QHash<qint64, TVariable*> VariableIndex;
    QSet<qint64> SkippedAreas;     // rows left out in step 9: their options follow them
    QSet<qint64> SkippedOptions;
    // The owners of the previous row, reused while its keys repeat.
    struct { qint64 Key = 0; TSystemLevel* Item = nullptr; } LastLevel;
    struct { qint64 Key = 0; const TSystemLevel* Owner = nullptr; TDecisionArea* Item = nullptr; } LastArea;
    struct { qint64 Key = 0; const TDecisionArea* Owner = nullptr; TOption* Item = nullptr; } LastOption;
};

/// The first item of the list whose ID is the key.
template <class List>
auto FindById(const List& list, qint64 key) -> decltype(list.First())
{
    for (auto* item : list)
        if (item->ID == key)
            return item;
    return nullptr;
}

/// The items by key; of items with one key, the first in the list.
template <class T>
QHash<qint64, T*> IndexById(const TConceptList<T>& list)
{
    QHash<qint64, T*> index;
    for (T* item : list)
        if (!index.contains(item->ID))
            index.insert(item->ID, item);
    return index;
}

/// A key as the model's identifier; keys beyond its range saturate and match nothing.
inline qint32 ToId(qint64 key) { return qint32(std::clamp<qint64>(key, INT32_MIN, INT32_MAX)); }
/// Sets the item's comment: trimmed at both ends, one line per line break.
void SetComment(TNameless& item, const QString& text);
/// Shows one warning about a row that is left out or changed.
void RowWarning(const QString& row, const QString& what);

template <class T>
T* TCaseImporter::Resolve(const TConceptList<T>& list, const QString& column, const QString& undefined)
{
    const qint64 key = Key(column);
    if (T* item = FindById(list, key))
        return item;
    throw TImportStop{ undefined + QString::number(key) };
}

template <class T>
void TCaseImporter::ImportConcepts(const QStringList& select, const QString& key, int (TCase::*add)(const QString&),
                                   TConceptList<T>& list, const std::function<void(T&)>& more)
{
    Open(select);
    const QString table = select.first().section(QStringLiteral(" FROM "), 1).section(QLatin1Char(' '), 0, 0);
    for (; !Query.Eof(); Query.Next()) {
        const QString name = RowName(QStringLiteral("Name"), table + QLatin1Char(' ') + QString::number(Key(key)));
        if (name.isEmpty())
            continue;
        T* item = list.At((Case.*add)(name));
        item->ID = ToId(Key(key));
        SetComment(*item, Query.AsText(QStringLiteral("Comment")));
        if (more)
            more(*item);
    }
}
