#include "listing.h"

#include "formula/compiler.h"
#include "formula/machine.h"
#include "formula/vminstruction.h"
#include "model/variable.h"

#include <QStringList>
#include <typeinfo>
#include <gtest/gtest.h>

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
