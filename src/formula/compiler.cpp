#include "formula/compiler.h"

#include "formula/vmbinary.h"
#include "formula/vminstruction.h"
#include "formula/vmunary.h"
#include "model/case.h"

#include <cmath>
#include <cstring>
#include <vector>

// Operator precedence (shunting-yard) over one-character operator codes. The
// tokenizer maps every operator and function word to its code, so the operator
// stack and the precedence rules never see the words themselves.

namespace {

using TMake = std::unique_ptr<TVMInstruction> (*)();

template <class T>
std::unique_ptr<TVMInstruction> Make()
{
    return std::make_unique<T>();
}

struct TOperator
{
    char Code;
    int Precedence;   // larger binds tighter
    bool Binary;      // else a prefix operator
    TMake MakeInstruction;
};

constexpr TOperator Operators[] = {
    {'+', 4, true, Make<TVM_ADD>},   {'-', 4, true, Make<TVM_SUB>},
    {'*', 6, true, Make<TVM_MUL>},   {'/', 6, true, Make<TVM_DIV>},
    {'^', 8, true, Make<TVM_PWR>},   {'L', 8, true, Make<TVM_LOG>},
    {'n', 7, true, Make<TVM_MIN>},   {'x', 7, true, Make<TVM_MAX>},
    {'Q', 3, true, Make<TVM_EQS>},   {'U', 3, true, Make<TVM_NEQ>},
    {'>', 3, true, Make<TVM_GT>},    {'<', 3, true, Make<TVM_LT>},
    {'~', 9, false, Make<TVM_NEG>},  {'s', 9, false, Make<TVM_SIN>},
    {'c', 9, false, Make<TVM_COS>},  {'t', 9, false, Make<TVM_TAN>},
    {'a', 9, false, Make<TVM_ATAN>}, {'e', 9, false, Make<TVM_EXP>},
    {'l', 9, false, Make<TVM_LN>},   {'q', 9, false, Make<TVM_SQRT>},
    {'r', 9, false, Make<TVM_ROUND>}, {'i', 9, false, Make<TVM_TRUNC>},
};

struct TFunctionWord
{
    const char* Word;   // lower case
    char Code;
};

constexpr TFunctionWord FunctionWords[] = {
    {"sin", 's'}, {"cos", 'c'}, {"tan", 't'}, {"atan", 'a'}, {"exp", 'e'}, {"ln", 'l'},
    {"sqrt", 'q'}, {"round", 'r'}, {"int", 'i'}, {"log", 'L'}, {"min", 'n'}, {"max", 'x'},
    {"eq", 'Q'}, {"ne", 'U'}, {"gt", '>'}, {"lt", '<'},
};

const QString MissingOperand = QStringLiteral("ERROR: Missing operand");

const TOperator* FindOperator(QChar code)
{
    for (const TOperator& op : Operators)
        if (QChar(QLatin1Char(op.Code)) == code)
            return &op;
    return nullptr;
}

// A token that is an operator code is exactly one of the codes; numbers start
// with a digit and references with "[", so neither can be mistaken for one.
const TOperator* OperatorToken(const QString& token)
{
    return token.size() == 1 ? FindOperator(token.front()) : nullptr;
}

// Every character of code 32 or below separates words, line breaks included.
bool IsBlank(QChar ch) { return ch.unicode() <= 32; }

bool IsDigit(QChar ch) { return ch.unicode() >= '0' && ch.unicode() <= '9'; }

bool EndsWord(QChar ch)
{
    return IsBlank(ch) || QStringView(u"+-*/^~()[").contains(ch);
}

// Function words compare ASCII letters without regard to case; other letters
// never match (no Unicode case folding onto the ASCII words).
char FunctionCode(const QString& word)
{
    for (const TFunctionWord& f : FunctionWords) {
        const qsizetype length = qsizetype(std::strlen(f.Word));
        if (word.size() != length)
            continue;
        bool same = true;
        for (qsizetype i = 0; same && i < length; ++i) {
            const char16_t c = word.at(i).unicode();
            const char16_t lower = c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : c;
            same = lower == char16_t(f.Word[i]);
        }
        if (same)
            return f.Code;
    }
    return 0;
}

// Digits, an optional "." with digits, an optional exponent "e" or "E" with
// digits (no sign: "+" and "-" end a word); the value must be finite.
bool IsNumber(const QString& word)
{
    const qsizetype n = word.size();
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < n && IsDigit(word.at(i)))
            ++i;
        return i - start;
    };
    if (digits() == 0)
        return false;
    if (i < n && word.at(i) == QLatin1Char('.')) {
        ++i;
        digits();
    }
    if (i < n && (word.at(i) == QLatin1Char('e') || word.at(i) == QLatin1Char('E'))) {
        ++i;
        if (digits() == 0)
            return false;
    }
    double value = 0;
    return i == n && TryParseValue(word, value) && std::isfinite(value);
}

class TCompiler
{
public:
    TCompiler(const QString& text, const TCase* aCase) : Text(text), Case(aCase) {}

    TCompileResult Compile();

private:
    bool AtEnd() const { return At >= Text.size(); }
    void ReadToken();
    void ReadWord();
    void Emit(const TOperator& op);
    void EmitVariable(const QString& name);
    bool StackHoldsParenthesis() const;

