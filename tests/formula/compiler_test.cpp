#include "listing.h"

#include "formula/compiler.h"
#include "formula/vminstruction.h"
#include "model/case.h"
#include "model/messagerecorder.h"

#include <gtest/gtest.h>

namespace {

class CompilerTest : public ::testing::Test
{
protected:
    CompilerTest()
    {
        for (const char* name : {"a", "b", "c", "x"})
            Case.AddVariable(QString::fromLatin1(name));
    }

    TMessageRecorder Recorder;
    TCase Case;
};

TEST_F(CompilerTest, PostfixOrderFollowsPrecedence)
{
    const struct { const char* Formula; const char* Listing; } cases[] = {
        // The two worked examples.
        {"[a] * (1 + [b])", "PUSHVAR a, PUSHCON 1, PUSHVAR b, ADD, MUL"},
        {"2 ^ -1", "PUSHCON 2, PUSHCON 1, NEG, PWR"},
        // Negation binds tighter than "^"; a prefix function takes the next operand only.
        {"-2^2", "PUSHCON 2, NEG, PUSHCON 2, PWR"},
        {"sin [x]^2", "PUSHVAR x, SIN, PUSHCON 2, PWR"},
        {"sqrt [a]*[b]", "PUSHVAR a, SQRT, PUSHVAR b, MUL"},
        {"-(sin [x])", "PUSHVAR x, SIN, NEG"},
        {"sin(-[x])", "PUSHVAR x, NEG, SIN"},
        // "*" before "+"; min/max between *,/ and ^; comparisons lowest.
        {"1 + 2 * 3", "PUSHCON 1, PUSHCON 2, PUSHCON 3, MUL, ADD"},
        {"[a] + [b] max [c]", "PUSHVAR a, PUSHVAR b, PUSHVAR c, MAX, ADD"},
        {"[a] max [b] * 2", "PUSHVAR a, PUSHVAR b, MAX, PUSHCON 2, MUL"},
        {"[a] + 1 gt [b] * 2", "PUSHVAR a, PUSHCON 1, ADD, PUSHVAR b, PUSHCON 2, MUL, GT"},
        {"[x] min 2 ^ 2", "PUSHVAR x, PUSHCON 2, PUSHCON 2, PWR, MIN"},
        // Left association, "^" and "log" included.
        {"8 - 2 - 1", "PUSHCON 8, PUSHCON 2, SUB, PUSHCON 1, SUB"},
        {"1 / 2 * 3", "PUSHCON 1, PUSHCON 2, DIV, PUSHCON 3, MUL"},
        {"2 ^ 3 ^ 2", "PUSHCON 2, PUSHCON 3, PWR, PUSHCON 2, PWR"},
        {"2 ^ 3 log 2", "PUSHCON 2, PUSHCON 3, PWR, PUSHCON 2, LOG"},
        {"1 lt 2 eq 1", "PUSHCON 1, PUSHCON 2, LT, PUSHCON 1, EQS"},
        // "-" is binary only after a reference, ")" or a number.
        {"[a]-1", "PUSHVAR a, PUSHCON 1, SUB"},
        {"(1)-1", "PUSHCON 1, PUSHCON 1, SUB"},
        {"2 * -1", "PUSHCON 2, PUSHCON 1, NEG, MUL"},
        {"~3", "PUSHCON 3, NEG"},
        {"-3", "PUSHCON 3, NEG"},
        // Numbers, letter case, blanks of every kind, and references read as written.
        {"1e3 + 0.5 + 1.", "PUSHCON 1000, PUSHCON 0.5, ADD, PUSHCON 1, ADD"},
        {"SQRT [X] Max Int 2", "PUSHVAR x, SQRT, PUSHCON 2, TRUNC, MAX"},
        {"2\r\nmax\t3", "PUSHCON 2, PUSHCON 3, MAX"},
        {"[a]   ", "PUSHVAR a"},
    };
    for (const auto& c : cases) {
        const TCompileResult compiled = CompileFormula(QString::fromLatin1(c.Formula), &Case);
        EXPECT_EQ(compiled.Message, QString()) << c.Formula;
        EXPECT_EQ(Listing(compiled.Code), QString::fromLatin1(c.Listing)) << c.Formula;
    }
    EXPECT_TRUE(Recorder.Messages.isEmpty());
}

TEST_F(CompilerTest, MessagesWithPositionAndTokenLength)
{
    const struct { const char* Formula; const char* Message; int Position; int TokenLength; const char* Code; } cases[] = {
        {"[a] * (1 + [b])", "", 16, 1, "PUSHVAR a, PUSHCON 1, PUSHVAR b, ADD, MUL"},
        {"[abc]", "", 6, 5, "PUSHVAR ?"},
        {"12.5", "", 5, 4, "PUSHCON 12.5"},
        {"(", "ERROR: Missing operand", 2, 1, ""},
        {"(1", "ERROR: Missing ')'", 3, 1, "PUSHCON 1"},
        {"1 + (2 * 3", "ERROR: Missing ')'", 11, 1, "PUSHCON 1, PUSHCON 2, PUSHCON 3, MUL"},
        {"1)", "ERROR: Unmatched ')'", 3, 1, "PUSHCON 1"},
        {"(1))", "ERROR: Unmatched ')'", 5, 1, "PUSHCON 1"},
        {"()", "ERROR: Missing operand", 3, 1, ""},
        {"1 2", "ERROR: Missing operator", 4, 1, "PUSHCON 1, PUSHCON 2"},
        {"2[a]", "ERROR: Missing operator", 5, 3, "PUSHCON 2, PUSHVAR a"},
        {"1 +", "ERROR: Missing operand", 4, 1, "PUSHCON 1, ADD"},
        {"3,5", "ERROR: Invalid number", 4, 3, ""},
        {"1e-3", "ERROR: Invalid number", 3, 2, ""},
        {"1e400", "ERROR: Invalid number", 6, 5, ""},
        {".5", "ERROR: Invalid symbol", 3, 1, ""},
        {"1 + foo", "ERROR: Invalid symbol", 8, 1, "PUSHCON 1"},
        {"[a] + ſin 1", "ERROR: Invalid symbol", 10, 1, "PUSHVAR a"},
        {"[speed", "ERROR: Missing ']'", 7, 6, ""},
        {"- -3", "ERROR: Missing operand", 4, 1, "NEG"},
        {"-sin [x]", "ERROR: Missing operand", 5, 1, "NEG"},
        {"sin sin [x]", "ERROR: Missing operand", 8, 1, "SIN"},
        {"sin -[x]", "ERROR: Missing operand", 6, 1, "SIN"},
        {"sqrt", "ERROR: Missing operand", 5, 1, "SQRT"},
        // Trailing blanks (as the import passes them) give no operand of their own.
        {"[a] * ", "ERROR: Missing operand", 7, 0, "PUSHVAR a, MUL"},
        {"  ", "ERROR: Missing operand", 3, 0, ""},
        {"", "ERROR: Missing operand", 1, 0, ""},
    };
    for (const auto& c : cases) {
        const QString formula = QString::fromUtf8(c.Formula);
        const TCompileResult compiled = CompileFormula(formula, &Case);
        EXPECT_EQ(compiled.Message, QString::fromLatin1(c.Message)) << c.Formula;
        EXPECT_EQ(compiled.Position, c.Position) << c.Formula;
        EXPECT_EQ(compiled.TokenLength, c.TokenLength) << c.Formula;
        EXPECT_EQ(Listing(compiled.Code), QString::fromLatin1(c.Code)) << c.Formula;
    }
    // The editor selects the TokenLength characters before Position: for an
    // unknown word, its last character.
    const QString text = QStringLiteral("1 + foo");
    const TCompileResult compiled = CompileFormula(text, &Case);
    EXPECT_EQ(text.mid(compiled.Position - 1 - compiled.TokenLength, compiled.TokenLength), QStringLiteral("o"));
}

TEST_F(CompilerTest, UnknownVariablesWarnOncePerNameAsWritten)
{
    const TCompileResult compiled = CompileFormula(QStringLiteral("[A] + [nobody] * [Nobody] + [ x ] - [nobody]"), &Case);
    EXPECT_EQ(compiled.Message, QString());
    EXPECT_EQ(Listing(compiled.Code),
              QStringLiteral("PUSHVAR a, PUSHVAR ?, PUSHVAR ?, MUL, ADD, PUSHVAR ?, ADD, PUSHVAR ?, SUB"));
    EXPECT_EQ(compiled.Warnings, QStringList({QStringLiteral("Unknown variable: \"nobody\""),
                                             QStringLiteral("Unknown variable: \"Nobody\""),
                                             QStringLiteral("Unknown variable: \" x \"")}));
    // The compiler only collects them: its callers decide when they show.
    EXPECT_TRUE(Recorder.Messages.isEmpty());
    EXPECT_EQ(CompileFormula(QStringLiteral("[a]"), nullptr).Warnings, QStringList(QStringLiteral("Unknown variable: \"a\"")));
}

} // namespace
