#pragma once

#include "formula/vminstruction.h"

// Unary instructions: they rewrite the top entry t in place.

/// Negation -t.
class TVM_NEG : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// Sine of t (radians).
class TVM_SIN : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// Cosine of t.
class TVM_COS : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// Tangent of t, as sin t / cos t.
class TVM_TAN : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// Arc tangent of t.
class TVM_ATAN : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// E to the power t.
class TVM_EXP : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// Natural logarithm of t.
class TVM_LN : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// Square root of t.
class TVM_SQRT : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// Integer part of t, toward zero.
class TVM_TRUNC : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};

/// Nearest integer to t, halves to even.
class TVM_ROUND : public TVMInstruction
{
public:
    void Execute(TVMContext& context) const override;
};
