#pragma once

#include <QString>

struct sqlite3;

/// Copies every user table of the Access file into the (empty) SQLite
/// database: text and memo columns as TEXT COLLATE NOCASE, whole; numbers as
/// INTEGER or REAL; NULL stays NULL. Throws TDatabaseError when libmdb cannot
/// read the file.
void ReadAccessFile(const QString& path, sqlite3* target);
