#pragma once

#include <QByteArrayView>
#include <QString>

/// How the bytes of a page become text. Pages are UTF-8 after a byte order
/// mark; pages written on Windows in its code page are not valid UTF-8 and are
/// read as Windows-1252 instead. The choice is made once for the whole page.
class TPageDecoder
{
public:
    /// Looks at the whole page; returns the bytes after a byte order mark.
    QByteArrayView Prepare(QByteArrayView page);
    QString Decode(QByteArrayView bytes) const;

private:
    bool Utf8 = true;
};

bool IsValidUtf8(QByteArrayView bytes);
QString FromWindows1252(QByteArrayView bytes);

/// The text's lines, split at CR LF, CR or LF.
QStringList SplitLines(const QString& text);
/// The page's text decoded as above, split into lines at any line break.
QStringList PageLines(QByteArrayView page);
