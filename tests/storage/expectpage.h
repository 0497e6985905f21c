#pragma once

#include "model/helpers.h"
#include "support/testpaths.h"
#include "samplecase.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

/// The messages with the page and line that reading messages start with taken
/// out, after checking that each names a page and a line.
inline QStringList WithoutPlace(QStringList messages)
{
    static const QRegularExpression place(QStringLiteral("^((?:warning|error): )?ORVEL [^,]+\\.htm, line [1-9][0-9]*: "));
    for (QString& message : messages) {
        EXPECT_TRUE(place.match(message).hasMatch()) << message.toStdString();
        message.replace(place, QStringLiteral("\\1"));
    }
    return messages;
}

// Expected pages are kept as plain lines; a line ending in "*" only fixes its start
// (the generator comment carries the date and time), and "{.}" stands for the
// locale's decimal separator.
inline void ExpectPage(const QString& written, const QString& expectedFile)
{
    QString expected = QString::fromUtf8(ReadBytes(TestDataPath(QStringLiteral("casefolder/") + expectedFile)));
    expected.replace(QStringLiteral("{.}"), DecimalSeparator());
    QStringList want = expected.split(QLatin1Char('\n'));
    if (want.last().isEmpty())
        want.removeLast();
    const QStringList got = ReadPageLines(written);
    ASSERT_EQ(got.size(), want.size()) << expectedFile.toStdString();
    for (qsizetype i = 0; i < want.size(); ++i) {
        if (want[i].endsWith(QLatin1Char('*')))
            EXPECT_TRUE(got[i].startsWith(want[i].chopped(1))) << "line " << i + 1 << ": " << got[i].toStdString();
        else
            EXPECT_EQ(got[i], want[i]) << expectedFile.toStdString() << " line " << i + 1;
    }
}
