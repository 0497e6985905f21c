// Pictures of the windows for a person to look at:
//   orvel_screenshots FOLDER
// writes one PNG per dialog and window into FOLDER (outside the repository).
#include "actors/appreciation.h"
#include "actors/impactreport.h"
#include "design/designobject.h"
#include "import/olddatabasebuilder.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/messagerecorder.h"
#include "model/option.h"
#include "model/effect.h"
#include "storage/folderreader.h"
#include "ui/adddadialog.h"
#include "ui/actorview.h"
#include "ui/addoptiondialog.h"
#include "ui/catalogueview.h"
#include "ui/designview.h"
#include "ui/droplist.h"
#include "ui/doview.h"
#include "ui/finddialog.h"
#include "ui/iconeditor.h"
#include "ui/importdialog.h"
#include "ui/mainwindow.h"
#include "ui/namedialog.h"
#include "ui/phasecolordlg.h"
#include "ui/policyview.h"
#include "ui/proproview.h"
#include "ui/reportview.h"
#include "ui/systemhierarchy.h"
#include "ui/variabledialog.h"
#include "ui/xeditor.h"
#include "ui/uitestsupport.h"
#include "ui/webengineroot.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>
#include <cstdio>

namespace {

QString ShotFolder;
int Failures = 0;

void Shoot(QWidget& widget, const QString& name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = ShotFolder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "Could not write %s\n", qPrintable(path));
        ++Failures;
    }
}

const QString ExampleFolder = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");

/// A main window, shown, with the case in `folder` opened.
std::unique_ptr<TORVEL> OpenedWindow(QSize size, const QString& folder = ExampleFolder)
{
    auto window = std::make_unique<TORVEL>(QDir(ShotFolder).filePath(QStringLiteral("ORVEL.ini")));
    auto prompter = std::make_unique<TScriptedPrompter>();
    prompter->CaseFolderAnswer = folder;
    window->SetPrompter(std::move(prompter));
    window->SetCaseStore(TCaseStore::CaseFolders());
    window->resize(size);
    window->show();
    window->Open();
    return window;
}

/// The window of `kind` from the View menu.
template <class V>
V* OpenView(TORVEL& window, TViewKind kind)
{
    window.ViewAction(kind)->trigger();
    return dynamic_cast<V*>(window.View(kind));
}

/// A small case with enough in it to fill every dialog.
std::unique_ptr<TCase> SampleCase()
{
    auto aCase = std::make_unique<TCase>(QStringLiteral("Energy transition of Rivertown"));
    for (const char* name : {"Planning", "Construction", "Operation"})
        aCase->AddPhase(QLatin1String(name));
    for (int i = 0; i < aCase->Phases.Count(); ++i)
        aCase->Phases.At(i)->SetColors(TPhaseColorDlg::ColorsAt(i * 2, 0).Color, TPhaseColorDlg::ColorsAt(i * 2, 0).Middle,
                                       TPhaseColorDlg::ColorsAt(i * 2, 0).Dark);
    for (const char* name : {"Heat supply", "Insulation", "Mobility"})
        aCase->AddCategory(QLatin1String(name));
    for (const char* name : {"innovative", "subsidised"})
        aCase->AddQualifier(QLatin1String(name));
    aCase->AddScale(QStringLiteral("MWh/year"));
    aCase->AddScale(QStringLiteral("kEUR"));
    for (const char* name : {"Heat demand", "Investment", "Roof area", "Households"}) {
        TVariable* variable = aCase->Variables.At(aCase->AddVariable(QLatin1String(name)));
        variable->Scale = aCase->Scales.First();
        variable->AggregationMode = AggregationCumulative;
    }
    TSystemLevel* level = aCase->SystemLevels.At(aCase->AddSystemLevel(QStringLiteral("Building")));
    level->PlaceUnder(nullptr);
    TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(QStringLiteral("Roof")));
    area->Phase = aCase->Phases.At(0);
    area->Category = aCase->Categories.At(1);
    TOption* option = area->Options.At(area->AddOption(QStringLiteral("Solar collectors")));
    option->AddQualifier(aCase->Qualifiers.At(0));
    option->AddQualifier(aCase->Qualifiers.At(1));
    option->AddEffect(std::make_unique<TEffect>(option, aCase->Variables.Find(QStringLiteral("Heat demand"))));
    return aCase;
}

