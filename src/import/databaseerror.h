#pragma once

#include <QString>

/// A fault of the database underneath the import: a file that cannot be read,
/// a query the database refuses, a column a query does not return. Thrown by
/// the database layer and caught at the import's entry points.
struct TDatabaseError
{
    QString Message;
};
