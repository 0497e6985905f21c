#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class TCase;
class TDatabase;

/// How an import ended: the case complete; stopped by "Case not found" or an
/// unmatched key; or ended by a failure of the database.
enum class TImportOutcome { Imported, Stopped, Failed };

struct TImportResult
{
    TImportOutcome Outcome = TImportOutcome::Failed;
    std::unique_ptr<TCase> Case;   // only when Imported: a stopped import leaves no case
};

/// Receives each progress text ("Imported: 12 decision areas") as it comes.
using TImportProgress = std::function<void(const QString&)>;

/// The names of the database's cases in name order, except "NIL". Throws
/// TDatabaseError when the database cannot list them.
QStringList CaseNames(TDatabase& database);

/// Builds a new case from the named case of the database. Errors and warnings
/// go to the message sink, progress texts to `progress` (the sink's status line
/// when empty). Every value reaches the database as a bound parameter.
TImportResult ImportCase(TDatabase& database, const QString& caseName, const TImportProgress& progress = {});
