// The design windows on the generated design of 10,310 objects and 200
// variables with 30 actors: choosing one option with the editor open (every
// panel of the editor and the subsystem tree refreshed by the notice), and
// the design view's appreciation panel.
#include "../designgenerator.h"
#include "design/designobject.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/messagerecorder.h"
#include "ui/designview.h"
#include "ui/doview.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

TCase& GeneratedCase()
{
    static std::unique_ptr<TCase> generated;
    if (!generated) {
        generated = GenerateDesignCase();
        AddAppraisalPositions(*generated);
        generated->BaseCase = nullptr;
    }
    return *generated;
}

// A main window for the views' questions, gone before the application is.
struct TWindow
{
    QTemporaryDir Settings;
    TORVEL Main{Settings.filePath(QStringLiteral("ORVEL.ini"))};
};

// The object `depth` levels below the first top object.
TDesignObject* ObjectAt(TDesign& design, int depth)
{
    TDesignObject* object = design.TopObjects.First();
    for (int i = 0; i < depth && !object->Children.IsEmpty(); ++i)
        object = object->Children.First();
    return object;
}

// Arguments: the depth of the selected object (0 top .. 4 leaf) and the panel.
void BM_ChooseOptionWithEditorOpen(benchmark::State& state)
{
    TMessageRecorder quiet;
    TCase& aCase = GeneratedCase();
    TDesign& design = *aCase.Designs.First();
    TWindow window;
    TDOView editor(window.Main, aCase, design);
    editor.resize(900, 500);
    editor.show();
    TDesignObject* object = ObjectAt(design, int(state.range(0)));
    editor.Select(object);
    editor.ShowPanel(TDOView::TPanel(state.range(1)));
    TDecisionArea* area = object->SystemLevel->DecisionAreas.First();
    int turn = 0;
    for (auto _ : state) {
        editor.ChooseOption(area->Options.At(++turn % area->Options.Count()), false);
        benchmark::DoNotOptimize(editor.Panel->topLevelItemCount());
    }
    state.counters["panel entries"] = editor.Panel->topLevelItemCount();
}
BENCHMARK(BM_ChooseOptionWithEditorOpen)
    ->ArgNames({"depth", "panel"})
    ->ArgsProduct({{0, 1, 2, 4}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The appreciation panel of the design view for the 30 actors, all three
// partial appreciations switched on.
void BM_DesignViewAppreciations(benchmark::State& state)
{
    TMessageRecorder quiet;
    TCase& aCase = GeneratedCase();
    TWindow owner;
    TORVEL& window = owner.Main;
    for (QAction* item : {window.SpecificOptionsItem, window.QualificationsItem})
        item->setChecked(true);
    TDesignView view(window, aCase);
    view.show();
    view.Select(aCase.Designs.First());
    for (auto _ : state) {
        emit window.AppreciationOptionsChanged();
        benchmark::DoNotOptimize(view.Appreciations->topLevelItemCount());
    }
    state.counters["actors"] = view.Appreciations->topLevelItemCount();
    int entries = 0;
    for (QTreeWidgetItemIterator it(view.Appreciations); *it; ++it)
        ++entries;
    state.counters["entries"] = entries;
}
BENCHMARK(BM_DesignViewAppreciations)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