    const QString& Text;
    const TCase* Case;
    qsizetype At = 0;       // 0-based index of the next character to read
    QString Token;
    QString Previous;
    std::vector<QChar> Stack;   // operator codes and "("
    int Operands = 0;
    TCompileResult Result;
};

void TCompiler::ReadToken()
{
    Previous = Token;
    Token.clear();
    while (!AtEnd() && IsBlank(Text.at(At)))
        ++At;
    if (AtEnd())
        return;   // the empty token
    const QChar ch = Text.at(At);
    if (ch == QLatin1Char('[')) {
        // The name is taken as written, blanks included.
        const qsizetype close = Text.indexOf(QLatin1Char(']'), At);
        if (close < 0) {
            Token = Text.mid(At);
            At = Text.size();
            Result.Message = QStringLiteral("ERROR: Missing ']'");
        } else {
            Token = Text.mid(At, close + 1 - At);
            At = close + 1;
        }
    } else if (QStringView(u"()+-*/^~").contains(ch)) {
        Token = ch;
        ++At;
    } else {
        ReadWord();
    }
    // "-" negates unless it follows an operand: a reference, ")" or a number.
    if (Token == QLatin1String("-")
        && (Previous.isEmpty()
            || !(Previous.front() == QLatin1Char('[') || Previous.front() == QLatin1Char(')')
                 || IsDigit(Previous.front()))))
        Token = QStringLiteral("~");
}

void TCompiler::ReadWord()
{
    const qsizetype start = At;
    while (!AtEnd() && !EndsWord(Text.at(At)))
        ++At;
    const QString word = Text.mid(start, At - start);
    if (IsDigit(word.front())) {
        Token = word;
        if (!IsNumber(word))
            Result.Message = QStringLiteral("ERROR: Invalid number");
    } else if (const char code = FunctionCode(word)) {
        Token = QChar(QLatin1Char(code));
    } else {
        Token = QStringLiteral("?");
        Result.Message = QStringLiteral("ERROR: Invalid symbol");
    }
}

void TCompiler::Emit(const TOperator& op)
{
    Result.Code.push_back(op.MakeInstruction());
    if (op.Binary)
        --Operands;
    if (Operands <= 0)
        Result.Message = MissingOperand;
}

void TCompiler::EmitVariable(const QString& name)
{
    const TVariable* variable = Case ? Case->Variables.Find(name) : nullptr;
    const QString warning = QStringLiteral("Unknown variable: \"") + name + QStringLiteral("\"");
    if (!variable && !Result.Warnings.contains(warning))
        Result.Warnings << warning;
    Result.Code.push_back(std::make_unique<TVM_PUSHVAR>(variable));
    ++Operands;
}

bool TCompiler::StackHoldsParenthesis() const
{
    for (const QChar entry : Stack)
        if (entry == QLatin1Char('('))
            return true;
    return false;
}

TCompileResult TCompiler::Compile()
{
    while (Result.Message.isEmpty() && !AtEnd()) {
        ReadToken();
        Result.TokenLength = int(Token.size());
        if (!Result.Message.isEmpty())
            break;
        if (Token.isEmpty()) {
            // Trailing blanks: no operand, so "[a] * " still misses one.
        } else if (Token == QLatin1String("(")) {
            Stack.push_back(Token.front());
        } else if (Token == QLatin1String(")")) {
            if (!StackHoldsParenthesis()) {
                Result.Message = QStringLiteral("ERROR: Unmatched ')'");
            } else {
                while (Stack.back() != QLatin1Char('(')) {
                    Emit(*FindOperator(Stack.back()));
                    Stack.pop_back();
                }
                Stack.pop_back();
            }
        } else if (const TOperator* op = OperatorToken(Token)) {
            // Equal precedence pops too: binary operators associate to the
            // left, and a prefix operator cannot directly follow another.
            while (!Stack.empty()) {
                const TOperator* top = FindOperator(Stack.back());
                if (!top || top->Precedence < op->Precedence)
                    break;
                Emit(*top);
                Stack.pop_back();
            }
            Stack.push_back(Token.front());
        } else if (Token.front() == QLatin1Char('[')) {
            EmitVariable(Token.mid(1, Token.size() - 2));
        } else {
            Result.Code.push_back(std::make_unique<TVM_PUSHCON>(ParseValue(Token)));
            ++Operands;
        }
    }

    while (Result.Message.isEmpty() && !Stack.empty()) {
        if (Stack.back() == QLatin1Char('(')) {
            Result.Message = QStringLiteral("ERROR: Missing ')'");
            if (Operands <= 0)
                Result.Message = MissingOperand;
        } else {
            Emit(*FindOperator(Stack.back()));
        }
        Stack.pop_back();
    }

    if (Result.Message.isEmpty()) {
        if (Operands < 1)
            Result.Message = MissingOperand;
        else if (Operands > 1)
            Result.Message = QStringLiteral("ERROR: Missing operator");
    }
    Result.Position = int(At + 1);
    return std::move(Result);
}

} // namespace

TCompileResult CompileFormula(const QString& text, const TCase* aCase)
{
    return TCompiler(text, aCase).Compile();
}

QString TrimFormula(const QString& text, qsizetype* leading)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    if (leading)
        *leading = begin;
    return text.mid(begin, end - begin);
}