void ShootDialogsAndWindows()
{
    std::unique_ptr<TCase> aCase = SampleCase();
    TOption* option = aCase->SystemLevels.At(0)->DecisionAreas.At(0)->Options.At(0);

    TNameDialog name;
    name.Prepare(QStringLiteral("North district"));
    Shoot(name, "name");

    TAddDADialog area;
    area.Prepare(*aCase, aCase->SystemLevels.At(0)->DecisionAreas.At(0));
    Shoot(area, "decision-area");

    TAddOptionDialog optionDialog;
    optionDialog.Prepare(*aCase, option);
    Shoot(optionDialog, "option");

    TVariableDialog variable;
    variable.Prepare(*aCase);
    variable.VariableBox->setCurrentIndex(0);
    Shoot(variable, "variable");

    TFindDialog find;
    find.SearchString->setText(QStringLiteral("solar"));
    Shoot(find, "find");

    TPhaseColorDlg colour;
    colour.Select(QPoint(2, 1));
    Shoot(colour, "phase-colour");

    TXEditor editor;
    editor.Prepare(*option->Effects.front());
    editor.FormulaBox->setPlainText(QStringLiteral("0.6 * [Roof area] * (1 + foo"));
    editor.show();
    editor.accept();
    Shoot(editor, "formula-editor");

    TORVEL window(QDir(ShotFolder).filePath(QStringLiteral("ORVEL.ini")));
    auto prompter = std::make_unique<TScriptedPrompter>();
    prompter->NameAnswer = aCase->Name;
    window.SetPrompter(std::move(prompter));
    window.SetViewFactory(TViewKind::Phases, [](TORVEL&, TCase& c) -> QWidget* {
        auto* label = new QLabel(QStringLiteral("Phases of ") + c.Name);
        label->setWindowTitle(QStringLiteral("Phases"));
        label->resize(180, 250);
        return label;
    });
    window.New();
    window.Case()->Folder = QStringLiteral("/home/analyst/cases/Rivertown/");
    window.ToggleView(TViewKind::Phases);
    window.resize(1000, 650);
    Shoot(window, "main-window");
    window.Case()->Changed = false;
}

// Answers false when the example case cannot be read or reported on.
bool ShootReportViewer()
{
    // The shipped example case, saved to a scratch folder, with a real report on its designs.
    QTemporaryDir dir;
    auto aCase = std::make_unique<TCase>();
    if (!ReadCaseFolder(*aCase, ExampleFolder))
        return false;
    std::unique_ptr<TCaseStore> store = TCaseStore::CaseFolders();
    if (!store->Write(*aCase, dir.filePath(QStringLiteral("Rivertown")), false))
        return false;
    std::vector<TDesign*> designs(aCase->Designs.begin(), aCase->Designs.end());
    aCase->BaseCase = designs.front();
    TAppreciationSettings settings;
    settings.SpecificOptions = settings.Qualifications = true;
    if (WriteImpactReport(*aCase, designs, settings, true).isEmpty())
        return false;
    TReportView view;
    view.resize(1000, 650);
    view.Open(*aCase, *store);
    view.show();
    QSignalSpy spy(&view, &TReportView::AddressChanged);
    QElapsedTimer clock;
    clock.start();
    while (!view.Address().endsWith(QStringLiteral("ORVEL info.htm")) && clock.elapsed() < 20000)
        spy.wait(1000);
    view.Browser()->page()->runJavaScript(
        QStringLiteral("window.frames['contents'].document.querySelector('a[href^=\"ORVEL report\"]').click()"));
    while (!view.DeleteBtn->isEnabled() && clock.elapsed() < 20000)
        spy.wait(1000);
    QEventLoop paint;   // let the engine paint what it loaded
    QTimer::singleShot(800, &paint, &QEventLoop::quit);
    paint.exec();
    Shoot(view, "report-viewer");

    // The main window with that folder opened.
    std::unique_ptr<TORVEL> window = OpenedWindow(QSize(1000, 650), aCase->Folder);
    Shoot(*window, "main-window-opened");
    window->Case()->Changed = false;
    return true;
}

