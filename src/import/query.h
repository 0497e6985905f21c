#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

class TDatabase;
struct sqlite3_stmt;

/// One query over the database: its text, the values bound to its "?" markers
/// and a position on the rows it returns. Columns are read by name with the
/// import's conventions: NULL reads as the empty text or 0, a floating-point
/// value read as integer is rounded. Every fault throws TDatabaseError.
class TQuery
{
public:
    explicit TQuery(TDatabase& database);
    ~TQuery();
    TQuery(const TQuery&) = delete;
    TQuery& operator=(const TQuery&) = delete;

    /// Closes the previous query, runs this one (its lines joined by line
    /// breaks) with the values for its markers, and stands on the first row.
    void Open(const QStringList& lines, const QVariantList& values = {});
    void Close();
    bool Eof() const { return AtEnd; }
    void Next();

    bool IsNull(const QString& column) const;
    QString AsText(const QString& column) const;
    qint64 AsInteger(const QString& column) const;
    double AsFloat(const QString& column) const;

private:
    int ColumnIndex(const QString& column) const;
    void Step();

    TDatabase& Database;
    sqlite3_stmt* Statement = nullptr;
    QHash<QString, int> Columns;   // by name as spelled and in lower case: names compare as in Access
    bool AtEnd = true;
};
