#pragma once

#include <QByteArrayView>
#include <QString>

/// How the bytes of a page become text. Pages are UTF-8 after a byte order
/// mark; pages written on Windows are in its code page, and pages edited by
/// hand may mix the two. Valid UTF-8 sequences are read as UTF-8, every other
/// byte as Windows-1252, so neither kind of text is garbled.
class TPageDecoder
{
public:
    /// Returns the bytes after a byte order mark.
    QByteArrayView Prepare(QByteArrayView page);
    QString Decode(QByteArrayView bytes) const;
};

/// The length of the valid UTF-8 sequence that starts the bytes, 0 when none does.
qsizetype Utf8SequenceLength(QByteArrayView bytes);
bool IsValidUtf8(QByteArrayView bytes);
/// UTF-8 where the bytes are valid UTF-8, Windows-1252 for every other byte.
QString FromMixedText(QByteArrayView bytes);
QString FromWindows1252(QByteArrayView bytes);

/// The text's lines, split at CR LF, CR or LF.
QStringList SplitLines(const QString& text);
/// The page's text decoded as above, split into lines at any line break.
QStringList PageLines(QByteArrayView page);
