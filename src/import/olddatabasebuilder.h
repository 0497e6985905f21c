#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class TDatabase;
struct sqlite3_stmt;

/// Writes an SQLite database with the tables of the older relational format,
/// for tests, benchmarks and the fuzzer: the import reads it as it reads an
/// Access file. Text columns compare without letter case, as in Access.
class TOldDatabaseBuilder
{
public:
    using TRow = std::vector<std::pair<QString, QVariant>>;

    /// Creates the file (replacing any old one) with every table, empty;
    /// ":memory:" builds the database in memory.
    explicit TOldDatabaseBuilder(const QString& path);
    ~TOldDatabaseBuilder();

    /// Adds a row; columns not named stay NULL, as does a null QVariant.
    void Insert(const QString& table, const TRow& values);
    /// Runs SQL directly (to drop a table or store odd values).
    void Execute(const QString& sql);
    /// Groups many inserts in one transaction, for speed.
    void Begin();
    void Commit();
    /// The database being built, to import from directly.
    TDatabase& Database() const { return *Connection; }
    /// The names of every table, and of a table's columns, in schema order.
    static QStringList Tables();
    QStringList Columns(const QString& table) const;

private:
    sqlite3_stmt* Statement(const QString& table, const TRow& values);

    std::unique_ptr<TDatabase> Connection;
    std::map<QString, sqlite3_stmt*> Statements;
};
