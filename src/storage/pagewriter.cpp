#include "storage/pagewriter.h"

#include "storage/storageerror.h"

#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <zlib.h>

namespace {

// Pages are handed to the file (or the compressor) in pieces of this size.
constexpr qsizetype FlushSize = 256 * 1024;

TStorageError WriteError(const QString& path, const QString& reason)
{
    return { QStringLiteral("Could not write file\r\"") + path + QStringLiteral("\"\r") + reason };
}

} // namespace

TPageWriter::TPageWriter(const QString& path, bool compressed) : File(path)
{
    if (!File.open(QIODevice::WriteOnly))
        Fail();
    if (compressed) {
        Deflater = std::make_unique<z_stream_s>();
        if (deflateInit(Deflater.get(), 9) != Z_OK) {
            Deflater.reset();
            throw WriteError(path, QStringLiteral("The compressor could not start"));
        }
    }
    Pending.reserve(FlushSize + 4096);
    Pending.append("\xEF\xBB\xBF");
}

TPageWriter::~TPageWriter()
{
    if (Deflater)
        deflateEnd(Deflater.get());
    // Without Commit the temporary file is discarded and the old page stays.
}

void TPageWriter::Line(const QString& line)
{
    Pending.append(line.toUtf8());
    Pending.append("\r\n");
    if (Pending.size() >= FlushSize)
        Flush(false);
}

void TPageWriter::Lines(const QStringList& lines)
{
    for (const QString& line : lines)
        Line(line);
}

void TPageWriter::Commit()
{
    Flush(true);
    if (!File.commit())
        Fail();
}

void TPageWriter::Flush(bool last)
{
    if (!Deflater) {
        WriteOut(Pending.constData(), Pending.size());
        Pending.clear();
        return;
    }
    char out[64 * 1024];
    Deflater->next_in = reinterpret_cast<Bytef*>(Pending.data());
    Deflater->avail_in = uInt(Pending.size());
    int result = Z_OK;
    do {
        Deflater->next_out = reinterpret_cast<Bytef*>(out);
        Deflater->avail_out = sizeof out;
        result = deflate(Deflater.get(), last ? Z_FINISH : Z_NO_FLUSH);
        if (result == Z_STREAM_ERROR)
            throw WriteError(File.fileName(), QStringLiteral("The compressor failed"));
        WriteOut(out, qint64(sizeof out - Deflater->avail_out));
    } while (Deflater->avail_out == 0 || (last && result != Z_STREAM_END));
    Pending.clear();
}

void TPageWriter::WriteOut(const char* data, qint64 size)
{
    if (size > 0 && File.write(data, size) != size)
        Fail();
}

void TPageWriter::Fail()
{
    const QString reason = File.errorString();
    File.cancelWriting();
    throw WriteError(File.fileName(), reason);
}

void WriteFileSafely(const QString& path, const QByteArray& bytes)
{
    QFile old(path);
    if (old.size() == bytes.size() && old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return;
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        throw WriteError(path, file.errorString());
    file.close();
    // A temporary file is private to its owner; an icon is as readable as a page.
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup
                        | QFile::ReadOther);
    // rename() replaces the old file in one step, so no half-written icon is ever seen.
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw WriteError(path, QString::fromLocal8Bit(std::strerror(errno)));
    file.setAutoRemove(false);
}
