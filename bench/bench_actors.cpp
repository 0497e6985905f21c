// The actors' appreciation of designs and the impact report on the large
// generated design case: ten designs of 10,310 objects each, 30 actors with 10
// goals, 10 option feelings and 5 qualifier feelings each. Then a report on a
// case of the size an analyst works with every day: a few hundred options,
// three designs of a few hundred objects.
#include "actors/appreciation.h"
#include "actors/designsurvey.h"
#include "actors/impactreport.h"
#include "casegenerator.h"
#include "design/design.h"
#include "design/evaluation.h"
#include "designgenerator.h"
#include "model/case.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

namespace {

TDesignSize LargeDesigns()
{
    TDesignSize size;
    size.Designs = 10;
    return size;
}

TDesignSize EverydayDesigns()
{
    TDesignSize size;
    size.TopObjects = 2;
    size.Children = { 3, 3, 3, 3 };    // 242 objects
    size.AreasPerLevel = 20;
    size.OptionsPerArea = 4;           // 400 options
    size.Designs = 3;
    return size;
}

TAppraisalSize EverydayPositions()
{
    TAppraisalSize size;
    size.Actors = 10;
    size.Combinations = 20;
    return size;
}

// Built once per kind: 0 the large case, 1 the everyday case.
TCase& AppraisalCase(int kind)
{
    static std::map<int, std::unique_ptr<TCase>> cases;
    auto& c = cases[kind];
    if (!c) {
        EnsureApplication();
        c = GenerateDesignCase(kind == 0 ? LargeDesigns() : EverydayDesigns());
        AddAppraisalPositions(*c, kind == 0 ? TAppraisalSize() : EverydayPositions());
    }
    return *c;
}

// Bits of the argument: 1 objectives, 2 specific options, 4 qualifications.
TAppreciationSettings Settings(int64_t bits) { return { (bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0 }; }

void BM_AppraiseEveryDesign(benchmark::State& state)
{
    TCase& aCase = AppraisalCase(0);
    const TAppreciationSettings settings = Settings(state.range(0));
    int appreciations = 0;
    for (auto _ : state) {
        // As the appraise command does: one pass, one survey per design.
        const TEvaluation pass;
        for (TDesign* design : aCase.Designs) {
            const auto survey = std::make_shared<TDesignSurvey>(design);
            for (TActor* actor : aCase.Actors) {
                benchmark::DoNotOptimize(CreateActorAppreciation(actor, design, settings, survey));
                ++appreciations;
            }
        }
    }
    state.counters["designs"] = aCase.Designs.Count();
    state.counters["appreciations/s"] = benchmark::Counter(appreciations, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AppraiseEveryDesign)->ArgName("parts")->Arg(1)->Arg(2)->Arg(4)->Arg(7)->Unit(benchmark::kMillisecond);

void WriteReports(benchmark::State& state, TCase& aCase, int designs)
{
    QTemporaryDir temp;
    aCase.Folder = temp.path() + QLatin1Char('/');
    aCase.Contents = TCase::DefaultContents();
    std::vector<TDesign*> chosen;
    for (int i = 0; i < designs; ++i)
        chosen.push_back(aCase.Designs.At(i));
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString path = WriteImpactReport(aCase, chosen, Settings(7), true);
        if (path.isEmpty())
            state.SkipWithError("the report could not be written");
        state.PauseTiming();
        bytes = QFileInfo(path).size();
        QFile::remove(path);
        state.ResumeTiming();
    }
    state.counters["report bytes"] = double(bytes);
    aCase.Folder.clear();
}

void BM_WriteReportOnTenLargeDesigns(benchmark::State& state) { WriteReports(state, AppraisalCase(0), 10); }
BENCHMARK(BM_WriteReportOnTenLargeDesigns)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteEverydayReport(benchmark::State& state) { WriteReports(state, AppraisalCase(1), 3); }
BENCHMARK(BM_WriteEverydayReport)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
