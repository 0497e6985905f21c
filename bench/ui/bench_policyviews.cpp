// The policy window and the problems and promises window on the large
// generated case with 5,000 combinations: opening each and rebuilding after a
// change notice.
#include "viewbench.h"

#include "model/caseedit.h"
#include "model/option.h"
#include "ui/policyview.h"
#include "ui/proproview.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// The option in the most combinations: the fullest right list.
TOption* BusiestOption(const TCase& aCase)
{
    TOption* busiest = nullptr;
    size_t most = 0;
    aCase.ForEachOption([&](TOption* option) {
        const size_t count = CombinationsOf(option).size();
        if (count > most) {
            most = count;
            busiest = option;
        }
    });
    return busiest;
}

void PolicyViewOpen(benchmark::State& state)
{
    TViewBench bench;
    for (auto _ : state) {
        TPolicyView view(bench.Window, bench.Case);
        view.SelectPolicy(bench.Case.Policies.First());
        view.SetMode(TPolicyView::TMode::Combinations);
        view.show();
        QApplication::processEvents();
    }
}
BENCHMARK(PolicyViewOpen)->Unit(benchmark::kMillisecond);

void PolicyViewRebuild(benchmark::State& state)
{
    TViewBench bench;
    TPolicyView view(bench.Window, bench.Case);
    view.SelectPolicy(bench.Case.Policies.First());
    view.show();
    QApplication::processEvents();
    TPolicy* policy = bench.Case.Policies.First();
    TOption* option = bench.Case.SystemLevels.First()->DecisionAreas.First()->Options.First();
    for (auto _ : state) {
        // A real change each time, so that the list is built anew: the option goes in and out.
        TCaseEdit edit(bench.Case, QStringLiteral("Bench"), ChangeEverything);
        if (std::erase(policy->Options, option) == 0) {
            policy->Options.push_back(option);
            SortOptions(policy->Options);
        }
    }
    state.SetLabel("one notice of every kind per iteration");
}
BENCHMARK(PolicyViewRebuild)->Unit(benchmark::kMillisecond);

void ProProViewOpen(benchmark::State& state)
{
    TViewBench bench;
    TOption* option = BusiestOption(bench.Case);
    for (auto _ : state) {
        TProProView view(bench.Window, bench.Case);
        view.Select(option);
        view.show();
        QApplication::processEvents();
    }
    state.SetLabel("5,000 areas, their options made as they open");
}
BENCHMARK(ProProViewOpen)->Unit(benchmark::kMillisecond);

void ProProViewRebuild(benchmark::State& state)
{
    TViewBench bench;
    TProProView view(bench.Window, bench.Case);
    TOption* option = BusiestOption(bench.Case);
    view.Select(option);
    view.show();
    QApplication::processEvents();
    TCombination* combination = CombinationsOf(option).front();
    const bool structural = state.range(0) != 0;
    TDecisionArea* area = option->DecisionArea;
    for (auto _ : state) {
        TCaseEdit edit(bench.Case, QStringLiteral("Bench"), ChangeEverything);
        if (structural) {
            // The list of areas and options changes: it is built anew.
            if (TOption* extra = area->Options.Find(QStringLiteral("Bench extra")))
                area->DeleteOption(extra);
            else
                area->AddOption(QStringLiteral("Bench extra"));
        } else {
            combination->Rating = qint16(combination->Rating == 3 ? -3 : 3);
        }
    }
    state.SetLabel(structural ? "an option added or deleted" : "a combination rated");
}
BENCHMARK(ProProViewRebuild)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
