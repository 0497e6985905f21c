#pragma once

#include <QString>

/// A fault while reading or writing a case folder. Thrown inside the reader and
/// the writer and caught at their entry points, which show Message as one error.
struct TStorageError
{
    QString Message;
};
