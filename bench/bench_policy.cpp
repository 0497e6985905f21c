// Qualifications and combination occurrences over a large design: both walk a
// design's whole tree and must stay linear in its size. Then the pages of
// problems and promises, actors and policies of a large case, written and read.
#include "casegenerator.h"
#include "design/design.h"
#include "model/case.h"
#include "policy/combination.h"
#include "policy/occurrence.h"
#include "policy/qualification.h"
#include "storage/actorspagereader.h"
#include "storage/actorspagewriter.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "storage/policiespagereader.h"
#include "storage/policiespagewriter.h"
#include "storage/propropagereader.h"
#include "storage/propropagewriter.h"
#include "storage/savetransaction.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Three levels (city, district, block), each with four decision areas of three
// options; eight qualifiers spread over the options. `width` children per object.
struct TLargeDesign
{
    TCase Case;
    std::vector<TSystemLevel*> Levels;
    TDesign* Design = nullptr;

    explicit TLargeDesign(int width)
    {
        for (int q = 0; q < 8; ++q)
            Case.AddQualifier(QStringLiteral("q%1").arg(q));
        TSystemLevel* parent = nullptr;
        for (const char* name : { "city", "district", "block" }) {
            TSystemLevel* level = Case.SystemLevels.At(Case.AddSystemLevel(QLatin1String(name)));
            level->PlaceUnder(parent);
            for (int a = 0; a < 4; ++a) {
                TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(QStringLiteral("area %1").arg(a)));
                for (int o = 0; o < 3; ++o) {
                    TOption* option = area->Options.At(area->AddOption(QStringLiteral("option %1").arg(o)));
                    option->Number = o;
                    option->AddQualifier(Case.Qualifiers.At((a * 3 + o) % 8));
                }
            }
            Levels.push_back(level);
            parent = level;
        }
        Design = Case.Designs.At(Case.AddDesign("large"));
        Fill(nullptr, 0, width);
    }

    void Fill(TDesignObject* parent, int depth, int width)
    {
        if (depth == int(Levels.size()))
            return;
        const int count = depth == 0 ? 1 : width;
        for (int i = 0; i < count; ++i) {
            TDesignObject* object = Design->AddDesignObject(QStringLiteral("o%1").arg(i), parent, Levels[size_t(depth)]);
            object->SetCount(1 + i % 3);
            int a = 0;
            for (TDecisionArea* area : Levels[size_t(depth)]->DecisionAreas)
                object->SelectDesignOption(area->Options.At((i + a++) % 3));
            Fill(object, depth + 1, width);
        }
    }

    TOption* OptionAt(int level, int area, int option) const
    {
        return Levels[size_t(level)]->DecisionAreas.At(area)->Options.At(option);
    }
};

void BuildAndTotalQualifications(benchmark::State& state)
{
    EnsureApplication();
    TLargeDesign large(int(state.range(0)));
    TDesignObject* top = large.Design->TopObjects.At(0);
    for (auto _ : state) {
        const auto list = BuildQualifications(top);
        int total = 0;
        for (int i = 0; i < list->Count(); ++i)
            total += TotalRelevant(*list->At(i)) + TotalQualified(*list->At(i));
        benchmark::DoNotOptimize(total);
    }
    state.SetComplexityN(state.range(0) * state.range(0));
}
BENCHMARK(BuildAndTotalQualifications)->RangeMultiplier(2)->Range(8, 64)->Complexity();

void CountCombinationOccurrences(benchmark::State& state)
{
    EnsureApplication();
    TLargeDesign large(int(state.range(0)));
    std::vector<std::unique_ptr<TCombination>> combinations;
    for (int option = 0; option < 3; ++option) {
        auto c = std::make_unique<TCombination>(&large.Case);
        c->Options = { large.OptionAt(0, 0, 0), large.OptionAt(1, 0, option), large.OptionAt(2, 1, option),
                       large.OptionAt(2, 2, (option + 1) % 3) };
        SortOptions(c->Options);
        combinations.push_back(std::move(c));
    }
    for (auto _ : state) {
        int total = 0;
        for (const auto& c : combinations)
            total += CountOccurrences(*c, large.Design->TopObjects);
        benchmark::DoNotOptimize(total);
    }
    state.SetComplexityN(state.range(0) * state.range(0));
}
BENCHMARK(CountCombinationOccurrences)->RangeMultiplier(2)->Range(8, 64)->Complexity();

// The large case of the storage benchmarks with 500 actors, 5000 combinations
// and 500 policies; `factor` scales all of it.
TCaseSize PositionsSize(int factor)
{
    TCaseSize size;
    size.Actors = 500;
    size.Combinations = 5000;
    size.Policies = 500;
    return size.Scaled(factor);
}

qint64 PositionPageBytes(const QString& folder)
{
    qint64 bytes = 0;
    for (const char* page : { "ORVEL propro.htm", "ORVEL actors.htm", "ORVEL policies.htm" })
        bytes += QFileInfo(folder + QLatin1String(page)).size();
    return bytes;
}

void WritePositionPages(benchmark::State& state)
{
    EnsureApplication();
    const auto aCase = GenerateCase(PositionsSize(int(state.range(0))));
    QTemporaryDir temp;
    TSaveTransaction save(temp.path() + QLatin1Char('/'));
    const TFolderWriter folder(*aCase, save, TSaveMode::Normal);
    for (auto _ : state) {
        WriteProblemsPromisesPage(folder);
        WriteActorsPage(folder);
        WritePoliciesPage(folder);
    }
    state.SetBytesProcessed(state.iterations() * PositionPageBytes(save.StagedPath(QString())));
}
BENCHMARK(WritePositionPages)->Arg(1)->Arg(4)->ArgName("size")->Unit(benchmark::kMillisecond)->UseRealTime();

void ReadPositionPages(benchmark::State& state)
{
    EnsureApplication();
    const TCaseSize size = PositionsSize(int(state.range(0)));
    QTemporaryDir temp;
    const QString path = temp.path() + QLatin1Char('/');
    {
        const auto written = GenerateCase(size);
        TSaveTransaction save(path);
        const TFolderWriter folder(*written, save, TSaveMode::Normal);
        WriteProblemsPromisesPage(folder);
        WriteActorsPage(folder);
        WritePoliciesPage(folder);
        save.Commit();
    }
    // The same hierarchy without the positions, which each round reads anew.
    TCaseSize bare = size;
    bare.Actors = bare.Combinations = bare.Policies = 0;
    const auto aCase = GenerateCase(bare);
    for (auto _ : state) {
        state.PauseTiming();
        aCase->Combinations.clear();
        aCase->Policies.Clear();
        aCase->Actors.Clear();
        state.ResumeTiming();
        TFolderReader folder(*aCase, path);
        ReadProblemsPromisesPage(folder);
        ReadActorsPage(folder);
        ReadPoliciesPage(folder);
        if (folder.HadError || aCase->Actors.IsEmpty())
            state.SkipWithError("the pages could not be read");
    }
    state.SetBytesProcessed(state.iterations() * PositionPageBytes(path));
}
BENCHMARK(ReadPositionPages)->Arg(1)->Arg(4)->ArgName("size")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
