#pragma once

#include "formula/vmresult.h"

#include <vector>

class TVariable;

/// What instructions run against: the operand stack and the values of variables.
class TVMContext
{
public:
    virtual ~TVMContext() = default;
    std::vector<TVMResult> Stack;
    virtual TVMResult ReadVariable(const TVariable& variable);
};

class TVMInstruction
{
public:
    virtual ~TVMInstruction() = default;
    virtual void Execute(TVMContext& context) const;
};

class TVM_PUSHVAR : public TVMInstruction
{
public:
    const TVariable* Variable = nullptr;
};
