#include "design/evaluation.h"

#include "design/attribute.h"
#include "design/design.h"
#include "design/designobject.h"
#include "model/effect.h"
#include "model/enumerations.h"
#include "model/helpers.h"
#include "model/messages.h"
#include "model/option.h"
#include "model/variable.h"

#include <algorithm>

// Computing an attribute reads its children's attributes and the attributes
// its formulas read; those reads form a graph that may hold circles. Compute
// walks it depth first and finds the strongly connected groups on the way
// (Tarjan's method): every attribute of a group that reads itself gets
// "#CONFLICT!", whatever attribute the walk started from, so a result never
// depends on the order of reads. Within an open pass each attribute is walked
// once; its Result then stands for the rest of the pass.

namespace {

struct TPassState
{
    int OpenScopes = 0;
    quint64 Pass = 0;             // the open pass; 0 when none is open
    quint64 LastId = 0;           // pass and walk ids are never reused
    bool InvalidatePending = false;
    int Running = 0;              // nested Compute calls of the current walk
    quint64 Walk = 0;
    int NextIndex = 0;
    std::vector<TAttribute*> Stack;
};

TPassState& State()
{
    // Passes run on the program's thread; a case read on another thread only invalidates.
    static thread_local TPassState state;
    return state;
}

const TVMResult Conflict{ VMConflict, UndefinedValue };

TVMResult Read(TAttribute& source, TAttribute* reader);

double Plus(double sum, double value) { return IsUndefined(sum) ? value : sum + value; }

TVMResult Evaluate(TAttribute& attribute)
{
    const TDesignObject& object = *attribute.DesignObject;
    TVMResult result;
    if (attribute.Calculations.empty())
        result.Value = 0;
    for (const auto& calculation : attribute.Calculations) {
        calculation->Run();
        if (calculation->Stack.size() != 1) {
            ShowError(QStringLiteral("VM stack error in subsystem \"") + object.Name + QStringLiteral("\""));
            result.Error = VMStackError;
            break;
        }
        // Run even when ruled out, so that malformed code is still reported.
        if (object.IsPrecluded(calculation->Effect->Option->DecisionArea) >= 0)
            continue;
        const TVMResult& entry = calculation->Stack.front();
        result.Error = std::min(result.Error, entry.Error);
        result.Value = Plus(result.Value, entry.Value);
    }
    const double own = result.Value;
    const bool averaging = attribute.Variable->IsAveraging();
    qint64 weight = 0;
    for (TDesignObject* child : object.Children) {
        TAttribute* part = child->FindAttribute(attribute.Variable);
        if (!part)
            continue;
        const TVMResult value = Read(*part, &attribute);
        result.Error = std::min(result.Error, value.Error);
        // A child in error or without any value adds nothing, not even to the
        // number the average divides by.
        if (value.Error != 0 || IsUndefined(value.Value))
            continue;
        if (averaging)
            weight += child->Count();
        result.Value = Plus(result.Value, child->Count() * value.Value);
    }
    // The own part is in the sum and is added once more after the division.
    if (averaging && !IsUndefined(result.Value) && weight > 0 && result.Error == 0)
        result.Value = result.Value / double(weight) + (IsUndefined(own) ? 0 : own);
    return result;
}

void Visit(TAttribute& attribute)
{
    TPassState& s = State();
    TAttribute::TMarks& marks = attribute.Marks;
    marks.Walk = s.Walk;
    marks.Index = marks.LowLink = s.NextIndex++;
    marks.OnStack = true;
    marks.ReadsItself = false;
    s.Stack.push_back(&attribute);
    attribute.Result = Evaluate(attribute);
    if (marks.LowLink != marks.Index)
        return;
    // The attribute heads a group: it and everything above it on the stack.
    const auto head = std::find(s.Stack.rbegin(), s.Stack.rend(), &attribute).base() - 1;
    const bool circular = s.Stack.end() - head > 1 || marks.ReadsItself;
    for (auto it = head; it != s.Stack.end(); ++it) {
        (*it)->Marks.OnStack = false;
        (*it)->Marks.Pass = s.Pass;
        if (circular)
            (*it)->Result = Conflict;
    }
    s.Stack.erase(head, s.Stack.end());
}

TVMResult Read(TAttribute& source, TAttribute* reader)
{
    TPassState& s = State();
    TAttribute::TMarks& marks = source.Marks;
    if (marks.Pass == s.Pass)
        return source.Result;
    if (marks.Walk == s.Walk && marks.OnStack) {
        if (reader) {
            reader->Marks.LowLink = std::min(reader->Marks.LowLink, marks.Index);
            reader->Marks.ReadsItself = reader->Marks.ReadsItself || reader == &source;
        }
        return Conflict;
    }
    Visit(source);
    if (reader && marks.OnStack)
        reader->Marks.LowLink = std::min(reader->Marks.LowLink, marks.LowLink);
    return source.Result;
}

// Keeps the walk's bookkeeping for the outermost Compute of a pass.
class TWalk
{
public:
    TWalk()
    {
        TPassState& s = State();
        if (s.Running++ == 0) {
            s.Walk = ++s.LastId;
            s.NextIndex = 0;
        }
    }
    ~TWalk()
    {
        TPassState& s = State();
        if (--s.Running == 0 && s.InvalidatePending) {
            s.InvalidatePending = false;
            s.Pass = ++s.LastId;
        }
    }

private:
    TEvaluation Pass;
};

} // namespace

TEvaluation::TEvaluation()
{
    TPassState& s = State();
    if (s.OpenScopes++ == 0)
        s.Pass = ++s.LastId;
}

TEvaluation::~TEvaluation()
{
    TPassState& s = State();
    if (--s.OpenScopes == 0) {
        s.Pass = 0;
        s.InvalidatePending = false;
    }
}

void TEvaluation::Invalidate()
{
    TPassState& s = State();
    if (s.OpenScopes == 0)
        return;
    // Never in the middle of a walk, whose marks belong to the pass.
    if (s.Running > 0)
        s.InvalidatePending = true;
    else
        s.Pass = ++s.LastId;
}

const TVMResult& Compute(TAttribute& attribute)
{
    const TWalk walk;
    Read(attribute, nullptr);
    return attribute.Result;
}

TVMResult ReadDuringCompute(TAttribute& source, TAttribute& reader)
{
    const TWalk walk;
    return Read(source, &reader);
}

double DesignValue(const TDesign& design, const TVariable& variable)
{
    // A constant holds everywhere, as formulas read it; no design object has to carry it.
    if (variable.HasValue())
        return variable.Value;
    const TEvaluation pass;
    double sum = 0;
    qint64 count = 0;
    for (TDesignObject* top : design.TopObjects) {
        TAttribute* attribute = top->FindAttribute(&variable);
        if (!attribute)
            continue;
        const TVMResult& result = Compute(*attribute);
        if (result.Error < 0)
            return UndefinedValue;
        if (IsUndefined(result.Value))
            continue;
        count += top->Count();
        sum += top->Count() * result.Value;
    }
    if (variable.IsCumulative())
        return sum;
    return count <= 0 ? 0 : sum / double(count);
}

QString ResultText(const TVMResult& result)
{
    return result.Error != 0 ? VMErrorText(result.Error) : FormatValue(result.Value);
}

QString ValueText(double value)
{
    return IsUndefined(value) ? QStringLiteral("undefined") : FormatValue(value);
}

QString ShownResultText(const TVMResult& result)
{
    return result.Error != 0 ? VMErrorText(result.Error) : ValueText(result.Value);
}