// The system hierarchy on the example case with each kind of item selected.
void ShootSystemHierarchy()
{
    std::unique_ptr<TORVEL> window = OpenedWindow(QSize(1000, 700));
    auto* view = OpenView<TSystemHierarchy>(*window, TViewKind::SystemHierarchy);
    TSystemLevel* district = window->Case()->SystemLevels.Find(QStringLiteral("District"));
    TDecisionArea* area = district->DecisionAreas.Find(QStringLiteral("Collective heat supply"));
    TOption* option = area->Options.Find(QStringLiteral("Geothermal heat network"));
    view->Select(district);
    Shoot(*view->parentWidget(), QStringLiteral("hierarchy-level"));
    view->Select(area);
    Shoot(*view->parentWidget(), QStringLiteral("hierarchy-area"));
    view->Select(option);
    Shoot(*view->parentWidget(), QStringLiteral("hierarchy-option"));
    view->Select(option->Effects.front().get());
    Shoot(*view->parentWidget(), QStringLiteral("hierarchy-effect"));
}

// The catalogue windows, each with its second entry selected, and the icon editor.
void ShootCatalogues()
{
    std::unique_ptr<TORVEL> window = OpenedWindow(QSize(1280, 860));
    const std::pair<TViewKind, const char*> views[] = {
        {TViewKind::Phases, "phases"},         {TViewKind::Categories, "categories"},
        {TViewKind::Qualifiers, "qualifiers"}, {TViewKind::Scales, "scales"},
        {TViewKind::Variables, "variables"},
    };
    for (const auto& [kind, name] : views) {
        auto* view = OpenView<TCatalogueView>(*window, kind);
        if (view->List->count() > 1)
            view->List->setCurrentRow(1);
        Shoot(*view->parentWidget(), QLatin1String(name));
    }
    Shoot(*window, QStringLiteral("catalogues-main"));

    TIconEditor editor;
    const std::pair<const TConcept*, const char*> icons[] = {{window->Case()->Categories.First(), "icon-editor"},
                                                             {window->Case()->SystemLevels.First(), "icon-editor-level"}};
    for (const auto& [item, name] : icons)
        if (editor.Prepare(*item))
            Shoot(editor, QLatin1String(name));
    window->Case()->Changed = false;
}

// The designs window and a design editor with each of its panels.
void ShootDesigns()
{
    std::unique_ptr<TORVEL> window = OpenedWindow(QSize(1280, 860));
    TCase& aCase = *window->Case();
    window->SpecificOptionsItem->trigger();
    window->QualificationsItem->trigger();
    auto* view = OpenView<TDesignView>(*window, TViewKind::Designs);
    TDesign* design = aCase.Designs.At(aCase.Designs.Count() - 1);
    view->Select(aCase.Designs.First());
    view->BaseCaseBtn->trigger();
    view->Select(design);
    view->EditBtn->trigger();
    auto* frame = static_cast<QMdiSubWindow*>(design->Editor.data());
    auto* editor = static_cast<TDOView*>(frame->widget());
    frame->resize(980, 520);
    view->parentWidget()->resize(760, 460);
    Shoot(*view->parentWidget(), QStringLiteral("designview"));

    TDesignObject* top = design->TopObjects.First();
    TDesignObject* shown = top->Children.IsEmpty() ? top : top->Children.First();
    const std::pair<TDOView::TPanel, const char*> panels[] = {
        {TDOView::TPanel::Preclusions, "doview-preclusions"},
        {TDOView::TPanel::ProblemsPromises, "doview-problems"},
        {TDOView::TPanel::Impacts, "doview-impacts"},
        {TDOView::TPanel::Qualifications, "doview-qualifications"},
    };
    // Each panel on the first object where it has something to show.
    for (const auto& [panel, name] : panels) {
        editor->ShowPanel(panel);
        bool found = false;
        design->ForEachObject([&](TDesignObject* object) {
            if (!found) {
                editor->Select(object);
                found = editor->Panel->topLevelItemCount() > 0;
            }
        });
        if (!found)
            editor->Select(shown);
        Shoot(*frame, QLatin1String(name));
    }
    Shoot(*window, QStringLiteral("designs-main"));
    aCase.Changed = false;
}

