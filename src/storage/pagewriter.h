#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QStringList>
#include <memory>

struct z_stream_s;

/// Writes one page of a case folder line by line: UTF-8 after a byte order mark,
/// CR LF after every line. Compressed pages go through zlib (level 9, one zlib
/// stream of the page's exact bytes). The page is written to a temporary file
/// and replaces the old one only on Commit, so a failed save leaves the old page.
/// Faults throw TStorageError.
class TPageWriter
{
public:
    TPageWriter(const QString& path, bool compressed);
    ~TPageWriter();
    TPageWriter(const TPageWriter&) = delete;
    TPageWriter& operator=(const TPageWriter&) = delete;

    void Line(const QString& line);
    void Lines(const QStringList& lines);
    /// Writes what is left and puts the page in place.
    void Commit();

private:
    void Flush(bool last);
    void WriteOut(const char* data, qint64 size);
    [[noreturn]] void Fail();

    QSaveFile File;
    QByteArray Pending;
    std::unique_ptr<z_stream_s> Deflater;   // set for compressed pages
};

/// Writes a whole small file (an icon) through a temporary file as pages are,
/// but without waiting for the disk: icons are drawn again at every save. A file
/// that already holds exactly these bytes is left alone.
void WriteFileSafely(const QString& path, const QByteArray& bytes);
