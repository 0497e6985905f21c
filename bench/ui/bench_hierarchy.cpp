// The system hierarchy window on the large generated case: opening it with the
// largest level selected, the rebuild after a rename, and Find next through
// every entry.
#include "casegenerator.h"
#include "model/case.h"
#include "model/messagerecorder.h"
#include "ui/hierarchytree.h"
#include "ui/mainwindow.h"
#include "ui/systemhierarchy.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct TLargeCase
{
    QTemporaryDir Settings;
    TORVEL Window{Settings.filePath(QStringLiteral("ORVEL.ini"))};
    std::unique_ptr<TCase> Case = GenerateCase();
    TSystemLevel* Largest = nullptr;

    TLargeCase()
    {
        for (TSystemLevel* level : Case->SystemLevels)
            if (!Largest || level->DecisionAreas.Count() > Largest->DecisionAreas.Count())
                Largest = level;
    }
};

TLargeCase& Large()
{
    static TLargeCase large;
    return large;
}

void HierarchyOpenLargestLevel(benchmark::State& state)
{
    TLargeCase& large = Large();
    for (auto _ : state) {
        TSystemHierarchy view(large.Window, *large.Case);
        view.Select(large.Largest);
        view.show();   // painted once, as the user first sees it
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.TreeView2->topLevelItemCount());
    }
    state.counters["areas"] = large.Largest->DecisionAreas.Count();
}
BENCHMARK(HierarchyOpenLargestLevel)->Unit(benchmark::kMillisecond);

void HierarchyRenameRebuild(benchmark::State& state)
{
    TMessageRecorder quiet;
    TLargeCase& large = Large();
    TSystemHierarchy view(large.Window, *large.Case);
    view.Select(large.Largest);
    TDecisionArea* area = large.Largest->DecisionAreas.First();
    view.Select(area);
    const QString name = area->Name;
    bool flip = false;
    for (auto _ : state) {
        view.RenameItem(area, flip ? name : name + QStringLiteral(" x"));
        flip = !flip;
    }
    view.RenameItem(area, name);
}
BENCHMARK(HierarchyRenameRebuild)->Unit(benchmark::kMillisecond);

void HierarchyFindNextWholeLevel(benchmark::State& state)
{
    TLargeCase& large = Large();
    TSystemHierarchy view(large.Window, *large.Case);
    view.Select(large.Largest);
    view.Select(large.Largest->DecisionAreas.First());
    // A text found nowhere: the search walks every entry round to where it began.
    const TFindRequest request{QStringLiteral("no such text"), true, true, true, true};
    for (auto _ : state)
        benchmark::DoNotOptimize(view.Find(request, true));
    int entries = 0;
    for (QTreeWidgetItemIterator it(view.TreeView2); *it; ++it)
        ++entries;
    state.counters["entries"] = entries;
}
BENCHMARK(HierarchyFindNextWholeLevel)->Unit(benchmark::kMillisecond);

} // namespace
