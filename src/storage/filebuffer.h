#pragma once

#include "storage/pagetext.h"

#include <QByteArray>
#include <QFile>
#include <QString>

/// Reads a page piecewise by searching for marker texts. Markers are given in
/// lower case and match regardless of letter case. Each search goes on where
/// the last one stopped, so no text is scanned twice: reading stays linear.
/// A marker that is missing up to the end of the page throws TStorageError
/// "EOF while looking for ..." after setting the error flag. While a page is
/// open, every TStorageError raised names it and the line being read.
class TFileBuffer
{
public:
    TFileBuffer() = default;
    ~TFileBuffer() { Close(); }
    TFileBuffer(const TFileBuffer&) = delete;
    TFileBuffer& operator=(const TFileBuffer&) = delete;

    /// Opens the page and clears the error flag. Missing or unreadable: shows
    /// "Could not open file", sets the flag and answers false. `name` is how
    /// messages name the page (its file name in the case folder).
    bool Open(const QString& path, const QString& name = QString());
    void Close();

    /// The next line: up to a CR, which is dropped with the LF that follows it
    /// (a CR without LF is a line break of its own).
    QString ReadLine();
    /// True when `a` occurs before `b`, or `a` occurs and `b` does not, reading
    /// on until one of them is found. Consumes nothing.
    bool FindFirstOf(const QString& a, const QString& b);
    /// The text before the marker; the marker is consumed, what follows it stays.
    QString ReadUntil(const QString& marker);
    /// Drops everything up to and including the marker. Whole lines are
    /// skipped, so here a marker never spans two lines.
    void SkipPast(const QString& marker);
    /// True when the unread rest of the current line starts with `marker`
    /// (after blanks): a row's comment must stand right after the row.
    bool NextOnLine(const QString& marker) const;

    /// Reads a table: its count, then `readRow` once per row, each row found
    /// by `rowMarker` before the table's end, which is then consumed. A negative
    /// count, or a count that does not match the rows, stops the reading.
    template <class ReadRow>
    void ReadTable(const QString& rowMarker, ReadRow readRow);

    bool AtEnd() const { return Position >= Size; }
    const QString& Path() const { return FilePath; }
    /// The line that the reading has reached (1 is the first).
    int Line() const { return LineAt(Start); }
    /// "ORVEL case.htm, line 12: " for the current line, or `line` when given.
    QString Place(int line = 0) const;

private:
    int ReadCount();
    bool RowFollows(const QString& rowMarker);
    [[noreturn]] void CountMismatch(int count);
    int LineAt(qsizetype position) const;
    // The position of the marker in Text at or after `from`, appending lines
    // until it is found or the page ends (-1).
    qsizetype Find(const QString& marker, qsizetype from);
    void Append();
    void Consume(qsizetype upTo);
    [[noreturn]] void Missing(const QString& marker);

    QString FilePath;
    QString Name;
    QFile File;
    QByteArray Bytes;          // the page, when it could not be mapped
    const char* Data = nullptr;
    qint64 Size = 0;
    qint64 Position = 0;
    TPageDecoder Decoder;
    QString Text;              // read, partly consumed
    QString Lower;             // Text with ASCII letters in lower case, for the searches
    qsizetype Start = 0;       // where the unconsumed text begins
    int TextLine = 0;          // the line at the start of Text
    mutable qsizetype CountedTo = 0;   // line breaks in Text before this position...
    mutable int CountedBreaks = 0;     // ...are this many
    void ForgetCount() const { CountedTo = 0; CountedBreaks = 0; }
    int LinesRead = 0;
};

template <class ReadRow>
void TFileBuffer::ReadTable(const QString& rowMarker, ReadRow readRow)
{
    const int count = ReadCount();
    for (int i = 0; i < count; ++i) {
        if (!RowFollows(rowMarker))
            CountMismatch(count);
        readRow();
    }
    if (RowFollows(rowMarker))
        CountMismatch(count);
    SkipPast(QStringLiteral("</table>"));
}


/// Lower-case ASCII letters only, so that positions stay those of the text.
QString AsciiLower(const QString& text);
/// True when `lower` holds `marker` at `from`, after blanks (not line breaks).
bool MarkerAfterBlanks(const QString& lower, qsizetype from, const QString& marker);
