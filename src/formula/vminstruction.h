#pragma once

#include "formula/vmresult.h"

#include <vector>

class TVariable;

/// What instructions run against: the operand stack (top = last entry) and the
/// way a variable without a constant value is read. A calculation derives from
/// it to read attributes of its design object.
class TVMContext
{
public:
    virtual ~TVMContext();

    std::vector<TVMResult> Stack;

    /// The value of a variable that has no constant value. The base context
    /// knows no attributes: {VMNoAttribute, UndefinedValue}.
    virtual TVMResult ReadVariable(const TVariable& variable);
};

/// One stack-machine instruction. Numeric faults never raise: they become
/// error codes on the stack. Too few operands report "VM stack underflow" and
/// leave the stack as it was, so a run always reaches its end.
class TVMInstruction
{
public:
    TVMInstruction() = default;
    virtual ~TVMInstruction();
    TVMInstruction(const TVMInstruction&) = delete;
    TVMInstruction& operator=(const TVMInstruction&) = delete;

    /// Reached only for an instruction without a meaning of its own:
    /// reports "Undefined VM instruction" and leaves the stack alone.
    virtual void Execute(TVMContext& context) const;
};

// The push instructions live here with the context they read from.

/// Pushes the value of a variable. Variable is not owned; it is null when the
/// name was unknown at compile time, and then reads as a missing attribute.
class TVM_PUSHVAR : public TVMInstruction
{
public:
    explicit TVM_PUSHVAR(const TVariable* variable = nullptr) : Variable(variable) {}
    void Execute(TVMContext& context) const override;

    const TVariable* Variable;
};

/// Pushes an error without a value: the whole code of a formula that does not
/// compile, so that no part of it ever runs.
class TVM_PUSHERR : public TVMInstruction
{
public:
    explicit TVM_PUSHERR(qint32 error) : Error(error) {}
    void Execute(TVMContext& context) const override;

    qint32 Error;
};

/// Pushes a constant without error.
class TVM_PUSHCON : public TVMInstruction
{
public:
    explicit TVM_PUSHCON(double value = 0) : Value(value) {}
    void Execute(TVMContext& context) const override;

    double Value;
};
