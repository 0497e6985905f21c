#include "storage/textcutter.h"

#include "storage/filebuffer.h"

TTextCutter::TTextCutter(const QString& text) : Text(text), Lower(AsciiLower(text)) {}

qsizetype TTextCutter::IndexOf(const QString& marker) const { return Lower.indexOf(marker, Position); }

QString TTextCutter::Cut(const QString& marker)
{
    const qsizetype at = IndexOf(marker);
    if (at < 0)
        return Rest();
    const QString before = Text.mid(Position, at - Position);
    Position = at + marker.size();
    return before;
}

bool TTextCutter::ComesFirst(const QString& marker, const QString& other) const
{
    const qsizetype at = IndexOf(marker);
    const qsizetype otherAt = IndexOf(other);
    return at >= 0 && (otherAt < 0 || at < otherAt);
}

bool TTextCutter::NextOnLine(const QString& marker) const { return MarkerAfterBlanks(Lower, Position, marker); }
