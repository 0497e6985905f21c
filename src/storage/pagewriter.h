#pragma once

#include "storage/fileoutput.h"

#include <QByteArray>
#include <QStringList>
#include <memory>

struct z_stream_s;

/// Writes one page of a case folder line by line: UTF-8 after a byte order mark,
/// CR LF after every line. Compressed pages go through zlib (level 9, one zlib
/// stream of the page's exact bytes). The page replaces the old one only on
/// Commit (see TFileOutput), so a failed write leaves the old page. Faults throw
/// TStorageError.
class TPageWriter
{
public:
    TPageWriter(const QString& path, bool compressed, TWriteMode mode = TWriteMode::Replace);
    ~TPageWriter();
    TPageWriter(const TPageWriter&) = delete;
    TPageWriter& operator=(const TPageWriter&) = delete;

    void Line(const QString& line);
    void Lines(const QStringList& lines);
    /// Writes what is left and puts the page in place.
    void Commit();

private:
    void Flush(bool last);

    TFileOutput File;
    QByteArray Pending;
    std::unique_ptr<z_stream_s> Deflater;   // set for compressed pages
};
