#include "import/query.h"

#include "import/database.h"
#include "import/databaseerror.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace {

// Whole numbers outside the 64-bit range saturate instead of overflowing.
qint64 RoundToInteger(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2e18;
    return qint64(std::round(std::clamp(value, -limit, limit)));
}

} // namespace

TQuery::TQuery(TDatabase& database) : Database(database) {}

TQuery::~TQuery() { Close(); }

void TQuery::Close()
{
    sqlite3_finalize(Statement);
    Statement = nullptr;
    Columns.clear();
    AtEnd = true;
}

void TQuery::Open(const QStringList& lines, const QVariantList& values)
{
    Close();
    sqlite3* connection = Database.Handle();
    const QByteArray text = lines.join(QLatin1Char('\n')).toUtf8();
    if (sqlite3_prepare_v2(connection, text.constData(), int(text.size()), &Statement, nullptr) != SQLITE_OK)
        throw TDatabaseError{ QString::fromUtf8(sqlite3_errmsg(connection)) };
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& value = values[i];
        if (value.typeId() == QMetaType::QString) {
            const QByteArray utf8 = value.toString().toUtf8();
            sqlite3_bind_text(Statement, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(Statement, i + 1, value.toLongLong());
        }
    }
    // A column reads by its name without the table, as spelled or in lower case.
    // SQLite marks a name that the tables of a nested join share with ":N";
    // the first such column keeps the plain name.
    static const QRegularExpression suffix(QStringLiteral(":\\d+$"));
    QStringList names;
    for (int i = 0; i < sqlite3_column_count(Statement); ++i) {
        const QString name = QString::fromUtf8(sqlite3_column_name(Statement, i)).section(QLatin1Char('.'), -1);
        names << name;
        Columns.insert(name, i);
        Columns.insert(name.toLower(), i);
    }
    for (int i = 0; i < names.size(); ++i)
        if (const QString plain = names[i].toLower().remove(suffix); !Columns.contains(plain))
            Columns.insert(plain, i);
    Step();
}

void TQuery::Next()
{
    if (!AtEnd)
        Step();
}

void TQuery::Step()
{
    const int status = sqlite3_step(Statement);
    if (status != SQLITE_ROW && status != SQLITE_DONE)
        throw TDatabaseError{ QString::fromUtf8(sqlite3_errmsg(Database.Handle())) };
    AtEnd = status == SQLITE_DONE;
}

int TQuery::ColumnIndex(const QString& column) const
{
    // The import names columns as its queries spell them: try that first.
    auto found = Columns.constFind(column);
    if (found == Columns.constEnd())
        found = Columns.constFind(column.toLower());
    if (found == Columns.constEnd())
        throw TDatabaseError{ QStringLiteral("No column ") + column };
    if (AtEnd)
        throw TDatabaseError{ QStringLiteral("No current row") };
    return *found;
}

bool TQuery::IsNull(const QString& column) const
{
    return sqlite3_column_type(Statement, ColumnIndex(column)) == SQLITE_NULL;
}

QString TQuery::AsText(const QString& column) const
{
    const int index = ColumnIndex(column);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(Statement, index));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(Statement, index)) : QString();
}

qint64 TQuery::AsInteger(const QString& column) const
{
    const int index = ColumnIndex(column);
    switch (sqlite3_column_type(Statement, index)) {
    case SQLITE_INTEGER:
        return sqlite3_column_int64(Statement, index);
    case SQLITE_NULL:
        return 0;
    default:
        return RoundToInteger(AsFloat(column));
    }
}

// Text in a numeric column reads as the number it spells, else 0.
static double AsFloatOfText(const QString& text)
{
    bool ok = false;
    const double value = QString(text).trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

double TQuery::AsFloat(const QString& column) const
{
    const int index = ColumnIndex(column);
    switch (sqlite3_column_type(Statement, index)) {
    case SQLITE_NULL:
        return 0;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
        const double value = sqlite3_column_double(Statement, index);
        return std::isfinite(value) ? value : 0;
    }
    default:
        return AsFloatOfText(AsText(column));
    }
}
