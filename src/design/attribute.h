#pragma once

#include "design/calculation.h"
#include "formula/vmresult.h"

#include <memory>
#include <vector>

class TDesignObject;
class TEffect;
class TVariable;

/// The value of one variable at one design object: the calculations of the
/// effects chosen there, aggregated with the values of the children.
class TAttribute
{
public:
    TAttribute(TDesignObject* object, const TVariable* variable, bool inherited);
    ~TAttribute();
    TAttribute(const TAttribute&) = delete;
    TAttribute& operator=(const TAttribute&) = delete;

    TDesignObject* DesignObject;
    const TVariable* Variable;
    /// Attributes whose calculations read this one, once per reading calculation.
    std::vector<TAttribute*> Dependents;
    std::vector<std::unique_ptr<TCalculation>> Calculations;   // in the order added
    /// The latest computed value (see Compute).
    TVMResult Result;
    /// Set for a placeholder: a variable read at the object before the object
    /// had an attribute for it; reads go to the nearest ancestor instead.
    bool Inherited;

    /// Adds a calculation of the effect when it is on this variable, has a
    /// formula and has none here yet; links it to the attributes it reads.
    void AddCalculation(TEffect* effect);
    /// Removes the effect's calculation, if any, with its links.
    void RemoveCalculation(const TEffect* effect);
    TCalculation* FindCalculation(const TEffect* effect) const;

    /// Bookkeeping of the evaluation (see evaluation.cpp): the pass whose result
    /// Result holds, and the marks of the walk that finds circular reads.
    struct TMarks
    {
        quint64 Pass = 0;
        quint64 Walk = 0;
        int Index = 0;
        int LowLink = 0;
        bool OnStack = false;
        bool ReadsItself = false;
    } Marks;
};
