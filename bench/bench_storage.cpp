// Writing and reading case folders of the large generated case and of one four
// times as large. Throughput counts the bytes of the pages written or read.
#include "casegenerator.h"
#include "model/case.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"

#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

namespace {

// Levels draw their icons with QPainter, which wants a GUI application.
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "orvel_bench";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

qint64 PageBytes(const QString& folder)
{
    qint64 bytes = 0;
    for (const QString& name : QDir(folder).entryList({ QStringLiteral("*.htm"), QStringLiteral("*.cmc") }, QDir::Files))
        bytes += QFileInfo(QDir(folder).filePath(name)).size();
    return bytes;
}

// One generated case per size, kept for the whole run: generation is not measured.
TCase& GeneratedCase(int factor)
{
    static std::map<int, std::unique_ptr<TCase>> cases;
    auto& slot = cases[factor];
    if (!slot)
        slot = GenerateCase(TCaseSize().Scaled(factor));
    return *slot;
}

// The folder written once per size, for the reading benchmark. ORVEL_BENCH_FOLDER
// keeps it (as FOLDER/large-N) for measurements outside the benchmark.
QString WrittenFolder(int factor)
{
    static QTemporaryDir temp;
    static std::map<int, QString> folders;
    QString& folder = folders[factor];
    if (folder.isEmpty()) {
        const QString root = qEnvironmentVariableIsSet("ORVEL_BENCH_FOLDER") ? qEnvironmentVariable("ORVEL_BENCH_FOLDER") : temp.path();
        folder = QStringLiteral("%1/large-%2/").arg(root).arg(factor);
        QDir().mkpath(folder);
        WriteCaseFolder(GeneratedCase(factor), folder);
    }
    return folder;
}

void BM_WriteCaseFolder(benchmark::State& state)
{
    EnsureApplication();
    const int factor = int(state.range(0));
    TCase& aCase = GeneratedCase(factor);
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("case"));
    const bool exportMode = state.range(1) != 0;
    for (auto _ : state)
        if (!WriteCaseFolder(aCase, folder, exportMode ? TSaveMode::Export : TSaveMode::Normal))
            state.SkipWithError("the case folder could not be written");
    // An export's throughput would count compressed bytes: it is timed only.
    if (!exportMode)
        state.SetBytesProcessed(state.iterations() * PageBytes(folder));
}
BENCHMARK(BM_WriteCaseFolder)->ArgsProduct({ { 1, 4 }, { 0, 1 } })->ArgNames({ "size", "export" })
    ->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();

void BM_ReadCaseFolder(benchmark::State& state)
{
    EnsureApplication();
    const QString folder = WrittenFolder(int(state.range(0)));
    for (auto _ : state) {
        TCase aCase;
        if (!ReadCaseFolder(aCase, folder))
            state.SkipWithError("the case folder could not be read");
        benchmark::DoNotOptimize(aCase.SystemLevels.Count());
    }
    state.SetBytesProcessed(state.iterations() * PageBytes(folder));
}
BENCHMARK(BM_ReadCaseFolder)->Arg(1)->Arg(4)->ArgName("size")->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();

} // namespace
