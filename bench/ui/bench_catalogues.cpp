// The catalogue windows on the large generated case (2,000 variables): opening
// each one, and rebuilding it after a change notice.
#include "../casegenerator.h"
#include "model/case.h"
#include "model/messagerecorder.h"
#include "ui/categoryview.h"
#include "ui/mainwindow.h"
#include "ui/phaseview.h"
#include "ui/qualifierview.h"
#include "ui/scaleview.h"
#include "ui/variableview.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct TCatalogueBench
{
    TCatalogueBench() : Window(Settings.filePath(QStringLiteral("ORVEL.ini"))), Case(GenerateCase()) {}
    TMessageRecorder Quiet;
    QTemporaryDir Settings;
    TORVEL Window;
    std::unique_ptr<TCase> Case;
};

TCatalogueBench& Bench()
{
    static TCatalogueBench bench;
    return bench;
}

constexpr TViewFactory Factories[] = {&TPhaseView::Create, &TCategoryView::Create, &TQualifierView::Create,
                                      &TScaleView::Create, &TVariableView::Create};
const char* const Names[] = {"Phases", "Categories", "Qualifiers", "Scales", "Variables"};

// Made, filled, shown and painted once.
void OpenCatalogueWindow(benchmark::State& state)
{
    TCatalogueBench& bench = Bench();
    state.SetLabel(Names[state.range(0)]);
    for (auto _ : state) {
        std::unique_ptr<QWidget> view(Factories[state.range(0)](bench.Window, *bench.Case));
        view->show();
        QApplication::processEvents();
    }
}
BENCHMARK(OpenCatalogueWindow)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// A notice of a catalogue change: the open window rebuilds and repaints.
void RebuildAfterNotice(benchmark::State& state)
{
    TCatalogueBench& bench = Bench();
    state.SetLabel(Names[state.range(0)]);
    std::unique_ptr<QWidget> view(Factories[state.range(0)](bench.Window, *bench.Case));
    view->show();
    QApplication::processEvents();
    for (auto _ : state) {
        bench.Case->Announce(ChangeCatalogues);
        QApplication::processEvents();
    }
}
BENCHMARK(RebuildAfterNotice)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace
