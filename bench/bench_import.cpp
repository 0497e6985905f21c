// Importing a generated database of the older format: 10,000 options, 20,000
// effects and 1,000 design objects, and four times as much.
#include "casegenerator.h"
#include "import/caseimport.h"
#include "import/database.h"
#include "model/case.h"
#include "model/messagerecorder.h"
#include "olddatabasegenerator.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

namespace {

// One database file per size, kept for the run: generating it is not measured.
QString GeneratedDatabase(int factor)
{
    static QTemporaryDir temp;
    static std::map<int, QString> paths;
    QString& path = paths[factor];
    if (path.isEmpty()) {
        path = temp.filePath(QStringLiteral("old-%1.db").arg(factor));
        GenerateOldDatabase(path, TOldDatabaseSize().Scaled(factor));
    }
    return path;
}

void BM_ImportCase(benchmark::State& state)
{
    EnsureApplication();
    const int factor = int(state.range(0));
    const QString path = GeneratedDatabase(factor);
    TMessageRecorder quiet;
    for (auto _ : state) {
        const auto database = TDatabase::Open(path);
        TImportResult result = ImportCase(*database, QStringLiteral("Generated"));
        if (result.Outcome != TImportOutcome::Imported) {
            state.SkipWithError(quiet.Messages.value(0).toStdString().c_str());
            break;
        }
        state.PauseTiming();
        state.counters["options"] = TOldDatabaseSize().Scaled(factor).Options();
        state.counters["messages"] = quiet.Messages.size();
        quiet.Clear();
        result.Case.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportCase)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace
