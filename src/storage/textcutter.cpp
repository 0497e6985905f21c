#include "storage/textcutter.h"

#include "storage/filebuffer.h"

const TTextCutter*& TTextCutter::ActiveSection()
{
    static thread_local const TTextCutter* active = nullptr;
    return active;
}

TTextCutter::TTextCutter(const QString& text, const TFileBuffer* page, int firstLine)
    : Text(text), Lower(AsciiLower(text)), Page(page), FirstLine(firstLine), Outer(ActiveSection())
{
    if (Page)
        ActiveSection() = this;
}

TTextCutter::~TTextCutter()
{
    if (Page)
        ActiveSection() = Outer;
}

QString TTextCutter::Place() const
{
    return Page ? Page->Place(FirstLine + int(QStringView(Text).first(Position).count(QLatin1Char('\r')))) : QString();
}

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
