#include "storage/pagewriter.h"

#include "storage/storageerror.h"

#include <zlib.h>

namespace {

// Pages are handed to the file (or the compressor) in pieces of this size.
constexpr qsizetype FlushSize = 256 * 1024;

TStorageError WriteError(const QString& path, const QString& reason) { return { WriteFailure(path, reason) }; }

} // namespace

TPageWriter::TPageWriter(const QString& path, bool compressed, TWriteMode mode) : File(path, mode)
{
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
    File.Finish();
}

void TPageWriter::Flush(bool last)
{
    if (!Deflater) {
        File.Write(Pending.constData(), Pending.size());
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
            throw WriteError(File.Path(), QStringLiteral("The compressor failed"));
        File.Write(out, qint64(sizeof out - Deflater->avail_out));
    } while (Deflater->avail_out == 0 || (last && result != Z_STREAM_END));
    Pending.clear();
}
