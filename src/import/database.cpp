#include "import/database.h"

#include "import/accessreader.h"
#include "import/databaseerror.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

QString SQLiteMessage(sqlite3* connection)
{
    return QString::fromUtf8(sqlite3_errmsg(connection));
}

sqlite3* OpenConnection(const QString& name, int flags)
{
    sqlite3* connection = nullptr;
    const int status = sqlite3_open_v2(name.toUtf8().constData(), &connection, flags, nullptr);
    if (status != SQLITE_OK) {
        const QString message = connection ? SQLiteMessage(connection) : QString::fromUtf8(sqlite3_errstr(status));
        sqlite3_close(connection);
        throw TDatabaseError{ message };
    }
    return connection;
}

} // namespace

bool IsSQLiteFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

std::unique_ptr<TDatabase> TDatabase::Open(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        throw TDatabaseError{ QStringLiteral("Could not open database \"") + path + QLatin1Char('"') };
    if (IsSQLiteFile(path))
        return std::make_unique<TDatabase>(OpenConnection(path, SQLITE_OPEN_READONLY));
    auto database = std::make_unique<TDatabase>(OpenConnection(QStringLiteral(":memory:"),
                                                               SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE));
    ReadAccessFile(path, database->Handle());
    return database;
}

TDatabase::TDatabase(sqlite3* handle) : Connection(handle) {}

TDatabase::~TDatabase() { sqlite3_close(Connection); }

void TDatabase::Execute(const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(Connection, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "unknown error");
        sqlite3_free(error);
        throw TDatabaseError{ message };
    }
}
