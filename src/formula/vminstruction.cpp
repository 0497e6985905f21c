#include "formula/vminstruction.h"

#include "formula/vmoperands.h"
#include "model/messages.h"
#include "model/variable.h"

TVMContext::~TVMContext() = default;

TVMResult TVMContext::ReadVariable(const TVariable&)
{
    return {VMNoAttribute, UndefinedValue};
}

TVMInstruction::~TVMInstruction() = default;

void TVMInstruction::Execute(TVMContext&) const
{
    ShowError(QStringLiteral("Undefined VM instruction"));
}

void ReportStackUnderflow()
{
    ShowError(QStringLiteral("VM stack underflow"));
}

void TVM_PUSHVAR::Execute(TVMContext& context) const
{
    if (!Variable)
        context.Stack.push_back({VMNoAttribute, UndefinedValue});
    else if (Variable->HasValue())   // a constant holds everywhere
        context.Stack.push_back({VMNoError, Variable->Value});
    else
        context.Stack.push_back(context.ReadVariable(*Variable));
}

void TVM_PUSHERR::Execute(TVMContext& context) const
{
    context.Stack.push_back({Error, UndefinedValue});
}

void TVM_PUSHCON::Execute(TVMContext& context) const
{
    context.Stack.push_back({VMNoError, Value});
}
