#pragma once

#include "import/olddatabasebuilder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

/// Fills a database of the old layout from arbitrary bytes, for the fuzzer and
/// the randomized test: one case "F" (key 1), then rows, each a table chosen by
/// one byte and a value per column chosen by the bytes that follow: NULL, a
/// small key (so that rows find each other), any integer, a real or a text.
inline void FillFromBytes(TOldDatabaseBuilder& db, const QByteArray& bytes)
{
    static const QStringList tables = TOldDatabaseBuilder::Tables();
    db.Insert(QStringLiteral("Case"), { { "CaseID", 1 }, { "Name", "F" } });
    qsizetype at = 0;
    const auto next = [&]() -> int { return at < bytes.size() ? quint8(bytes[at++]) : 0; };
    while (at < bytes.size()) {
        const QString table = tables[next() % tables.size()];
        TOldDatabaseBuilder::TRow row;
        for (const QString& column : db.Columns(table)) {
            const int kind = next();
            switch (kind % 6) {
            case 0: row.push_back({ column, QVariant() }); break;
            case 1: row.push_back({ column, column == QLatin1String("CaseID") ? 1 : kind / 6 % 8 }); break;
            case 2: row.push_back({ column, qint64(next() - 128) * (1LL << (next() % 40)) }); break;
            case 3: row.push_back({ column, (next() - 128) / 3.0 }); break;
            case 4: {
                const int length = next() % 24;
                const QByteArray text = bytes.mid(at, length);
                at += length;
                row.push_back({ column, QString::fromUtf8(text) });
                break;
            }
            default: row.push_back({ column, kind / 6 % 4 }); break;
            }
        }
        db.Insert(table, row);
    }
}
