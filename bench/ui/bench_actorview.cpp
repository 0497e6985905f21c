// The actor window on the large generated case with 500 actors: opening it,
// switching its mode and rebuilding after a change notice.
#include "../casegenerator.h"

#include "model/case.h"
#include "model/messagerecorder.h"
#include "ui/actorview.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

TCase& LargeActorCase()
{
    static const std::unique_ptr<TCase> aCase = [] {
        TCaseSize size;
        size.Actors = 500;
        size.Combinations = 5000;
        return GenerateCase(size);
    }();
    return *aCase;
}

/// A main window for the view to ask its questions through; the case is the
/// generated one, handed to the view directly.
struct TActorBench
{
    TMessageRecorder Quiet;
    QTemporaryDir Settings;
    TORVEL Window{Settings.filePath(QStringLiteral("ORVEL.ini"))};
    TCase& Case = LargeActorCase();
};

void ActorViewOpen(benchmark::State& state)
{
    TActorBench bench;
    for (auto _ : state) {
        TActorView view(bench.Window, bench.Case);
        view.show();
        QApplication::processEvents();
    }
}
BENCHMARK(ActorViewOpen)->Unit(benchmark::kMillisecond);

void ActorViewSwitchMode(benchmark::State& state)
{
    TActorBench bench;
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
    TActorBench bench;
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
