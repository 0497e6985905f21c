#pragma once

#include "formula/vmcode.h"
#include "formula/vmresult.h"

#include <QString>
#include <vector>

class TCase;
class TVMInstruction;

/// The instruction's class without its "TVM_" prefix ("BASE" for the base class), with the operand of a
/// push: "PUSHVAR a" ("PUSHVAR ?" for an unknown variable), "PUSHCON 2", "ADD".
QString InstructionName(const TVMInstruction& instruction);
/// The names of the whole code, separated by ", ".
QString Listing(const TVMCode& code);
/// The stack's entries bottom first, each as "error:value", separated by blanks.
QString Entries(const std::vector<TVMResult>& stack);
/// Compiles the formula (which must compile) and runs it on a base context;
/// the one entry left on the stack.
TVMResult Evaluate(const QString& formula, const TCase* aCase = nullptr);
