#include "import/accessreader.h"

#include "import/databaseerror.h"

#include <QStringList>
#include <memory>
#include <sqlite3.h>
#include <vector>

// glib first: mdbtools.h uses its types without including it.
#include <glib.h>
#include <mdbtools.h>

namespace {

// Memo and binary values are converted into buffers of the bind size: large
// enough for any memo Access itself lets a user type (65,535 characters).
constexpr size_t LongValueSize = 4 * 1024 * 1024;
// Every other value is a number, a date or at most 255 characters of text.
constexpr size_t ShortValueSize = 4096;

enum class TColumnKind { Integer, Real, Text, Blob };

TColumnKind KindOf(int type)
{
    switch (type) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return TColumnKind::Integer;
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        return TColumnKind::Real;
    case MDB_OLE:
    case MDB_BINARY:
        return TColumnKind::Blob;
    default:
        return TColumnKind::Text;
    }
}

bool IsLong(int type) { return type == MDB_MEMO || type == MDB_OLE || type == MDB_BINARY || type == MDB_COMPLEX; }

QString Quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

const char* Declaration(TColumnKind kind)
{
    switch (kind) {
    case TColumnKind::Integer:
        return " INTEGER";
    case TColumnKind::Real:
        return " REAL";
    case TColumnKind::Blob:
        return " BLOB";
    default:
        return " TEXT COLLATE NOCASE";
    }
}

void Exec(sqlite3* target, const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(target, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "unknown error");
        sqlite3_free(error);
        throw TDatabaseError{ message };
    }
}

struct TStatementCloser
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using TStatement = std::unique_ptr<sqlite3_stmt, TStatementCloser>;

struct TTableCloser
{
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

/// One bound column of the table being copied.
struct TBoundColumn
{
    TColumnKind Kind;
    std::vector<char> Buffer;
    int Length = 0;
};

// libmdb prints numbers in the C library's locale: accept either separator.
double ToReal(const char* text)
{
    bool ok = false;
    const double value = QString::fromUtf8(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? value : 0;
}

void BindValue(sqlite3_stmt* insert, int index, const TBoundColumn& column)
{
    // libmdb gives NULL, and also an empty text, as an empty value.
    if (column.Length == 0) {
        sqlite3_bind_null(insert, index);
        return;
    }
    const char* text = column.Buffer.data();
    switch (column.Kind) {
    case TColumnKind::Integer:
        sqlite3_bind_int64(insert, index, sqlite3_int64(ToReal(text)));
        break;
    case TColumnKind::Real:
        sqlite3_bind_double(insert, index, ToReal(text));
        break;
    case TColumnKind::Blob:
        sqlite3_bind_blob(insert, index, text, column.Length, SQLITE_TRANSIENT);
        break;
    default:
        sqlite3_bind_text(insert, index, text, column.Length, SQLITE_TRANSIENT);
        break;
    }
}

void CopyTable(MdbCatalogEntry* entry, sqlite3* target)
{
    std::unique_ptr<MdbTableDef, TTableCloser> table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get()))
        throw TDatabaseError{ QStringLiteral("Could not read table ") + QString::fromUtf8(entry->object_name) };
    const QString name = Quoted(QString::fromUtf8(table->name));
    QStringList declarations, markers;
    std::vector<TBoundColumn> columns(table->num_cols);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        columns[i].Kind = KindOf(column->col_type);
        columns[i].Buffer.assign(IsLong(column->col_type) ? LongValueSize : ShortValueSize, '\0');
        declarations << Quoted(QString::fromUtf8(column->name)) + QLatin1String(Declaration(columns[i].Kind));
        markers << QStringLiteral("?");
        mdb_bind_column(table.get(), int(i + 1), columns[i].Buffer.data(), &columns[i].Length);
    }
    if (columns.empty())
        return;
    Exec(target, QStringLiteral("CREATE TABLE ") + name + QLatin1Char('(') + declarations.join(QLatin1Char(',')) + ')');
    sqlite3_stmt* raw = nullptr;
    const QString insertText = QStringLiteral("INSERT INTO ") + name + QStringLiteral(" VALUES(")
                               + markers.join(QLatin1Char(',')) + ')';
    if (sqlite3_prepare_v2(target, insertText.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK)
        throw TDatabaseError{ QString::fromUtf8(sqlite3_errmsg(target)) };
    const TStatement insert(raw);
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        for (size_t i = 0; i < columns.size(); ++i)
            BindValue(insert.get(), int(i + 1), columns[i]);
        if (sqlite3_step(insert.get()) != SQLITE_DONE)
            throw TDatabaseError{ QString::fromUtf8(sqlite3_errmsg(target)) };
        sqlite3_reset(insert.get());
    }
}

struct THandleCloser
{
    void operator()(MdbHandle* handle) const { mdb_close(handle); }
};

} // namespace

void ReadAccessFile(const QString& path, sqlite3* target)
{
    const QString unreadable = QStringLiteral("Could not read Access database \"") + path + QLatin1Char('"');
    std::unique_ptr<MdbHandle, THandleCloser> handle(mdb_open(path.toLocal8Bit().constData(), MDB_NOFLAGS));
    if (!handle)
        throw TDatabaseError{ unreadable };
    mdb_set_bind_size(handle.get(), LongValueSize);
    mdb_set_date_fmt(handle.get(), "%Y-%m-%d %H:%M:%S");
    if (!mdb_read_catalog(handle.get(), MDB_TABLE))
        throw TDatabaseError{ unreadable };
    Exec(target, QStringLiteral("BEGIN"));
    for (unsigned i = 0; i < handle->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(handle->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            CopyTable(entry, target);
    }
    Exec(target, QStringLiteral("COMMIT"));
}
