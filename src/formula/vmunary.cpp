#include "formula/vmunary.h"

#include "formula/vmoperands.h"

#include <cmath>
#include <limits>

namespace {

// Applies op to the value only when the entry carries no error.
template <class Operation>
inline void Plain(TVMContext& context, Operation op)
{
    ApplyUnary(context, [op](TVMResult& t) {
        if (t.Error == VMNoError)
            t.Value = op(t.Value);
    });
}

// Applies op to the value whatever the error; a non-finite result (overflow or
// an invalid operation) is a numeric fault. The argument is checked by the
// caller where the operation would be invalid without a non-finite result.
template <class Operation>
inline void Guarded(TVMContext& context, Operation op)
{
    ApplyUnary(context, [op](TVMResult& t) {
        const double result = op(t.Value);
        if (std::isfinite(result))
            t.Value = result;
        else
            SetNumericFault(t);
    });
}

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

void TVM_NEG::Execute(TVMContext& context) const
{
    Plain(context, [](double v) { return -v; });
}

void TVM_SIN::Execute(TVMContext& context) const
{
    Plain(context, [](double v) { return std::sin(v); });
}

void TVM_COS::Execute(TVMContext& context) const
{
    Plain(context, [](double v) { return std::cos(v); });
}

void TVM_TRUNC::Execute(TVMContext& context) const
{
    // On the double itself: defined for every value, unlike a cast to an integer.
    Plain(context, [](double v) { return std::trunc(v); });
}

void TVM_ROUND::Execute(TVMContext& context) const
{
    // The default rounding mode takes halves to the even neighbour.
    Plain(context, [](double v) { return std::nearbyint(v); });
}

void TVM_TAN::Execute(TVMContext& context) const
{
    Guarded(context, [](double v) { return std::sin(v) / std::cos(v); });
}

void TVM_ATAN::Execute(TVMContext& context) const
{
    Guarded(context, [](double v) { return std::atan(v); });
}

void TVM_EXP::Execute(TVMContext& context) const
{
    Guarded(context, [](double v) { return std::exp(v); });
}

void TVM_LN::Execute(TVMContext& context) const
{
    Guarded(context, [](double v) { return v > 0 ? std::log(v) : NotANumber; });
}

void TVM_SQRT::Execute(TVMContext& context) const
{
    Guarded(context, [](double v) { return v >= 0 ? std::sqrt(v) : NotANumber; });
}
