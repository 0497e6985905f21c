#pragma once

#include "formula/vminstruction.h"

// Binary instructions: s is the entry beneath the top t; the result replaces
// both. The error of the result is the lower of the two codes.

/// s + t.
class TVM_ADD : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// s - t.
class TVM_SUB : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// s * t.
class TVM_MUL : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// s / t; a zero divisor gives VMDivisionByZero.
class TVM_DIV : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// s to the power t, as exp(t * ln s): s <= 0 is a fault.
class TVM_PWR : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// Logarithm of s to base t.
class TVM_LOG : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// The smaller of s and t.
class TVM_MIN : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// The larger of s and t.
class TVM_MAX : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// 1 when s equals t within 1e-30, else 0.
class TVM_EQS : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// 1 when s differs from t by more than 1e-30, else 0.
class TVM_NEQ : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// 1 when s exceeds t by more than 1e-30, else 0.
class TVM_GT : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// 1 when t exceeds s by more than 1e-30, else 0.
class TVM_LT : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};
