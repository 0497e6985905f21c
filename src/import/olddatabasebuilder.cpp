#include "import/olddatabasebuilder.h"

#include "import/database.h"
#include "import/databaseerror.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <sqlite3.h>

namespace {

// The tables the import reads, with the columns it reads or filters on.
const char* const Schema = R"(
CREATE TABLE "Case"(CaseID INTEGER, Name TEXT COLLATE NOCASE, Comment TEXT COLLATE NOCASE, NrOfPhases INTEGER,
  Phase1 TEXT COLLATE NOCASE, Phase2 TEXT COLLATE NOCASE, Phase3 TEXT COLLATE NOCASE, Phase4 TEXT COLLATE NOCASE);
CREATE TABLE Category(CategoryID INTEGER, CaseID INTEGER, Name TEXT COLLATE NOCASE, BaseIcon TEXT, Comment TEXT COLLATE NOCASE);
CREATE TABLE Qualifier(QualifierID INTEGER, CaseID INTEGER, Name TEXT COLLATE NOCASE, BaseIcon TEXT, Comment TEXT COLLATE NOCASE);
CREATE TABLE SystemLevel(SysLevID INTEGER, CaseID INTEGER, Name TEXT COLLATE NOCASE, BaseIcon TEXT, Comment TEXT COLLATE NOCASE,
  Parent INTEGER, TreeLevel INTEGER, NodeNr INTEGER);
CREATE TABLE Scale(ScaleID INTEGER, Unit TEXT COLLATE NOCASE, ScaleLevel INTEGER);
CREATE TABLE Variable(VariableID INTEGER, CaseID INTEGER, Name TEXT COLLATE NOCASE, ScaleID INTEGER, Comment TEXT COLLATE NOCASE, CValue REAL);
CREATE TABLE DecAreaInCase(DAiCID INTEGER, CaseID INTEGER, Name TEXT COLLATE NOCASE, Comment TEXT COLLATE NOCASE,
  SysLevID INTEGER, CategoryID INTEGER, PhaseNr INTEGER);
CREATE TABLE DecOptionInArea(DOiAID INTEGER, Name TEXT COLLATE NOCASE, DAiCID INTEGER, NodeNr INTEGER, Comment TEXT COLLATE NOCASE);
CREATE TABLE EffectOfDecOption(EoDOID INTEGER, DOiAID INTEGER, VariableID INTEGER, Aggregation INTEGER, MayNotOccur INTEGER,
  Comment TEXT COLLATE NOCASE, Approximation TEXT COLLATE NOCASE);
CREATE TABLE Qualification(DOiAID INTEGER, QualifierID INTEGER);
CREATE TABLE DecOptionPrecludes(DOiAID INTEGER, DAiCID INTEGER);
CREATE TABLE ActorInCase(AiCID INTEGER, CaseID INTEGER, Name TEXT COLLATE NOCASE, Comment TEXT COLLATE NOCASE);
CREATE TABLE ActorHasAccessTo(AiC1ID INTEGER, AiC2ID INTEGER, Weight INTEGER, Comment TEXT COLLATE NOCASE);
CREATE TABLE ActorDecidesOn(AiCID INTEGER, DAiCID INTEGER, Weight INTEGER, Comment TEXT COLLATE NOCASE);
CREATE TABLE ActorValues(AiCID INTEGER, VariableID INTEGER, CValue REAL, Director INTEGER, Preference INTEGER, Comment TEXT COLLATE NOCASE);
CREATE TABLE ActorPrefers(AiCID INTEGER, DOiAID INTEGER, Preference INTEGER, Comment TEXT COLLATE NOCASE);
CREATE TABLE Exclusion(ExclusionID INTEGER, XLevelID INTEGER);
CREATE TABLE DecOptionInExclusion(ExclusionID INTEGER, DOiAID INTEGER);
CREATE TABLE Variant(VariantID INTEGER, CaseID INTEGER, Name TEXT COLLATE NOCASE, Comment TEXT COLLATE NOCASE);
CREATE TABLE Design(DesignID INTEGER, CaseID INTEGER, ParentID INTEGER, VariantID INTEGER, Occurrences INTEGER,
  SysLevID INTEGER, Name TEXT COLLATE NOCASE);
CREATE TABLE StatusQuo(DesignID INTEGER, DOiAID INTEGER, DAiCID INTEGER);
CREATE TABLE DecOptionInDesign(DesignID INTEGER, DOiAID INTEGER, DAiCID INTEGER);
CREATE TABLE Policy(PolicyID INTEGER, CaseID INTEGER, Name TEXT COLLATE NOCASE, Comment TEXT COLLATE NOCASE);
CREATE TABLE DecOptionInPolicy(PolicyID INTEGER, DOiAID INTEGER, DAiCID INTEGER);
)";

