#pragma once

#include <QStringList>

/// Root of every model item: a free-text comment and the identifier the
/// database import gives it (0 otherwise).
class TNameless
{
public:
    TNameless() = default;
    virtual ~TNameless() = default;
    TNameless(const TNameless&) = delete;
    TNameless& operator=(const TNameless&) = delete;

    QStringList Comments;

    /// The comment as one text, its lines joined by line breaks.
    QString CommentText() const { return Comments.join(QLatin1Char('\n')); }
    /// Stores a typed comment: trimmed, one entry per line. Windows call it
    /// inside an edit, which marks the case changed.
    void SetCommentText(const QString& text)
    {
        const QString trimmed = text.trimmed();
        Comments = trimmed.isEmpty() ? QStringList() : trimmed.split(QLatin1Char('\n'));
    }
    qint32 ID = 0;
};
