#include "storage/filebuffer.h"

#include "model/messages.h"
#include "storage/storageerror.h"

#include <algorithm>
#include <cstring>

QString AsciiLower(const QString& text)
{
    QString lower = text;
    for (QChar& ch : lower)
        if (ch.unicode() >= 'A' && ch.unicode() <= 'Z')
            ch = QChar(ch.unicode() + ('a' - 'A'));
    return lower;
}

bool MarkerAfterBlanks(const QString& lower, qsizetype from, const QString& marker)
{
    while (from < lower.size() && (lower.at(from) == QLatin1Char(' ') || lower.at(from) == QLatin1Char('\t')))
        ++from;
    return QStringView(lower).sliced(from).startsWith(marker);
}

bool TFileBuffer::Open(const QString& path)
{
    Close();
    FilePath = path;
    Error = false;
    File.setFileName(path);
    if (!File.open(QIODevice::ReadOnly)) {
        ShowError(QStringLiteral("Could not open file\r\"") + path + QStringLiteral("\""));
        Error = true;
        return false;
    }
    Size = File.size();
    Data = Size > 0 ? reinterpret_cast<const char*>(File.map(0, Size)) : nullptr;
    if (!Data) {
        Bytes = File.readAll();
        Data = Bytes.constData();
        Size = Bytes.size();
    }
    const QByteArrayView page = Decoder.Prepare(QByteArrayView(Data, Size));
    Position = page.data() - Data;
    return true;
}

void TFileBuffer::Close()
{
    File.close();   // also unmaps
    Bytes.clear();
    Data = nullptr;
    Size = Position = 0;
    Text.clear();
    Lower.clear();
    Start = 0;
}

QString TFileBuffer::ReadLine()
{
    if (AtEnd())
        return QString();
    const char* begin = Data + Position;
    const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', size_t(Size - Position)));
    const qint64 length = cr ? cr - begin : Size - Position;
    Position += length;
    if (cr) {
        ++Position;
        if (Position < Size && Data[Position] == '\n')
            ++Position;
    }
    return Decoder.Decode(QByteArrayView(begin, length));
}

void TFileBuffer::Append()
{
    const QString line = QLatin1Char('\r') + ReadLine();
    Text += line;
    Lower += AsciiLower(line);
}

qsizetype TFileBuffer::Find(const QString& marker, qsizetype from)
{
    for (;;) {
        const qsizetype at = Lower.indexOf(marker, from);
        if (at >= 0 || AtEnd())
            return at;
        // Only a marker that straddles the old end can start before it.
        from = std::max(from, Lower.size() - marker.size() + 1);
        Append();
    }
}

void TFileBuffer::Consume(qsizetype upTo)
{
    Start = upTo;
    // Drop consumed text once it is most of the buffer, so the buffer stays small.
    if (Start > 4096 && Start * 2 > Text.size()) {
        Text.remove(0, Start);
        Lower.remove(0, Start);
        Start = 0;
    }
}

bool TFileBuffer::FindFirstOf(const QString& a, const QString& b)
{
    qsizetype from = Start;
    for (;;) {
        const qsizetype atA = Lower.indexOf(a, from);
        const qsizetype atB = Lower.indexOf(b, from);
        if (atA >= 0 || atB >= 0)
            return atA >= 0 && (atB < 0 || atA < atB);
        if (AtEnd())
            return false;
        from = std::max(from, Lower.size() - std::max(a.size(), b.size()) + 1);
        Append();
    }
}

QString TFileBuffer::ReadUntil(const QString& marker)
{
    const qsizetype at = Find(marker, Start);
    if (at < 0)
        Missing(marker);
    const QString before = Text.mid(Start, at - Start);
    Consume(at + marker.size());
    return before;
}

void TFileBuffer::SkipPast(const QString& marker)
{
    qsizetype at = Lower.indexOf(marker, Start);
    while (at < 0 && !AtEnd()) {
        Text = ReadLine();
        Lower = AsciiLower(Text);
        Start = 0;
        at = Lower.indexOf(marker);
    }
    if (at < 0) {
        Text.clear();
        Lower.clear();
        Start = 0;
        Missing(marker);
    }
    Consume(at + marker.size());
}

bool TFileBuffer::NextOnLine(const QString& marker) const { return MarkerAfterBlanks(Lower, Start, marker); }

void TFileBuffer::Missing(const QString& marker)
{
    Error = true;
    throw TStorageError{ QStringLiteral("EOF while looking for \"") + marker + QStringLiteral("\"") };
}
