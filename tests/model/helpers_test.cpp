#include "model/enumerations.h"
#include "model/helpers.h"
#include "model/scale.h"
#include "support/testpaths.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

TEST(FormatValue, TablesOfValuesAndPercentagesWithNonFiniteValuesAsWordsInTheLocalesSeparator)
{
    const struct { double x; const char* text; } cases[] = {
        { 0, "0" }, { 0.00000000001, "0" }, { -1e-11, "0" },
        { 0.0004, "4.00E-04" }, { -0.0004, "-4.00E-04" }, { 12345, "1.23E+04" },
        { 1e20, "1.00E+20" }, { 150.4, "150" }, { 100.5, "100" }, { 101.5, "102" },
        { 2.0004, "2" }, { 2.5, "2.5" }, { 0.5, "0.5" }, { 0.1234, "0.123" },
        { 12.34, "12.3" }, { 3.0001, "3" }, { -12.34, "-12.3" }, { 10, "10" }, { 20, "20" },
        { 99.9, "99.9" }, { 9999, "9999" }, { 0.0005, "0.001" }, { 0.3, "0.3" }, { -0.9999, "-1" },
        { 1.05, "1.05" }, { 1e-100, "0" },
        { std::numeric_limits<double>::infinity(), "INF" }, { -std::numeric_limits<double>::infinity(), "-INF" },
        { std::nan(""), "NAN" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatValue(c.x), Local(QString::fromLatin1(c.text))) << c.x;
    // The suites run once in the C locale and once in German.
    const bool german = qgetenv("ORVEL_TEST_LOCALE") == "de_DE";
    EXPECT_EQ(FormatValue(2.5), german ? "2,5" : "2.5");
    EXPECT_EQ(FormatValue(12345), german ? "1,23E+04" : "1.23E+04");

    const struct { double x; const char* text; } percentages[] = {
        { 0.0005, "0%" }, { 0.005, "~0%" }, { -0.256, "-26%" }, { 1, "100%" }, { 0.125, "12%" },
        { 0.135, "14%" }, { -0.005, "~0%" }, { 250, "2.50E+04%" },
    };
    for (const auto& c : percentages)
        EXPECT_EQ(FormatPercentage(c.x), Local(QString::fromLatin1(c.text))) << c.x;
}

TEST(ParseValue, ReadsBothSeparatorsFallsBackToZeroAndReadsEveryDigitFormatExactValueKeeps)
{
    // No group separators in either reading.
    const std::pair<const char*, double> texts[] = { { "1,5", 1.5 }, { "1.5", 1.5 }, { " -2.5E+03 ", -2500 },
                                                     { "4,00E-04", 0.0004 }, { "abc", 0 }, { "", 0 }, { "1,000.5", 0 } };
    for (const auto& [text, value] : texts)
        EXPECT_DOUBLE_EQ(ParseValue(text), value) << text;
    double v = 7;
    EXPECT_FALSE(TryParseValue("x1", v));
    EXPECT_EQ(v, 0);

    // What FormatExactValue writes reads back exactly; ordinary texts are as they were.
    for (double x : { 1234.5, 0.12345, 1.0 / 3, -98765.4321, 1e-7, 123456789.0, 0.1, 2.5, 10.0, 1e300 }) {
        const QString text = FormatExactValue(x);
        EXPECT_EQ(ParseValue(text), x) << text.toStdString();
        EXPECT_FALSE(text.contains(DecimalSeparator() == "." ? "," : ".")) << text.toStdString();
    }
    EXPECT_EQ(FormatExactValue(2.5), FormatValue(2.5));
    EXPECT_EQ(FormatExactValue(150), "150");
    EXPECT_EQ(FormatExactValue(0.5), FormatValue(0.5));
}

TEST(Names, CleanNameAndColumnLetters)
{
    EXPECT_EQ(CleanName("a=[b]\"c:d@e"), "abcde");
    EXPECT_EQ(CleanTrimmedName("  x [y] "), "x y");
    const std::pair<int, const char*> columns[] = { { 0, "A" }, { 25, "Z" }, { 26, "BA" }, { 27, "BB" }, { 26 * 26, "BAA" } };
    for (const auto& [column, letters] : columns)
        EXPECT_EQ(ColumnLetters(column), letters) << column;
}

TEST(CutToken, SplitsAtTheDelimiterIgnoringCaseAndKeepsEverythingAfterIt)
{
    QString text = "ab<TD>cd<td>ef";
    EXPECT_EQ(CutToken(text, "<td>"), "ab");
    EXPECT_EQ(text, "cd<td>ef");
    EXPECT_EQ(CutToken(text, "<x>"), "cd<td>ef");
    EXPECT_EQ(text, "cd<td>ef");

    QString large = "head|" + QString(100000, QLatin1Char('x'));
    CutToken(large, "|");
    EXPECT_EQ(large.size(), 100000);
}

TEST(CommentRow, JoinsTrimsAndEscapes)
{
    TScale item("s", nullptr);
    EXPECT_EQ(CommentRow(item), "");
    item.Comments = QStringList({ "  ", "" });
    EXPECT_EQ(CommentRow(item), "");
    item.Comments = QStringList({ " first & <b>", "second</td></tr> " });
    EXPECT_EQ(CommentRow(item),
              "<tr class=cmnt><td></td><td>first &amp; &lt;b&gt;\r\nsecond&lt;/td&gt;&lt;/tr&gt;</td></tr>");
    EXPECT_EQ(FromPageText(PageText("a &lt; <b> & c")), "a &lt; <b> & c");
}

TEST(Colors, HexAndHalving)
{
    EXPECT_EQ(ColorToHex(QColor(0xFF, 0x08, 0xA0)), "FF08A0");
    EXPECT_EQ(HalveColor(QColor(0xFF, 0x81, 1)), QColor(0x7F, 0x40, 0));
}

// Each text table answers its ends, and nothing beyond them; the texts within
// are read on the pages the case folder writer checks.
TEST(Enumerations, SafeRanges)
{
    EXPECT_EQ(InfluenceLevelText(5), "");
    EXPECT_EQ(PreferenceLevelText(-3), "most undesirable");
    EXPECT_EQ(PreferenceLevelText(4), "");
    EXPECT_EQ(FeasibilityLevelText(-4), "");
    EXPECT_EQ(ChangeDirectionText(0), "");
    EXPECT_EQ(VMErrorText(0), "");
    EXPECT_EQ(VMErrorText(-7), "");
    EXPECT_FALSE(IsUndefined(-1e-100));
}
