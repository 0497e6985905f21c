#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

class TNameless;

/// 1e-100 marks "no value" in numeric fields that may be unset and in results.
inline constexpr double UndefinedValue = 1e-100;
inline bool IsUndefined(double v) { return v > 0 && v < 1e-99; }

/// A number as the user reads it: about three significant digits, in the
/// locale's decimal separator (the default QLocale). Non-finite values, which
/// only an overflowing formula produces, read "INF", "-INF" or "NAN".
QString FormatValue(double x);
QString FormatPercentage(double x);
/// Reads "." or "," as decimal separator; 0 when the text is no number.
double ParseValue(const QString& text);
/// Like ParseValue, but tells whether the text was a number at all.
bool TryParseValue(const QString& text, double& value);
/// FormatValue's text when it reads back as the same number, otherwise the
/// shortest text that does: numbers stored in files keep every digit.
QString FormatExactValue(double x);
QString DecimalSeparator();

/// The name without the characters that delimit fields in case folders and formulas.
QString CleanName(const QString& text);
/// CleanName, then blanks trimmed: what every list accepts as a name.
QString CleanTrimmedName(const QString& text);
/// Returns what stands before the first `delimiter` (given in lower case; the
/// search ignores letter case) and leaves what follows it in `text`. Without the
/// delimiter it returns the whole text and leaves `text` as it was.
QString CutToken(QString& text, const QString& delimiter);
/// Case-insensitive comparison in the user's locale, for the orders that people
/// read (decision areas, variables in lists); concept lists use CompareNames.
int CompareLocaleAware(const QString& a, const QString& b);
/// "A".."Z", then "BA", "BB", ... (26 gives "BA").
QString ColumnLetters(int n);

/// The value clamped to the int range: counts and sums that multiply up stay
/// at the largest value instead of wrapping round.
int Saturated(qint64 value);

/// Text as a page holds it: "&", "<" and ">" escaped, so that no name, comment
/// or formula can end a row or a table of the page; and back. A bare "&", as
/// older pages hold it, reads as itself.
QString PageText(const QString& text);
QString FromPageText(const QString& text);
/// The comment row of an item, or empty text when it has no comment.
QString CommentRow(const TNameless& item);
/// `rows` nested as a table of `count` items in the second column of one row,
/// each of the two framing rows after `indent`.
QStringList NestedTable(qsizetype count, const QStringList& rows, const QString& indent = QString());

QString ColorToHex(const QColor& color);
QColor HalveColor(const QColor& color);
