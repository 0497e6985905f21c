// Throughput of the stack machine on a typical effect formula.
#include "formula/compiler.h"
#include "formula/machine.h"
#include "formula/vminstruction.h"
#include "model/case.h"

#include <benchmark/benchmark.h>

namespace {

// 20 instructions: pushes, the four basic operations, max, and three functions.
const QString Formula = QStringLiteral("[a] * 2 + [b] / 3 - sqrt [c] max (sin [a] * [b]) + exp([c] / 10)");

void BM_StackMachine(benchmark::State& state)
{
    TCase aCase;
    const double values[] = {1.5, 4, 9};
    for (int i = 0; i < 3; ++i)
        aCase.Variables.At(aCase.AddVariable(QString(QChar(u'a' + i))))->Value = values[i];
    const TCompileResult compiled = CompileFormula(Formula, &aCase);
    if (!compiled.Message.isEmpty() || compiled.Code.size() != 20) {
        state.SkipWithError("the formula does not compile to 20 instructions");
        return;
    }
    TVMContext context;
    context.Stack.reserve(16);
    for (auto _ : state) {
        RunCode(compiled.Code, context);
        benchmark::DoNotOptimize(context.Stack.back());
    }
    state.counters["instructions"] = benchmark::Counter(
        double(state.iterations()) * double(compiled.Code.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StackMachine);

} // namespace
