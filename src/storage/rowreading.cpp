#include "storage/rowreading.h"

#include "model/helpers.h"
#include "model/nameless.h"
#include "storage/filebuffer.h"
#include "storage/pagetext.h"
#include "storage/textcutter.h"

int ToInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw TStorageError{ QStringLiteral("\"") + text.trimmed() + QStringLiteral("\" is not a valid integer value") };
    return value;
}

double ToValue(const QString& text)
{
    double value = 0;
    if (!TryParseValue(text, value))
        throw TStorageError{ QStringLiteral("\"") + text.trimmed() + QStringLiteral("\" is not a valid number") };
    return value;
}

QString ReadText(TFileBuffer& buffer, const QString& marker) { return FromPageText(buffer.ReadUntil(marker)); }

QString CutText(TTextCutter& text, const QString& marker) { return FromPageText(text.Cut(marker)); }

QStringList CommentLines(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    QStringList lines = SplitLines(trimmed);
    for (QString& line : lines)
        line = FromPageText(line);
    return lines;
}

void ReadComment(TFileBuffer& buffer, TNameless& item)
{
    if (!buffer.NextOnLine(CommentMarker))
        return;
    buffer.SkipPast(CommentMarker);
    item.Comments = CommentLines(buffer.ReadUntil(RowEnd));
}

void CutComment(TTextCutter& text, TNameless& item)
{
    if (!text.NextOnLine(CommentMarker))
        return;
    text.Cut(CommentMarker);
    item.Comments = CommentLines(text.Cut(RowEnd));
}