void Bind(sqlite3_stmt* statement, int index, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        sqlite3_bind_null(statement, index);
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(statement, index, value.toDouble());
        break;
    case QMetaType::QString: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        break;
    }
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    }
    default:
        if (value.isNull())
            sqlite3_bind_null(statement, index);
        else
            sqlite3_bind_int64(statement, index, value.toLongLong());
    }
}

} // namespace

TOldDatabaseBuilder::TOldDatabaseBuilder(const QString& path)
{
    if (path != QLatin1String(":memory:"))
        QFile::remove(path);
    sqlite3* connection = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &connection) != SQLITE_OK) {
        sqlite3_close(connection);
        throw TDatabaseError{ QStringLiteral("Could not create ") + path };
    }
    Connection = std::make_unique<TDatabase>(connection);
    // A scratch file: no need to wait for the disk after every row.
    Connection->Execute(QStringLiteral("PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY;"));
    Connection->Execute(QString::fromUtf8(Schema));
}

TOldDatabaseBuilder::~TOldDatabaseBuilder()
{
    for (const auto& entry : Statements)
        sqlite3_finalize(entry.second);
}

QStringList TOldDatabaseBuilder::Tables()
{
    static const QRegularExpression table(QStringLiteral("CREATE TABLE \"?(\\w+)\"?\\("));
    QStringList names;
    for (auto match = table.globalMatch(QString::fromUtf8(Schema)); match.hasNext();)
        names << match.next().captured(1);
    return names;
}

QStringList TOldDatabaseBuilder::Columns(const QString& table) const
{
    sqlite3_stmt* statement = nullptr;
    const QString sql = QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table);
    sqlite3_prepare_v2(Connection->Handle(), sql.toUtf8().constData(), -1, &statement, nullptr);
    QStringList names;
    while (statement && sqlite3_step(statement) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return names;
}

void TOldDatabaseBuilder::Execute(const QString& sql) { Connection->Execute(sql); }
void TOldDatabaseBuilder::Begin() { Connection->Execute(QStringLiteral("BEGIN")); }
void TOldDatabaseBuilder::Commit() { Connection->Execute(QStringLiteral("COMMIT")); }

sqlite3_stmt* TOldDatabaseBuilder::Statement(const QString& table, const TRow& values)
{
    QStringList columns, markers;
    for (const auto& value : values) {
        columns << value.first;
        markers << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("INSERT INTO \"%1\"(%2) VALUES(%3)")
                            .arg(table, columns.join(QLatin1Char(',')), markers.join(QLatin1Char(',')));
    sqlite3_stmt*& statement = Statements[sql];
    if (!statement && sqlite3_prepare_v2(Connection->Handle(), sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw TDatabaseError{ QString::fromUtf8(sqlite3_errmsg(Connection->Handle())) };
    return statement;
}

void TOldDatabaseBuilder::Insert(const QString& table, const TRow& values)
{
    sqlite3_stmt* statement = Statement(table, values);
    for (size_t i = 0; i < values.size(); ++i)
        Bind(statement, int(i + 1), values[i].second);
    const int status = sqlite3_step(statement);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (status != SQLITE_DONE)
        throw TDatabaseError{ QString::fromUtf8(sqlite3_errmsg(Connection->Handle())) };
}
