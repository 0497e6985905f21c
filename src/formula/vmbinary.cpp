#include "formula/vmbinary.h"

#include "formula/vmoperands.h"

#include <cmath>

// Arithmetic overflow is not caught: it yields an IEEE infinity (or NaN for
// inf - inf), which FormatValue shows as such. Only the power and the logarithm
// turn a non-finite or invalid result into VMNumericFault.

namespace {

constexpr double ComparisonTolerance = 1e-30;

inline qint32 LowerError(const TVMResult& s, const TVMResult& t)
{
    return s.Error < t.Error ? s.Error : t.Error;
}

// Arithmetic that keeps s's value untouched when an operand carries an error.
template <class Operation>
inline void Arithmetic(TVMContext& context, Operation op)
{
    ApplyBinary(context, [op](TVMResult& s, const TVMResult& t) {
        s.Error = LowerError(s, t);
        if (s.Error == VMNoError)
            s.Value = op(s.Value, t.Value);
    });
}

// Selections and comparisons: an operand error makes the value undefined.
template <class Operation>
inline void Selection(TVMContext& context, Operation op)
{
    ApplyBinary(context, [op](TVMResult& s, const TVMResult& t) {
        s.Error = LowerError(s, t);
        s.Value = s.Error == VMNoError ? op(s.Value, t.Value) : UndefinedValue;
    });
}

inline double Truth(bool b) { return b ? 1.0 : 0.0; }

} // namespace

void TVM_ADD::Execute(TVMContext& context) const
{
    Arithmetic(context, [](double s, double t) { return s + t; });
}

void TVM_SUB::Execute(TVMContext& context) const
{
    Arithmetic(context, [](double s, double t) { return s - t; });
}

void TVM_MUL::Execute(TVMContext& context) const
{
    Arithmetic(context, [](double s, double t) { return s * t; });
}

void TVM_DIV::Execute(TVMContext& context) const
{
    ApplyBinary(context, [](TVMResult& s, const TVMResult& t) {
        s.Error = LowerError(s, t);
        if (s.Error != VMNoError)
            return;
        if (t.Value == 0 || std::isnan(t.Value))
            s = {VMDivisionByZero, UndefinedValue};
        else
            s.Value = s.Value / t.Value;
    });
}

void TVM_PWR::Execute(TVMContext& context) const
{
    // Computed through the logarithm whatever the operands' errors, so a base
    // of zero or below is a fault even where a power would be defined.
    ApplyBinary(context, [](TVMResult& s, const TVMResult& t) {
        s.Error = LowerError(s, t);
        if (!(s.Value > 0))
            return SetNumericFault(s);
        const double exponent = t.Value * std::log(s.Value);
        const double power = std::exp(exponent);
        if (!std::isfinite(exponent) || !std::isfinite(power))
            return SetNumericFault(s);
        s.Value = power;
    });
}

void TVM_LOG::Execute(TVMContext& context) const
{
    ApplyBinary(context, [](TVMResult& s, const TVMResult& t) {
        s.Error = LowerError(s, t);
        if (!(s.Value > 0) || !(t.Value > 0))
            return SetNumericFault(s);
        const double base = std::log(t.Value);
        if (base == 0)
            return SetNumericFault(s);
        const double result = std::log(s.Value) / base;
        if (!std::isfinite(result))
            return SetNumericFault(s);
        s.Value = result;
    });
}

void TVM_MIN::Execute(TVMContext& context) const
{
    Selection(context, [](double s, double t) { return t < s ? t : s; });
}

void TVM_MAX::Execute(TVMContext& context) const
{
    Selection(context, [](double s, double t) { return t > s ? t : s; });
}

void TVM_EQS::Execute(TVMContext& context) const
{
    Selection(context, [](double s, double t) { return Truth(std::fabs(s - t) < ComparisonTolerance); });
}

void TVM_NEQ::Execute(TVMContext& context) const
{
    Selection(context, [](double s, double t) { return Truth(std::fabs(s - t) > ComparisonTolerance); });
}

void TVM_GT::Execute(TVMContext& context) const
{
    Selection(context, [](double s, double t) { return Truth(s - t > ComparisonTolerance); });
}

void TVM_LT::Execute(TVMContext& context) const
{
    Selection(context, [](double s, double t) { return Truth(t - s > ComparisonTolerance); });
}
