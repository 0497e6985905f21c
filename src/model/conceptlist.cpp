#include "model/conceptlist.h"

#include "model/messages.h"

int CompareNames(const QString& a, const QString& b)
{
    // Only ASCII letters fold; everything else compares by its code.
    auto fold = [](char16_t c) -> char16_t { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t* pa = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* pb = reinterpret_cast<const char16_t*>(b.constData());
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i])   // the common case, without folding
            continue;
        const char16_t ca = fold(pa[i]), cb = fold(pb[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int RefuseDuplicateName()
{
    ShowWarning(QStringLiteral("Names must be unique"));
    return -1;
}
