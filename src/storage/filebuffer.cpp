#include "storage/filebuffer.h"

#include "model/messages.h"
#include "storage/rowreading.h"
#include "storage/storageerror.h"
#include "storage/textcutter.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const TFileBuffer*& OpenPage()
{
    static thread_local const TFileBuffer* page = nullptr;
    return page;
}

const QString TableEnd = QStringLiteral("</table>");

} // namespace

QString ReadingPlace()
{
    if (const TTextCutter* section = TTextCutter::Active())
        return section->Place();
    return OpenPage() ? OpenPage()->Place() : QString();
}

void ShowReadError(const QString& message) { ShowError(ReadingPlace() + message); }
void ShowReadWarning(const QString& message) { ShowWarning(ReadingPlace() + message); }

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

bool TFileBuffer::Open(const QString& path, const QString& name)
{
    Close();
    FilePath = path;
    Name = name.isEmpty() ? path : name;
    File.setFileName(path);
    // Only a regular file is a page: a pipe or a device would never end.
    if (!QFileInfo(path).isFile() || !File.open(QIODevice::ReadOnly)) {
        ShowError(QStringLiteral("Could not open file\r\"") + path + QStringLiteral("\""));
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
    OpenPage() = this;
    return true;
}

void TFileBuffer::Close()
{
    if (OpenPage() == this)
        OpenPage() = nullptr;
    TextLine = LinesRead = 0;
    File.close();   // also unmaps
    Bytes.clear();
    Data = nullptr;
    Size = Position = 0;
    Text.clear();
    Lower.clear();
    Start = 0;
    ForgetCount();
}

QString TFileBuffer::ReadLine()
{
    if (AtEnd())
        return QString();
    // Lines end in CR LF as written, or in a bare LF where a page passed
    // through a tool that changed its line ends.
    const char* begin = Data + Position;
    const char* end = Data + Size;
    const char* lineEnd = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
    const qint64 length = lineEnd - begin;
    Position += length;
    if (lineEnd != end) {
        ++Position;
        if (*lineEnd == '\r' && Position < Size && Data[Position] == '\n')
            ++Position;
    }
    ++LinesRead;
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
        TextLine = LineAt(Start);
        Text.remove(0, Start);
        Lower.remove(0, Start);
        Start = 0;
        ForgetCount();
    }
}

bool TFileBuffer::FindFirstOf(const QString& a, const QString& b)
{
    qsizetype from = Start;
    for (;;) {
        // `b` matters only if it starts no later than `a`: no need to look further.
        const qsizetype atA = Lower.indexOf(a, from);
        const qsizetype bEnd = atA >= 0 ? std::min(Lower.size(), atA + b.size()) : Lower.size();
        const qsizetype atB = QStringView(Lower).first(bEnd).indexOf(b, from);
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
    const int from = Line();
    qsizetype at = Lower.indexOf(marker, Start);
    while (at < 0 && !AtEnd()) {
        Text = ReadLine();
        TextLine = LinesRead;
        ForgetCount();
        Lower = AsciiLower(Text);
        Start = 0;
        at = Lower.indexOf(marker);
    }
    if (at < 0) {
        Text.clear();
        Lower.clear();
        Start = 0;
        ForgetCount();
        TextLine = from;   // the error names the line where the search began
        Missing(marker);
    }
    Consume(at + marker.size());
}

bool TFileBuffer::NextOnLine(const QString& marker) const { return MarkerAfterBlanks(Lower, Start, marker); }

void TFileBuffer::Missing(const QString& marker)
{
    throw TStorageError{ QStringLiteral("EOF while looking for \"") + marker + QStringLiteral("\"") };
}

int TFileBuffer::LineAt(qsizetype position) const
{
    // The positions asked for mostly grow: count only the breaks since the last one.
    position = std::min(position, Text.size());
    if (position < CountedTo)
        ForgetCount();
    CountedBreaks += int(QStringView(Text).sliced(CountedTo, position - CountedTo).count(QLatin1Char('\r')));
    CountedTo = position;
    return TextLine + CountedBreaks;
}

QString TFileBuffer::Place(int line) const
{
    return Name + QStringLiteral(", line %1: ").arg(line > 0 ? line : std::max(Line(), 1));
}

int TFileBuffer::ReadCount()
{
    SkipPast(QStringLiteral("<table class=c"));
    const int count = ToInt(ReadUntil(QStringLiteral(">")));
    if (count < 0)
        throw TStorageError{ QStringLiteral("Negative count %1").arg(count) };
    return count;
}

bool TFileBuffer::RowFollows(const QString& rowMarker) { return FindFirstOf(rowMarker, TableEnd); }

void TFileBuffer::CountMismatch(int count)
{
    throw TStorageError{ QStringLiteral("The count %1 does not match the rows of its table").arg(count) };
}
