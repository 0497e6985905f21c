// Start-up of the main window with its shared dialogs (the web engine must not
// start here), and opening the report viewer once the engine runs.
#include "model/case.h"
#include "model/messagerecorder.h"
#include "ui/casestore.h"
#include "ui/mainwindow.h"
#include "ui/reportview.h"
#include "ui/webengineroot.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void MainWindowStart(benchmark::State& state)
{
    QTemporaryDir settings;
    for (auto _ : state) {
        TORVEL window(settings.filePath(QStringLiteral("ORVEL.ini")));
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.Case());
    }
}
BENCHMARK(MainWindowStart)->Unit(benchmark::kMillisecond);

// From Open to the first page shown in the frameset, the engine already running.
void ReportViewerOpen(benchmark::State& state)
{
    TMessageRecorder quiet;
    QTemporaryDir folder;
    TCase aCase(QStringLiteral("Bench"));
    std::unique_ptr<TCaseStore> store = TCaseStore::CaseFolders();
    store->Write(aCase, folder.filePath(QStringLiteral("case")), false);
    TReportView view;
    auto open = [&] {
        QEventLoop loop;
        QObject::connect(&view, &TReportView::AddressChanged, &loop, [&](const QString& address) {
            if (address.endsWith(QStringLiteral("ORVEL info.htm")))
                loop.quit();
        });
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        view.Open(aCase, *store);
        loop.exec();
    };
    open();   // starts the engine, not measured
    for (auto _ : state)
        open();
}
BENCHMARK(ReportViewerOpen)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    AllowWebEngineAsRoot();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
