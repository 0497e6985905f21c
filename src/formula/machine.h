#pragma once

#include "formula/vmcode.h"

class TVMContext;

/// Runs compiled code: clears the context's stack, then executes every
/// instruction in order. The caller reads the result from the stack; a well
/// formed run leaves exactly one entry.
void RunCode(const TVMCode& code, TVMContext& context);
