#pragma once

#include <QString>
#include <memory>

struct sqlite3;

/// A database of the older relational format, open for reading. Access files
/// are read whole into an in-memory SQLite database (text compares without
/// letter case there, as in Access); an SQLite file with the same tables is
/// used as it is, read-only.
class TDatabase
{
public:
    /// Throws TDatabaseError when the file cannot be read as either kind.
    static std::unique_ptr<TDatabase> Open(const QString& path);
    /// Takes over an open SQLite connection (closed with the object).
    explicit TDatabase(sqlite3* handle);
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    sqlite3* Handle() const { return Connection; }
    /// Runs statements that return no rows; throws TDatabaseError on failure.
    void Execute(const QString& sql);

private:
    sqlite3* Connection;
};

/// True when the file starts with SQLite's own header.
bool IsSQLiteFile(const QString& path);
