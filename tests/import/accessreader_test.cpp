// The database layer on real Access files: every user table copied into SQLite.
#include "import/database.h"
#include "import/databaseerror.h"
#include "import/query.h"
#include "support/pagefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct AccessTest : ::testing::Test
{
    QString Folder = QStringLiteral(ORVEL_SOURCE_DIR "/../shared/fixtures/mdb/");

    void SetUp() override
    {
        if (!QDir(Folder).exists())
            GTEST_SKIP() << "no Access test files at " << Folder.toStdString();
    }
    std::unique_ptr<TDatabase> Open(const char* file) { return TDatabase::Open(Folder + QString::fromLatin1(file)); }

    static QStringList Column(TDatabase& database, const QString& sql, const QString& column)
    {
        TQuery query(database);
        query.Open({ sql });
        QStringList values;
        for (; !query.Eof(); query.Next())
            values << (query.IsNull(column) ? QStringLiteral("NULL") : query.AsText(column));
        return values;
    }
};

TEST_F(AccessTest, ReadsTheColumnTypesAndComparesTextWithoutLetterCase)
{
    const auto database = Open("testV1997.mdb");
    TQuery query(*database);
    query.Open({ QStringLiteral("SELECT * FROM Table1 ORDER BY C DESC") });
    ASSERT_FALSE(query.Eof());
    EXPECT_EQ(query.AsText(QStringLiteral("A")), QStringLiteral("abcdefg"));
    EXPECT_EQ(query.AsInteger(QStringLiteral("D")), 222);
    EXPECT_EQ(query.AsInteger(QStringLiteral("e")), 333333333);   // column names without letter case
    EXPECT_DOUBLE_EQ(query.AsFloat(QStringLiteral("F")), 444.555);
    EXPECT_EQ(query.AsInteger(QStringLiteral("H")), 4);             // 3.5 rounded
    EXPECT_EQ(query.AsText(QStringLiteral("G")), QStringLiteral("1974-09-21 00:00:00"));
    EXPECT_EQ(query.AsInteger(QStringLiteral("I")), 1);             // a yes/no column
    query.Next();
    query.Next();
    EXPECT_TRUE(query.Eof());
    EXPECT_THROW(query.AsText(QStringLiteral("A")), TDatabaseError);
}

TEST_F(AccessTest, ReadsNullsMemosSpecialCharactersAndUnicode)
{
    const auto database = Open("test2V2000.mdb");
    TQuery query(*database);
    query.Open({ QStringLiteral("SELECT * FROM MSP_PROJECTS") });
    ASSERT_FALSE(query.Eof());
    EXPECT_TRUE(query.IsNull(QStringLiteral("PROJ_PROP_CATEGORY")));
    EXPECT_EQ(query.AsText(QStringLiteral("PROJ_PROP_CATEGORY")), QString());
    EXPECT_EQ(query.AsInteger(QStringLiteral("PROJ_PROP_CATEGORY")), 0);
    const QString memo = query.AsText(QStringLiteral("PROJ_PROP_AUTHOR"));
    EXPECT_EQ(memo.size(), 348);   // longer than any text column: read whole
    EXPECT_TRUE(memo.startsWith(QStringLiteral("Jon Iles")));
    EXPECT_TRUE(memo.endsWith(QStringLiteral("dlkfslkd jflksjadf as")));
    EXPECT_EQ(query.AsText(QStringLiteral("PROJ_OPT_CURRENCY_SYMBOL")), QStringLiteral("\u00a3"));
    // Text beyond Latin-1.
    const QStringList values = Column(*Open("testUnicodeCompV2003.mdb"), QStringLiteral("SELECT Unicode FROM \"Table\" ORDER BY ID"),
                                      QStringLiteral("Unicode"));
    ASSERT_EQ(values.size(), 8);
    EXPECT_EQ(values[1], QStringLiteral("\u00e4\u00e4kk\u00f6si\u00e4"));
    EXPECT_EQ(values[2], QStringLiteral("\u041c\u0438\u0440"));
    EXPECT_EQ(values[4], QStringLiteral("\u6f22\u5b57\u4eee\u540d\u4ea4\u3058\u308a\u6587"));
    EXPECT_EQ(values[7].size(), 255);   // every character from 1 up
}

// Every user table, and not Access's own, is copied whole into SQLite, whose
// queries then run on them: joins, and text compared without letter case, as in Access.
TEST_F(AccessTest, QueriesRunInSQLiteOnTheCopiedTables)
{
    const QString join = QStringLiteral("SELECT Table1.data || '/' || Table2.data || '/' || Table3.data AS v"
                                        " FROM (Table1 INNER JOIN Table2 ON Table1.otherfk1 = Table2.id)"
                                        " INNER JOIN Table3 ON Table1.otherfk2 = Table3.id ORDER BY Table1.id");
    const QStringList joined = { "baz0/foo0/bar10", "baz11/foo1/bar11", "baz11-2/foo1/bar11", "baz13/foo2/bar13" };
    const QString tables = QStringLiteral("SELECT name AS v FROM sqlite_master WHERE type='table' ORDER BY name");
    const struct { const char* file; QString sql; QStringList values; } queries[] = {
        { "testV1997.mdb", QStringLiteral("SELECT count(*) AS v FROM Table2"), { "0" } },   // empty tables too
        { "testV1997.mdb", QStringLiteral("SELECT B AS v FROM Table1 WHERE A='ABCDEFG'"), { "hijklmnop" } },
        { "indexTestV1997.mdb", join, joined },
        { "indexTestV2000.mdb", join, joined },
        { "indexTestV1997.mdb", tables, { "Table1", "Table2", "Table3" } },
        { "indexTestV2000.mdb", tables, { "Table1", "Table2", "Table3" } },
        { "fixedTextTestV2000.mdb", QStringLiteral("SELECT c_user_login AS v FROM users ORDER BY i_user_id"), { "CORE USER", "admin" } },
    };
    for (const auto& q : queries)
        EXPECT_EQ(Column(*Open(q.file), q.sql, QStringLiteral("v")), q.values) << q.file << ' ' << q.sql.toStdString();
    // A database without the case's tables fails clearly.
    const auto empty = Open("emptyJet4.mdb");
    TQuery query(*empty);
    EXPECT_THROW(query.Open({ QStringLiteral("SELECT Name FROM \"Case\"") }), TDatabaseError);
}

TEST_F(AccessTest, TruncatedFilesGiveAnErrorOrWhatCanBeRead)
{
    const QByteArray bytes = ReadBytes(Folder + QStringLiteral("test2V2000.mdb"));
    ASSERT_FALSE(bytes.isEmpty());
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("cut.mdb"));
    for (const qsizetype size : { 0, 2048, 4096, 20000, 60000, 100000 }) {
        WriteBytes(path, bytes.left(size));
        try {
            TDatabase::Open(path);
        } catch (const TDatabaseError& error) {
            EXPECT_TRUE(error.Message.contains(path)) << size;
        }
    }
}

} // namespace
