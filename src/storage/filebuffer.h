#pragma once

#include "storage/pagetext.h"

#include <QByteArray>
#include <QFile>
#include <QString>

/// Reads a page piecewise by searching for marker texts. Markers are given in
/// lower case and match regardless of letter case. Each search goes on where
/// the last one stopped, so no text is scanned twice: reading stays linear.
/// A marker that is missing up to the end of the page throws TStorageError
/// "EOF while looking for ..." after setting the error flag.
class TFileBuffer
{
public:
    /// Opens the page and clears the error flag. Missing or unreadable: shows
    /// "Could not open file", sets the flag and answers false.
    bool Open(const QString& path);
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

    bool AtEnd() const { return Position >= Size; }
    bool Failed() const { return Error; }
    const QString& Path() const { return FilePath; }

private:
    // The position of the marker in Text at or after `from`, appending lines
    // until it is found or the page ends (-1).
    qsizetype Find(const QString& marker, qsizetype from);
    void Append();
    void Consume(qsizetype upTo);
    [[noreturn]] void Missing(const QString& marker);

    QString FilePath;
    QFile File;
    QByteArray Bytes;          // the page, when it could not be mapped
    const char* Data = nullptr;
    qint64 Size = 0;
    qint64 Position = 0;
    TPageDecoder Decoder;
    QString Text;              // read, partly consumed
    QString Lower;             // Text with ASCII letters in lower case, for the searches
    qsizetype Start = 0;       // where the unconsumed text begins
    bool Error = false;
};

/// Lower-case ASCII letters only, so that positions stay those of the text.
QString AsciiLower(const QString& text);
/// True when `lower` holds `marker` at `from`, after blanks (not line breaks).
bool MarkerAfterBlanks(const QString& lower, qsizetype from, const QString& marker);
