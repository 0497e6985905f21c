// The actor window on the large generated case with 500 actors: opening it,
// switching its mode and rebuilding after a change notice.
#include "viewbench.h"

#include "model/case.h"
#include "ui/actorview.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void ActorViewOpen(benchmark::State& state)
{
    TViewBench bench;
    for (auto _ : state) {
        TActorView view(bench.Window, bench.Case);
        view.show();
        QApplication::processEvents();
    }
}
BENCHMARK(ActorViewOpen)->Unit(benchmark::kMillisecond);

void ActorViewSwitchMode(benchmark::State& state)
{
    TViewBench bench;
    TActorView view(bench.Window, bench.Case);
    view.show();
    const auto mode = TActorMode(state.range(0));
    for (auto _ : state) {
        view.SetMode(TActorMode::Relations);
        view.SetMode(mode);
        QApplication::processEvents();
    }
    state.SetLabel("two switches per iteration");
}
BENCHMARK(ActorViewSwitchMode)->DenseRange(0, ActorModeCount - 1)->Unit(benchmark::kMillisecond);

void ActorViewRebuild(benchmark::State& state)
{
    TViewBench bench;
    TActorView view(bench.Window, bench.Case);
    view.show();
    view.SetMode(TActorMode(state.range(0)));
    for (auto _ : state) {
        bench.Case.Announce(ChangeActors);
        QApplication::processEvents();
    }
}
BENCHMARK(ActorViewRebuild)->DenseRange(0, ActorModeCount - 1)->Unit(benchmark::kMillisecond);

} // namespace
