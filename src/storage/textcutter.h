#pragma once

#include <QString>

/// Walks through a section of a page cut out as one text, as CutToken does but
/// without copying the rest at every cut: each cut moves a position forward.
/// Markers are given in lower case and match regardless of letter case.
class TTextCutter
{
public:
    explicit TTextCutter(const QString& text);

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

private:
    QString Text;
    QString Lower;
    qsizetype Position = 0;
};
