// Evaluation of a generated design: every attribute of every design object and
// every design value, within one evaluation pass (the memo), with every value
// computed on its own (each read its own pass), and with the plain recursion
// that recomputes every value it reads, for the default design and one four
// times larger.
#include "designgenerator.h"

#include "design/design.h"
#include "design/evaluation.h"
#include "formula/machine.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/option.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

const TCase& GeneratedCase(int factor)
{
    static std::map<int, std::unique_ptr<TCase>> cases;
    auto& c = cases[factor];
    if (!c)
        c = GenerateDesignCase(TDesignSize().Scaled(factor));
    return *c;
}

int AttributeCount(const TDesign& design)
{
    int count = 0;
    design.ForEachObject([&](TDesignObject* object) { count += int(object->Attributes.size()); });
    return count;
}

void ComputeEverything(const TCase& aCase)
{
    const TDesign& design = *aCase.Designs.First();
    design.ForEachObject([](TDesignObject* object) {
        for (const auto& attribute : object->Attributes)
            benchmark::DoNotOptimize(Compute(*attribute));
    });
    for (const TVariable* variable : aCase.Variables)
        benchmark::DoNotOptimize(DesignValue(design, *variable));
}

void Describe(benchmark::State& state, const TCase& aCase)
{
    const TDesign& design = *aCase.Designs.First();
    int objects = 0;
    design.ForEachObject([&](TDesignObject*) { ++objects; });
    state.counters["objects"] = objects;
    state.counters["attributes"] = AttributeCount(design);
}

// Overwrites a buffer larger than the caches, so that the next evaluation
// starts as one after loading or editing does, not with the design still
// cached from the previous iteration.
void EvictCaches()
{
    static std::vector<char> buffer(size_t(512) << 20);
    static char round = 0;
    std::fill(buffer.begin(), buffer.end(), ++round);
    benchmark::DoNotOptimize(buffer.data());
}

// Arguments: the size factor, and 1 to start every evaluation with cold caches.
void BM_EvaluateDesignInOnePass(benchmark::State& state)
{
    const TCase& aCase = GeneratedCase(int(state.range(0)));
    const bool cold = state.range(1) != 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            EvictCaches();
            state.ResumeTiming();
        }
        const TEvaluation pass;
        ComputeEverything(aCase);
    }
    Describe(state, aCase);
}
BENCHMARK(BM_EvaluateDesignInOnePass)
    ->ArgNames({ "factor", "cold" })
    ->Args({ 1, 0 })->Args({ 4, 0 })->Args({ 1, 1 })->Args({ 4, 1 })
    ->Unit(benchmark::kMillisecond);

// Outside a pass every read starts afresh: what each value costs on its own.
void BM_EvaluateEachValueOnItsOwn(benchmark::State& state)
{
    const TCase& aCase = GeneratedCase(int(state.range(0)));
    for (auto _ : state)
        ComputeEverything(aCase);
    Describe(state, aCase);
}
BENCHMARK(BM_EvaluateEachValueOnItsOwn)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);

// The baseline: a read recomputes everything it reads, every time. The
// generated formulas never read in circles, so it needs no guard against them.
TVMResult Recompute(const TDesignObject& object, const TVariable& variable);

class TPlainContext : public TVMContext
{
public:
    explicit TPlainContext(const TDesignObject& object) : Object(object) {}
    TVMResult ReadVariable(const TVariable& variable) override
    {
        const TAttribute* source = Object.FindAttribute(&variable);
        if (!source)
            source = Object.FindAncestorAttribute(&variable);
        return source ? Recompute(*source->DesignObject, variable) : TVMResult{ VMNoAttribute, UndefinedValue };
    }
    const TDesignObject& Object;
};

double Plus(double sum, double value) { return IsUndefined(sum) ? value : sum + value; }

TVMResult Recompute(const TDesignObject& object, const TVariable& variable)
{
    const TAttribute& attribute = *object.FindAttribute(&variable);
    TVMResult result;
    if (attribute.Calculations.empty())
        result.Value = 0;
    for (const auto& calculation : attribute.Calculations) {
        TPlainContext context(object);
        RunCode(calculation->Effect->Code, context);
        if (object.IsPrecluded(calculation->Effect->Option->DecisionArea) >= 0)
            continue;
        result.Error = std::min(result.Error, context.Stack.front().Error);
        result.Value = Plus(result.Value, context.Stack.front().Value);
    }
    const double own = result.Value;
    qint64 weight = 0;
    for (const TDesignObject* child : object.Children) {
        if (!child->FindAttribute(&variable))
            continue;
        const TVMResult value = Recompute(*child, variable);
        result.Error = std::min(result.Error, value.Error);
        if (value.Error != 0 || IsUndefined(value.Value))
            continue;
        weight += child->Count();
        result.Value = Plus(result.Value, child->Count() * value.Value);
    }
    if (variable.IsAveraging() && !IsUndefined(result.Value) && weight > 0 && result.Error == 0)
        result.Value = result.Value / double(weight) + (IsUndefined(own) ? 0 : own);
    return result;
}

void BM_EvaluateWithoutMemo(benchmark::State& state)
{
    const TCase& aCase = GeneratedCase(int(state.range(0)));
    const TDesign& design = *aCase.Designs.First();
    for (auto _ : state) {
        design.ForEachObject([](TDesignObject* object) {
            for (const auto& attribute : object->Attributes)
                benchmark::DoNotOptimize(Recompute(*object, *attribute->Variable));
        });
        for (const TVariable* variable : aCase.Variables)
            for (const TDesignObject* top : design.TopObjects)
                if (top->FindAttribute(variable))
                    benchmark::DoNotOptimize(Recompute(*top, *variable));
    }
    Describe(state, aCase);
}
BENCHMARK(BM_EvaluateWithoutMemo)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
