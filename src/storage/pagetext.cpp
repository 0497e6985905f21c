#include "storage/pagetext.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unused codes
// keep their own value, as Windows itself maps them.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int ContinuationBytes(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}

} // namespace

qsizetype Utf8SequenceLength(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.isEmpty())
        return 0;
    if (*p < 0x80)
        return 1;
    const int more = ContinuationBytes(*p);
    if (more < 0 || bytes.size() <= more)
        return 0;
    // No overlong forms, no surrogates, nothing above U+10FFFF.
    const unsigned char second = p[1];
    if ((*p == 0xE0 && second < 0xA0) || (*p == 0xED && second > 0x9F) || (*p == 0xF0 && second < 0x90)
        || (*p == 0xF4 && second > 0x8F))
        return 0;
    for (int i = 1; i <= more; ++i)
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    return more + 1;
}

bool IsValidUtf8(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        if (quint8(bytes[i]) < 0x80) {   // nearly every byte of a page
            ++i;
            continue;
        }
        const qsizetype length = Utf8SequenceLength(bytes.sliced(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

QString FromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        *out++ = QChar(c >= 0x80 && c < 0xA0 ? Cp1252High[c - 0x80] : char16_t(c));
    }
    return text;
}

QString FromMixedText(QByteArrayView bytes)
{
    if (IsValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    qsizetype plain = 0;   // start of the bytes not yet decoded
    for (qsizetype i = 0; i < bytes.size();) {
        if (quint8(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const qsizetype length = Utf8SequenceLength(bytes.sliced(i));
        text += QString::fromLatin1(bytes.sliced(plain, i - plain));
        text += length > 0 ? QString::fromUtf8(bytes.sliced(i, length)) : FromWindows1252(bytes.sliced(i, 1));
        i += std::max<qsizetype>(length, 1);
        plain = i;
    }
    return text + QString::fromLatin1(bytes.sliced(plain));
}

QByteArrayView TPageDecoder::Prepare(QByteArrayView page)
{
    if (page.startsWith("\xEF\xBB\xBF"))
        page = page.sliced(3);
    return page;
}

QString TPageDecoder::Decode(QByteArrayView bytes) const { return FromMixedText(bytes); }

QStringList SplitLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

QStringList PageLines(QByteArrayView page)
{
    TPageDecoder decoder;
    QStringList lines = SplitLines(decoder.Decode(decoder.Prepare(page)));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