// The policies window in each mode, problems and promises, and the actors window in each mode.
void ShootPoliciesAndActors()
{
    std::unique_ptr<TORVEL> window = OpenedWindow(QSize(1280, 860));
    TCase& aCase = *window->Case();
    TPolicyView policies(*window, aCase);
    policies.SelectPolicy(aCase.Policies.First());
    const char* modes[] = {"options", "combinations", "variables", "qualifiers", "appreciation"};
    for (int mode = 0; mode < 5; ++mode) {
        policies.SetMode(TPolicyView::TMode(mode));
        Shoot(policies, QStringLiteral("policies-") + QLatin1String(modes[mode]));
    }

    TProProView propro(*window, aCase);
    // An area that some option precludes, and the option of the best rated combination.
    TDecisionArea* precluded = nullptr;
    aCase.ForEachOption([&precluded](TOption* o) {
        if (!precluded && !o->PrecludedAreas.empty())
            precluded = o->PrecludedAreas.front();
    });
    if (precluded) {
        propro.Select(precluded);
        Shoot(propro, QStringLiteral("propro-area"));
    }
    propro.Select(aCase.Combinations.front()->Options.front());
    Shoot(propro, QStringLiteral("propro-option"));

    auto* actors = OpenView<TActorView>(*window, TViewKind::Actors);
    actors->ActorList->setCurrentItem(actors->ActorList->findItems(QStringLiteral("City council"), Qt::MatchExactly).value(0));
    const char* names[] = {"objectives", "options", "qualifiers", "relations", "decisions"};
    for (int i = 0; i < ActorModeCount; ++i) {
        actors->SetMode(TActorMode(i));
        actors->PositionList->setCurrentRow(0);
        Shoot(*actors->parentWidget(), QStringLiteral("actors-") + QLatin1String(names[i]));
    }
    aCase.Changed = false;
}

// The import dialog on a small database in the older relational format.
void ShootImportDialog()
{
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("cases.db"));
    {
        TOldDatabaseBuilder db(database);
        const std::pair<int, const char*> cases[] = {{1, "Rivertown heating"}, {2, "Harbour"}};
        for (const auto& [key, name] : cases)
            db.Insert(QStringLiteral("Case"), {{"CaseID", key}, {"Name", name}, {"NrOfPhases", 1}, {"Phase1", "Plan"}});
    }
    TImportDialog dialog;
    dialog.Prepare(database);
    dialog.CaseBox->setCurrentText(QStringLiteral("Rivertown heating"));
    dialog.StatusBar1->showMessage(QStringLiteral("Imported: 12 decision areas"));
    Shoot(dialog, QStringLiteral("importdialog"));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    AllowWebEngineAsRoot();
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Usage: orvel_screenshots FOLDER\n"
                   "Writes a PNG of every dialog and window into FOLDER, for a person to look at.\n", stderr);
        return 2;
    }
    ShotFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(ShotFolder);
    TMessageRecorder quiet;
    ShootDialogsAndWindows();
    ShootSystemHierarchy();
    ShootCatalogues();
    ShootDesigns();
    ShootPoliciesAndActors();
    ShootImportDialog();
    if (!ShootReportViewer()) {
        std::fputs("The example case could not be read or reported on.\n", stderr);
        return 1;
    }
    return Failures > 0 ? 1 : 0;
}
