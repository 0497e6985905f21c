// Undo and redo: a step (the snapshot taken as it ends), its undo and its
// redo, on the large generated case and on the example case, and the memory
// 100 steps hold.
#include "casegenerator.h"
#include "model/case.h"
#include "model/caseedit.h"
#include "storage/folderreader.h"
#include "storage/undohistory.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

std::unique_ptr<TCase> Example()
{
    auto aCase = std::make_unique<TCase>();
    ReadCaseFolder(*aCase, QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown/"));
    return aCase;
}

std::unique_ptr<TCase> CaseOfSize(int large)
{
    EnsureApplication();
    return large ? GenerateCase() : Example();
}

// A comment on the case: the cheapest edit, so the snapshot is what is measured.
void Step(TCase& aCase, int n)
{
    TCaseEdit edit(aCase, QStringLiteral("Edit comment"), ChangeCase);
    aCase.SetCommentText(QString::number(n));
}

void BM_TakeStep(benchmark::State& state)
{
    const auto aCase = CaseOfSize(int(state.range(0)));
    TUndoHistory history(*aCase);
    int n = 0;
    for (auto _ : state)
        Step(*aCase, ++n);
    state.counters["history MB for these steps"] = double(history.Bytes()) / (1 << 20);
    state.counters["steps kept"] = double(history.StepCount());
}
BENCHMARK(BM_TakeStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// When the user paused: never, so nothing is read ahead and the undo reads
// the state before the step back; before the step, so a copy of that state is
// ready and the undo straight after the step swaps items with it; or between
// the step and its undo, as a user takes a moment to reach for Undo.
enum class TPause { Never, BeforeTheStep, AfterTheStep };

void UndoStep(benchmark::State& state, TPause pause)
{
    const auto aCase = CaseOfSize(int(state.range(0)));
    TUndoHistory history(*aCase);
    // The state before the history's first step is taken as that step
    // begins, too late to be read ahead for it; steps after it are measured.
    int n = 0;
    Step(*aCase, ++n);
    for (auto _ : state) {
        state.PauseTiming();
        if (pause == TPause::BeforeTheStep)
            history.Settle();
        Step(*aCase, ++n);
        if (pause == TPause::AfterTheStep)
            history.Settle();
        state.ResumeTiming();
        history.Undo();
    }
}

void BM_UndoStepWithoutPause(benchmark::State& state) { UndoStep(state, TPause::Never); }
BENCHMARK(BM_UndoStepWithoutPause)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Fixed counts: the untimed pauses would otherwise run for many minutes.
void BM_UndoStepAtOnceAfterAPause(benchmark::State& state) { UndoStep(state, TPause::BeforeTheStep); }
BENCHMARK(BM_UndoStepAtOnceAfterAPause)->Arg(0)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoStepAtOnceAfterAPause)->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_UndoStepAfterAPause(benchmark::State& state) { UndoStep(state, TPause::AfterTheStep); }
BENCHMARK(BM_UndoStepAfterAPause)->Arg(0)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoStepAfterAPause)->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_RedoAfterUndo(benchmark::State& state)
{
    const auto aCase = CaseOfSize(int(state.range(0)));
    TUndoHistory history(*aCase);
    Step(*aCase, 1);
    for (auto _ : state) {
        state.PauseTiming();
        history.Settle();
        history.Undo();
        history.Settle();
        state.ResumeTiming();
        history.Redo();
    }
}
BENCHMARK(BM_RedoAfterUndo)->Arg(0)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoAfterUndo)->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond);

// Pages are compressed behind the steps; what they hold once that is done.
size_t SettledBytes(TUndoHistory& history)
{
    size_t bytes = history.Bytes();
    for (int wait = 0; wait < 100; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (history.Bytes() == bytes)
            break;
        bytes = history.Bytes();
    }
    return bytes;
}

void BM_HundredStepsOfTheLargeCase(benchmark::State& state)
{
    const auto aCase = CaseOfSize(1);
    for (auto _ : state) {
        TUndoHistory history(*aCase);
        for (int n = 0; n < 100; ++n)
            Step(*aCase, n);
        history.Settle();
        state.counters["MB held at once"] = double(history.Bytes()) / (1 << 20);
        state.counters["MB held compressed"] = double(SettledBytes(history)) / (1 << 20);
    }
}
BENCHMARK(BM_HundredStepsOfTheLargeCase)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
