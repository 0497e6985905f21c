#pragma once

// Operand access shared by the instructions that pop: the underflow rule and
// the fault result live here once.

#include "formula/vminstruction.h"

/// Reports "VM stack underflow". Kept out of line: it is never on the fast path.
void ReportStackUnderflow();

/// The result of a numeric fault; it replaces whatever code the operands had.
inline void SetNumericFault(TVMResult& r)
{
    r = {VMNumericFault, UndefinedValue};
}

/// Runs op(s, t) on the two top entries, s beneath t, with the result written
/// into s and t removed. With fewer than two entries nothing changes.
template <class Operation>
inline void ApplyBinary(TVMContext& context, Operation op)
{
    std::vector<TVMResult>& stack = context.Stack;
    if (stack.size() < 2) [[unlikely]] {
        ReportStackUnderflow();
        return;
    }
    const TVMResult t = stack.back();
    stack.pop_back();
    op(stack.back(), t);
}

/// Runs op(t) on the top entry in place. On an empty stack nothing changes.
template <class Operation>
inline void ApplyUnary(TVMContext& context, Operation op)
{
    std::vector<TVMResult>& stack = context.Stack;
    if (stack.empty()) [[unlikely]] {
        ReportStackUnderflow();
        return;
    }
    op(stack.back());
}
