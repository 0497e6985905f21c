#pragma once

#include "formula/vmresult.h"

#include <QString>

class TAttribute;
class TDesign;
class TVariable;

/// An evaluation pass. While one is open, every attribute is computed at most
/// once and later reads return that result, which keeps a full evaluation of a
/// design linear in its size. Open one around each command, panel refresh or
/// report that reads many values; passes nest (an inner one joins the outer).
/// Reads outside any pass are computed afresh each time.
///
/// The design operations (choices, counts, effects, preclusions, deletions)
/// start the open pass afresh. Code that changes a variable's constant value
/// or aggregation mode while a pass is open calls Invalidate.
class TEvaluation
{
public:
    TEvaluation();
    ~TEvaluation();
    TEvaluation(const TEvaluation&) = delete;
    TEvaluation& operator=(const TEvaluation&) = delete;

    /// Forgets what the open pass has computed (nothing to do without one).
    static void Invalidate();
};

/// Computes the attribute's Result: its calculations that have effect, plus
/// the children's values weighted by their counts (averaged for an averaging
/// variable). A value that depends on itself, through the attribute's own
/// formula or formulas that read each other, is "#CONFLICT!".
const TVMResult& Compute(TAttribute& attribute);

/// The value of `source` for a calculation of `reader`, which is being
/// computed: Compute's result, except that a read that closes a circle of
/// reads gives "#CONFLICT!" (and so, in the end, does every attribute on it).
TVMResult ReadDuringCompute(TAttribute& source, TAttribute& reader);

/// The value of the variable for the whole design: a constant's value, else
/// what the top objects give, or UndefinedValue when a top object's value is in error.
double DesignValue(const TDesign& design, const TVariable& variable);

/// The error text, or the value formatted for the user.
QString ResultText(const TVMResult& result);

/// The value for the user, "undefined" when there is none: a reader takes a
/// 0 for a result.
QString ValueText(double value);
/// As ResultText, but "undefined" when there is no value and no error.
QString ShownResultText(const TVMResult& result);
