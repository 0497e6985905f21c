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
    qint32 ID = 0;
};
