#include "formula/compiler.h"
#include "formula/machine.h"
#include "formula/vmbinary.h"
#include "formula/vminstruction.h"
#include "formula/vmunary.h"
#include "model/case.h"
#include "model/enumerations.h"
#include "model/messagerecorder.h"
#include "model/variable.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <typeinfo>

namespace {

// The instruction's class without its "TVM_" prefix ("BASE" for the base class), with the
// operand of a push: "PUSHVAR a" ("PUSHVAR ?" for an unknown variable), "PUSHCON 2", "ADD".
QString InstructionName(const TVMInstruction& instruction)
{
    if (const auto* push = dynamic_cast<const TVM_PUSHVAR*>(&instruction))
        return QStringLiteral("PUSHVAR ") + (push->Variable ? push->Variable->Name : QStringLiteral("?"));
    if (const auto* push = dynamic_cast<const TVM_PUSHCON*>(&instruction))
        return QStringLiteral("PUSHCON ") + QString::number(push->Value);
    // The mangled name of a class at namespace level is its length, then the name: "7TVM_ADD".
    QString name = QString::fromLatin1(typeid(instruction).name());
    while (!name.isEmpty() && name.front().isDigit())
        name.remove(0, 1);
    return name.startsWith(QLatin1String("TVM_")) ? name.mid(4) : QStringLiteral("BASE");
}

// The names of the whole code, separated by ", ".
QString Listing(const TVMCode& code)
{
    QStringList names;
    for (const auto& instruction : code)
        names << InstructionName(*instruction);
    return names.join(QStringLiteral(", "));
}

// The stack's entries bottom first, each as "error:value", separated by blanks.
QString Entries(const std::vector<TVMResult>& stack)
{
    QStringList entries;
    for (const TVMResult& entry : stack)
        entries << QString::number(entry.Error) + QLatin1Char(':') + QString::number(entry.Value);
    return entries.join(QLatin1Char(' '));
}

// Compiles the formula (which must compile) and runs it on a base context; the one entry left.
TVMResult Evaluate(const QString& formula, const TCase* aCase = nullptr)
{
    const TCompileResult compiled = CompileFormula(formula, aCase);
    EXPECT_EQ(compiled.Message, QString()) << formula.toStdString();
    TVMContext context;
    RunCode(compiled.Code, context);
    EXPECT_EQ(context.Stack.size(), 1u) << formula.toStdString();
    return context.Stack.empty() ? TVMResult{VMStackError, UndefinedValue} : context.Stack.back();
}

template <class... T>
TVMCode Instructions()
{
    TVMCode code;
    (code.push_back(std::make_unique<T>()), ...);
    return code;
}

TVMCode Binaries()
{
    return Instructions<TVM_ADD, TVM_SUB, TVM_MUL, TVM_DIV, TVM_PWR, TVM_LOG, TVM_MIN, TVM_MAX, TVM_EQS, TVM_NEQ,
                        TVM_GT, TVM_LT>();
}

TVMCode Unaries()
{
    return Instructions<TVM_NEG, TVM_SIN, TVM_COS, TVM_TAN, TVM_ATAN, TVM_EXP, TVM_LN, TVM_SQRT, TVM_TRUNC,
                        TVM_ROUND>();
}

constexpr double Undefined = UndefinedValue;
constexpr double Infinity = std::numeric_limits<double>::infinity();

class FormulaTest : public ::testing::Test
{
protected:
    FormulaTest()
    {
        for (const char* name : {"a", "b", "c", "x", "free"})   // "free": no constant, no attribute
            Case.AddVariable(QString::fromLatin1(name));
        Case.Variables.At(Case.AddVariable(QStringLiteral("k")))->Value = 21;
    }

    TCase Case;
};

TEST_F(FormulaTest, PostfixOrderFollowsPrecedence)
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
}

TEST_F(FormulaTest, MessagesWithPositionAndTokenLength)
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
}

TEST_F(FormulaTest, UnknownVariablesWarnOncePerNameAsWritten)
{
    const TCompileResult compiled = CompileFormula(QStringLiteral("[A] + [nobody] * [Nobody] + [ x ] - [nobody]"), &Case);
    EXPECT_EQ(compiled.Message, QString());
    EXPECT_EQ(Listing(compiled.Code),
              QStringLiteral("PUSHVAR a, PUSHVAR ?, PUSHVAR ?, MUL, ADD, PUSHVAR ?, ADD, PUSHVAR ?, SUB"));
    EXPECT_EQ(compiled.Warnings, QStringList({QStringLiteral("Unknown variable: \"nobody\""),
                                             QStringLiteral("Unknown variable: \"Nobody\""),
                                             QStringLiteral("Unknown variable: \" x \"")}));
    // The compiler only collects them (the test main fails any test that shows
    // a warning): its callers decide when they show.
    EXPECT_EQ(CompileFormula(QStringLiteral("[a]"), nullptr).Warnings, QStringList(QStringLiteral("Unknown variable: \"a\"")));
}

