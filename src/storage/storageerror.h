#pragma once

#include <QString>

/// Where the reading is: "ORVEL case.htm, line 12: ", or empty text when no
/// page is being read.
QString ReadingPlace();

/// A fault while reading or writing a case folder. Thrown inside the reader and
/// the writer and caught at their entry points, which show Message as one error.
/// Raised while a page is read, the message starts with the page and the line.
struct TStorageError
{
    TStorageError(const QString& message) : Message(ReadingPlace() + message) {}
    QString Message;
};

/// Errors and warnings about what a page holds, named by page and line.
void ShowReadError(const QString& message);
void ShowReadWarning(const QString& message);
