#include "listing.h"

#include "formula/compiler.h"
#include "formula/machine.h"
#include "formula/vmbinary.h"
#include "formula/vminstruction.h"
#include "formula/vmunary.h"
#include "model/variable.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

template <class T>
bool Is(const TVMInstruction& instruction)
{
    return dynamic_cast<const T*>(&instruction) != nullptr;
}

struct TNamedClass
{
    const char* Name;
    bool (*Test)(const TVMInstruction&);
};

constexpr TNamedClass Classes[] = {
    {"ADD", Is<TVM_ADD>},   {"SUB", Is<TVM_SUB>},     {"MUL", Is<TVM_MUL>},   {"DIV", Is<TVM_DIV>},
    {"PWR", Is<TVM_PWR>},   {"LOG", Is<TVM_LOG>},     {"MIN", Is<TVM_MIN>},   {"MAX", Is<TVM_MAX>},
    {"EQS", Is<TVM_EQS>},   {"NEQ", Is<TVM_NEQ>},     {"GT", Is<TVM_GT>},     {"LT", Is<TVM_LT>},
    {"NEG", Is<TVM_NEG>},   {"SIN", Is<TVM_SIN>},     {"COS", Is<TVM_COS>},   {"TAN", Is<TVM_TAN>},
    {"ATAN", Is<TVM_ATAN>}, {"EXP", Is<TVM_EXP>},     {"LN", Is<TVM_LN>},     {"SQRT", Is<TVM_SQRT>},
    {"TRUNC", Is<TVM_TRUNC>}, {"ROUND", Is<TVM_ROUND>},
};

} // namespace

QString InstructionName(const TVMInstruction& instruction)
{
    if (const auto* push = dynamic_cast<const TVM_PUSHVAR*>(&instruction))
        return QStringLiteral("PUSHVAR ") + (push->Variable ? push->Variable->Name : QStringLiteral("?"));
    if (const auto* push = dynamic_cast<const TVM_PUSHCON*>(&instruction))
        return QStringLiteral("PUSHCON ") + QString::number(push->Value);
    for (const TNamedClass& c : Classes)
        if (c.Test(instruction))
            return QString::fromLatin1(c.Name);
    return QStringLiteral("BASE");
}

QString Listing(const TVMCode& code)
{
    QStringList names;
    for (const auto& instruction : code)
        names << InstructionName(*instruction);
    return names.join(QStringLiteral(", "));
}

QString Entries(const std::vector<TVMResult>& stack)
{
    QStringList entries;
    for (const TVMResult& entry : stack)
        entries << QString::number(entry.Error) + QLatin1Char(':') + QString::number(entry.Value);
    return entries.join(QLatin1Char(' '));
}

TVMResult Evaluate(const QString& formula, const TCase* aCase)
{
    const TCompileResult compiled = CompileFormula(formula, aCase);
    EXPECT_EQ(compiled.Message, QString()) << formula.toStdString();
    TVMContext context;
    RunCode(compiled.Code, context);
    EXPECT_EQ(context.Stack.size(), 1u) << formula.toStdString();
    return context.Stack.empty() ? TVMResult{VMStackError, UndefinedValue} : context.Stack.back();
}
