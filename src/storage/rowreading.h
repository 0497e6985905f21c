#pragma once

#include "storage/storageerror.h"

#include <QStringList>

class TFileBuffer;
class TNameless;
class TTextCutter;

/// The start of a comment row, which follows its item's row on the same line.
inline const QString CommentMarker = QStringLiteral("<tr class=cmnt><td></td><td>");
inline const QString RowEnd = QStringLiteral("</td></tr>");

/// A whole number as written in a page; anything else stops the reading.
int ToInt(const QString& text);
/// A measured value; anything that is not a number stops the reading.
double ToValue(const QString& text);

/// The text before the marker, a name or a formula as the page holds it
/// (escaped) given back as it was typed.
QString ReadText(TFileBuffer& buffer, const QString& marker);
QString CutText(TTextCutter& text, const QString& marker);

/// Comment text as written (trimmed, escaped) back into its lines.
QStringList CommentLines(const QString& text);
/// Reads the comment row that stands right after the row just read, if any.
void ReadComment(TFileBuffer& buffer, TNameless& item);
void CutComment(TTextCutter& text, TNameless& item);

/// The item at `index` of a list, or a stop with "`what` index N out of range".
template <class List>
auto ItemAt(const List& list, int index, const QString& what)
{
    if (index < 0 || index >= list.Count())
        throw TStorageError{ what + QStringLiteral(" index %1 out of range").arg(index) };
    return list.At(index);
}