TEST_F(FormulaTest, FormulaResults)
{
    const struct { const char* Formula; qint32 Error; double Value; } cases[] = {
        {"1/0", VMDivisionByZero, Undefined},
        {"0^2", VMNumericFault, Undefined},   // the power goes through the logarithm
        {"(-8)^(1/3)", VMNumericFault, Undefined},
        {"2^0.5", 0, std::sqrt(2.0)},
        {"2 ^ 1e308", VMNumericFault, Undefined},
        {"8 log 2", 0, 3},
        {"1 log 1", VMNumericFault, Undefined},
        {"0 log 2", VMNumericFault, Undefined},
        {"sqrt(-1)", VMNumericFault, Undefined},
        {"ln 0", VMNumericFault, Undefined},
        {"exp 1000", VMNumericFault, Undefined},
        {"exp 1", 0, std::exp(1.0)},
        {"atan 1", 0, std::atan(1.0)},
        {"tan 1", 0, std::tan(1.0)},
        {"sin 0 + cos 0", 0, 1},
        {"ln(1/0)", VMDivisionByZero, std::log(Undefined)},   // ln of the undefined value is finite
        {"[free]", VMNoAttribute, Undefined},
        {"[nobody]", VMNoAttribute, Undefined},                // unknown when compiled
        {"[free] + 1/0", VMNoAttribute, Undefined},           // the lower code wins
        {"[free] ^ 0", VMNoAttribute, 1},                     // computed whatever the error
        {"ln(0 * [free])", VMNumericFault, Undefined},        // a fault replaces the operands' code
        {"sin(1/0)", VMDivisionByZero, Undefined},
        {"(1/0) max 2", VMDivisionByZero, Undefined},
        {"[k] * 2", 0, 42},
        {"3 lt 5", 0, 1}, {"5 lt 3", 0, 0}, {"3 lt 3", 0, 0}, {"5 gt 3", 0, 1},
        {"3 eq 3", 0, 1}, {"3 eq 3.0000000001", 0, 0}, {"3 ne 3", 0, 0}, {"3 ne 3.0000000001", 0, 1},
        {"(2 gt 1) * 7 + (2 lt 1) * 5", 0, 7},
        {"2 min 3", 0, 2}, {"2 max 3", 0, 3},
        {"round 2.5", 0, 2}, {"round(-2.5)", 0, -2}, {"round 3.5", 0, 4}, {"int(-2.7)", 0, -2},
        {"round 1e300", 0, 1e300}, {"int(-1e300)", 0, -1e300},   // beyond any integer type
        // Overflow in plain arithmetic gives infinities.
        {"1e308 * 10", 0, Infinity}, {"0 - 1e308 * 10", 0, -Infinity}, {"1e308 / 0.1", 0, Infinity},
        {"1e308 + 1e308", 0, Infinity}, {"1e300 ^ 2", VMNumericFault, Undefined},
    };
    for (const auto& c : cases) {
        const TVMResult result = Evaluate(QString::fromLatin1(c.Formula), &Case);
        EXPECT_EQ(result.Error, c.Error) << c.Formula;
        EXPECT_DOUBLE_EQ(result.Value, c.Value) << c.Formula;
    }
    EXPECT_TRUE(std::isnan(Evaluate(QStringLiteral("1e308 * 10 - 1e308 * 10")).Value));
    EXPECT_EQ(VMErrorText(Evaluate(QStringLiteral("ln(1/0)")).Error), QStringLiteral("#DIV0!"));
}

TEST_F(FormulaTest, LowestErrorCodeWinsAndStackUnderflowsAreReported)
{
    TMessageRecorder recorder;
    for (const auto& instruction : Binaries()) {
        for (const auto& [below, top] : {std::pair{-1, -5}, std::pair{-5, -1}, std::pair{0, -5}}) {
            TVMContext context;
            context.Stack = {{below, 4}, {top, 2}};
            instruction->Execute(context);
            ASSERT_EQ(context.Stack.size(), 1u);
            EXPECT_EQ(context.Stack[0].Error, VMNoAttribute) << InstructionName(*instruction).toStdString();
        }
    }
    // Arithmetic leaves the value beneath as it was; selections make it undefined.
    TVMContext context;
    context.Stack = {{VMDivisionByZero, 7}, {0, 2}};
    TVM_ADD().Execute(context);
    EXPECT_EQ(Entries(context.Stack), QStringLiteral("-1:7"));
    context.Stack.push_back({0, 1});
    TVM_MIN().Execute(context);
    EXPECT_EQ(Entries(context.Stack), QStringLiteral("-1:1e-100"));

    // A stack underflow is reported, and the run goes on.
    const TVMCode binaries = Binaries(), unaries = Unaries();
    for (const auto& instruction : binaries) {
        TVMContext context;
        context.Stack = {{VMNoAttribute, 3}};
        instruction->Execute(context);
        EXPECT_EQ(Entries(context.Stack), QStringLiteral("-5:3"));
    }
    for (const auto& instruction : unaries) {
        TVMContext context;
        instruction->Execute(context);
        EXPECT_TRUE(context.Stack.empty());
    }
    const QString underflow = QStringLiteral("VM stack underflow");
    EXPECT_EQ(recorder.Errors(), QStringList(qsizetype(binaries.size() + unaries.size()), underflow));

    recorder.Clear();
    TVMCode code = Instructions<TVM_NEG>();
    code.push_back(std::make_unique<TVM_PUSHCON>(2));
    for (auto& instruction : Instructions<TVM_ADD, TVMInstruction, TVM_NEG>())
        code.push_back(std::move(instruction));
    TVMContext run;
    run.Stack = {{0, 99}, {0, 98}};   // a run starts on an empty stack
    RunCode(code, run);
    EXPECT_EQ(Entries(run.Stack), QStringLiteral("0:-2"));
    EXPECT_EQ(recorder.Errors(), QStringList({underflow, underflow, QStringLiteral("Undefined VM instruction")}));
}

} // namespace
