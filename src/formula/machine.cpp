#include "formula/machine.h"

#include "formula/vminstruction.h"

void RunCode(const TVMCode& code, TVMContext& context)
{
    context.Stack.clear();   // keeps its capacity: repeated runs do not allocate
    for (const std::unique_ptr<TVMInstruction>& instruction : code)
        instruction->Execute(context);
}
