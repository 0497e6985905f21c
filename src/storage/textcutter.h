#pragma once

#include <QString>

class TFileBuffer;

/// Walks through a section of a page cut out as one text, as CutToken does but
/// without copying the rest at every cut: each cut moves a position forward.
/// Markers are given in lower case and match regardless of letter case.
/// Given the page it was cut from and the line where it starts, the cutter
/// lets errors raised while it lives name the line it has reached.
class TTextCutter
{
public:
    explicit TTextCutter(const QString& text, const TFileBuffer* page = nullptr, int firstLine = 0);
    ~TTextCutter();
    TTextCutter(const TTextCutter&) = delete;
    TTextCutter& operator=(const TTextCutter&) = delete;

    /// The text before the marker; the position moves past it. Without the
    /// marker: the whole rest, and the position stays.
    QString Cut(const QString& marker);
    /// Where the marker next occurs, -1 when it does not.
    qsizetype IndexOf(const QString& marker) const;
    bool Contains(const QString& marker) const { return IndexOf(marker) >= 0; }
    /// True when the marker occurs before `other`, or `other` does not occur.
    bool ComesFirst(const QString& marker, const QString& other) const;
    /// True when the rest of the current line starts with the marker (after blanks).
    bool NextOnLine(const QString& marker) const;
    QString Rest() const { return Text.mid(Position); }
    /// "ORVEL case.htm, line 12: " at the position reached; empty without a page.
    QString Place() const;
    /// The cutter with a page that was made last and still lives, if any.
    static const TTextCutter* Active() { return ActiveSection(); }

private:
    static const TTextCutter*& ActiveSection();

    QString Text;
    QString Lower;
    qsizetype Position = 0;
    const TFileBuffer* Page;
    int FirstLine;
    const TTextCutter* Outer;
};
