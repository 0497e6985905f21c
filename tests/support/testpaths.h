#pragma once

#include <QString>

/// Folder of small test files kept with the tests.
inline QString TestDataPath(const QString& name)
{
    return QStringLiteral(ORVEL_TEST_DATA "/") + name;
}
