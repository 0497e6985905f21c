#include "model/helpers.h"

#include "model/nameless.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

QString DecimalSeparator() { return QLocale().decimalPoint(); }

namespace {

QString WithSeparator(QString text)
{
    const QString separator = DecimalSeparator();
    if (separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), separator);
    return text;
}

// "0.00E+00": two decimals and a signed exponent of at least two digits.
QString Scientific(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2E", x);
    return WithSeparator(QString::fromLatin1(buffer));
}

QString NonFinite(double x)
{
    if (std::isnan(x))
        return QStringLiteral("NAN");
    return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString IntegerText(double x)
{
    return QString::number(std::nearbyint(x), 'f', 0);
}

} // namespace

QString FormatValue(double x)
{
    if (!std::isfinite(x))
        return NonFinite(x);
    const double a = std::fabs(x);
    if (a < 1e-10)
        return QStringLiteral("0");
    if (a < 0.0005 || a > 9999)
        return Scientific(x);
    if (a > 99.95)
        return IntegerText(x);
    const double n = std::nearbyint(a);
    if (std::fabs(a - n) < 0.0005)
        return IntegerText(x);
    const int decimals = a > 9.995 ? 1 : a > 0.9995 ? 2 : 3;
    QString text = QString::number(x, 'f', decimals);
    // Trailing zeros of the decimals go, but one digit stays after the point.
    while (text.endsWith(QLatin1Char('0')) && text.at(text.size() - 2) != QLatin1Char('.'))
        text.chop(1);
    return WithSeparator(text);
}

QString FormatPercentage(double x)
{
    const QString sign = x < 0 ? QStringLiteral("-") : QString();
    const double p = std::fabs(x) * 100;
    if (p < 0.1)
        return QStringLiteral("0%");
    if (p < 0.95)
        return QStringLiteral("~0%");
    const double shown = p >= 2147483647.0 ? p : std::nearbyint(p);
    return sign + FormatValue(shown) + QStringLiteral("%");
}

bool TryParseValue(const QString& text, double& value)
{
    static thread_local const QLocale c = [] {
        QLocale plain = QLocale::c();
        plain.setNumberOptions(QLocale::RejectGroupSeparator);
        return plain;
    }();
    const QString trimmed = text.trimmed();
    bool ok = false;
    value = c.toDouble(trimmed, &ok);
    if (ok)
        return true;
    QString swapped = trimmed;
    for (QChar& ch : swapped) {
        if (ch == QLatin1Char(','))
            ch = QLatin1Char('.');
        else if (ch == QLatin1Char('.'))
            ch = QLatin1Char(',');
    }
    value = c.toDouble(swapped, &ok);
    if (!ok)
        value = 0;
    return ok;
}

double ParseValue(const QString& text)
{
    double value = 0;
    TryParseValue(text, value);
    return value;
}

QString FormatExactValue(double x)
{
    const QString shown = FormatValue(x);
    double back = 0;
    if (std::isfinite(x) && TryParseValue(shown, back) && back == x)
        return shown;
    if (!std::isfinite(x))
        return shown;
    return WithSeparator(QString::number(x, 'g', QLocale::FloatingPointShortest));
}

QString CleanName(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '=': case '[': case ']': case '"': case ':': case '@':
            break;
        default:
            result.append(ch);
        }
    }
    return result;
}

QString CleanTrimmedName(const QString& text) { return CleanName(text).trimmed(); }

QString CutToken(QString& text, const QString& delimiter)
{
    const qsizetype at = text.indexOf(delimiter, 0, Qt::CaseInsensitive);
    if (at < 0)
        return text;
    const QString before = text.left(at);
    text.remove(0, at + delimiter.size());
    return before;
}

int CompareLocaleAware(const QString& a, const QString& b)
{
    static thread_local const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(a, b);
}

QString ColumnLetters(int n)
{
    const QChar letter(QLatin1Char(char('A' + n % 26)));
    return n < 26 ? QString(letter) : ColumnLetters(n / 26) + letter;
}

// Most texts hold nothing to escape; they go back shared, uncopied.
QString PageText(const QString& text)
{
    const auto special = [](QChar c) { return c == u'&' || c == u'<' || c == u'>'; };
    if (std::none_of(text.cbegin(), text.cend(), special))
        return text;
    QString result = text;
    result.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    result.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    result.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return result;
}

QString FromPageText(const QString& text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString result = text;
    result.replace(QLatin1String("&lt;"), QLatin1String("<"));
    result.replace(QLatin1String("&gt;"), QLatin1String(">"));
    result.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return result;
}

QString CommentRow(const TNameless& item)
{
    const QString text = item.Comments.join(QLatin1String("\r\n")).trimmed();
    if (text.isEmpty())
        return QString();
    return QStringLiteral("<tr class=cmnt><td></td><td>") + PageText(text)
           + QStringLiteral("</td></tr>");
}

QString ColorToHex(const QColor& color)
{
    return QStringLiteral("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QColor HalveColor(const QColor& color)
{
    return QColor(color.red() / 2, color.green() / 2, color.blue() / 2);
}

int Saturated(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QStringList NestedTable(qsizetype count, const QStringList& rows, const QString& indent)
{
    return QStringList{ indent + QStringLiteral("<tr><td>&nbsp;</td><td><table class=c%1>").arg(count) } + rows
           + QStringList{ indent + QStringLiteral("</table></td></tr>") };
}
