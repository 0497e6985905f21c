#pragma once
// What the core test programs share besides fixtures: kept files and the
// texts they are compared with.

#include "design/design.h"
#include "design/evaluation.h"
#include "model/case.h"
#include "model/helpers.h"
#include "support/pagefiles.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

/// Folder of small test files kept with the tests.
inline QString TestDataPath(const QString& name)
{
    return QStringLiteral(ORVEL_TEST_DATA "/") + name;
}

/// Expected texts are written with "."; the locale's separator replaces it.
inline QString Local(QString text)
{
    return text.replace(QLatin1Char('.'), DecimalSeparator());
}

/// The names of a list's items, in its order.
template <class List>
QStringList NamesOf(const List& list)
{
    QStringList names;
    for (const auto* item : list)
        names << item->Name;
    return names;
}

/// Every value of every design, object by object, as the user reads them.
inline QStringList AllValues(const TCase& aCase)
{
    const TEvaluation pass;
    QStringList values;
    for (const TDesign* design : aCase.Designs) {
        for (const TVariable* variable : aCase.Variables)
            values << design->Name + QLatin1Char(':') + variable->Name + QLatin1Char('=')
                          + QString::number(DesignValue(*design, *variable));
        design->ForEachObject([&](TDesignObject* object) {
            QStringList attributes;
            for (const auto& attribute : object->Attributes)
                attributes << object->Name + QLatin1Char(':') + attribute->Variable->Name + QLatin1Char('=')
                                  + ResultText(Compute(*attribute)) + QStringLiteral(" (%1)").arg(attribute->Calculations.size());
            attributes.sort();
            values << attributes;
        });
    }
    return values;
}

/// Compares rows with a kept expected file of one row a line (a byte order
/// mark and line ends of either kind allowed), row by row. In the file "{.}"
/// stands for the locale's decimal separator, and a row ending in "*" fixes
/// only how the row starts (a page's generator comment carries the date).
inline void ExpectRows(const QStringList& rows, const QString& expectedFile)
{
    QFile file(TestDataPath(expectedFile));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << expectedFile.toStdString();
    QString text = QString::fromUtf8(file.readAll()).replace(QStringLiteral("{.}"), DecimalSeparator());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList expected = text.remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    if (expected.last().isEmpty())
        expected.removeLast();
    for (qsizetype i = 0; i < std::max(rows.size(), expected.size()); ++i) {
        const QString want = expected.value(i);
        if (!want.endsWith(QLatin1Char('*')) || !rows.value(i).startsWith(want.chopped(1))) {
            EXPECT_EQ(rows.value(i), want) << expectedFile.toStdString() << " line " << i + 1;
        }
    }
}
