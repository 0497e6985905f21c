// Pictures of the windows for a person to look at:
//   orvel_screenshots FOLDER
// writes one PNG per dialog and window into FOLDER (outside the repository).
#include "actors/appreciation.h"
#include "actors/impactreport.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/messagerecorder.h"
#include "model/option.h"
#include "model/effect.h"
#include "storage/folderreader.h"
#include "ui/adddadialog.h"
#include "ui/addoptiondialog.h"
#include "ui/finddialog.h"
#include "ui/mainwindow.h"
#include "ui/namedialog.h"
#include "ui/phasecolordlg.h"
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
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineView>
#include <cstdio>

namespace {

QString ShotFolder;
int Failures = 0;

void Shoot(QWidget& widget, const char* name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = ShotFolder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "Could not write %s\n", qPrintable(path));
        ++Failures;
    }
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
    if (!ReadCaseFolder(*aCase, QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown")))
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
    TORVEL window(QDir(ShotFolder).filePath(QStringLiteral("ORVEL.ini")));
    auto prompter = std::make_unique<TScriptedPrompter>();
    prompter->CaseFolderAnswer = aCase->Folder;
    window.SetPrompter(std::move(prompter));
    window.resize(1000, 650);
    window.show();
    window.Open();
    Shoot(window, "main-window-opened");
    window.Case()->Changed = false;
    return true;
}

// The system hierarchy on the example case with each kind of item selected.
void ShootSystemHierarchy()
{
    TORVEL window(QDir(ShotFolder).filePath(QStringLiteral("ORVEL.ini")));
    auto prompter = std::make_unique<TScriptedPrompter>();
    prompter->CaseFolderAnswer = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");
    window.SetPrompter(std::move(prompter));
    window.SetCaseStore(TCaseStore::CaseFolders());
    window.resize(1000, 700);
    window.show();
    window.Open();
    window.ToggleView(TViewKind::SystemHierarchy);
    auto* view = static_cast<TSystemHierarchy*>(window.View(TViewKind::SystemHierarchy));
    TSystemLevel* district = window.Case()->SystemLevels.Find(QStringLiteral("District"));
    TDecisionArea* area = district->DecisionAreas.Find(QStringLiteral("Collective heat supply"));
    TOption* option = area->Options.Find(QStringLiteral("Geothermal heat network"));
    view->Select(district);
    Shoot(*view->parentWidget(), "hierarchy-level");
    view->Select(area);
    Shoot(*view->parentWidget(), "hierarchy-area");
    view->Select(option);
    Shoot(*view->parentWidget(), "hierarchy-option");
    view->Select(option->Effects.front().get());
    Shoot(*view->parentWidget(), "hierarchy-effect");
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
    if (!ShootReportViewer()) {
        std::fputs("The example case could not be read or reported on.\n", stderr);
        return 1;
    }
    return Failures > 0 ? 1 : 0;
}
