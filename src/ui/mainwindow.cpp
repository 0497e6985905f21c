#include "ui/mainwindow.h"

#include "model/case.h"
#include "storage/undohistory.h"
#include "ui/casestore.h"
#include "ui/desktopprompter.h"
#include "ui/statuspanel.h"
#include "ui/uiicons.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>

TORVEL::TORVEL(const QString& settingsFile, QWidget* parent)
    : QMainWindow(parent), SettingsFile(settingsFile), Folder(ReadLastFolder(settingsFile)),
      CaseStore(TCaseStore::CaseFolders()), Prompter(std::make_unique<TDesktopPrompter>(*this)),
      Mdi(new QMdiArea(this)), Shared(this)
{
    Mdi->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(Mdi);
    setWindowIcon(ProgramIcon());   // child windows and dialogs show it too
    resize(1000, 700);
    CreateMenus();
    CreateStatusBar();
    UpdateMenus();
}

TORVEL::~TORVEL()
{
    // The views point into the case: they go before it.
    CloseViews();
}

QString TORVEL::Caption(const QString& subtitle) { return QStringLiteral("ORVEL 3.0  --  ") + subtitle; }

void TORVEL::SetPrompter(std::unique_ptr<TPrompter> prompter) { Prompter = std::move(prompter); }
void TORVEL::SetCaseStore(std::unique_ptr<TCaseStore> store) { CaseStore = std::move(store); }

void TORVEL::SetImporter(TImporter importer)
{
    Importer = std::move(importer);
    UpdateMenus();
}

void TORVEL::CreateMenus()
{
    CaseMenu = menuBar()->addMenu(tr("&Case"));
    auto item = [this](const char* name, const QString& caption, QKeySequence shortcut, auto command) {
        QAction* action = CaseMenu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    New1 = item("New1", tr("&New"), QKeySequence::New, &TORVEL::New);
    Open1 = item("Open1", tr("&Open"), QKeySequence::Open, &TORVEL::Open);
    Import1 = item("Import1", tr("&Import"), QKeySequence(), &TORVEL::Import);
    Rename1 = item("Rename1", tr("&Rename"), QKeySequence(), &TORVEL::Rename);
    Save1 = item("Save1", tr("&Save"), QKeySequence::Save, &TORVEL::Save);
    SaveAs1 = item("SaveAs1", tr("Save &As"), QKeySequence::SaveAs, &TORVEL::SaveAs);
    Export1 = item("Export1", tr("&Export"), QKeySequence(), &TORVEL::Export);
    Close1 = item("Close1", tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W), &TORVEL::CloseCase);

    // Quitting has no menu item, only the shortcut Linux users expect.
    auto* quit = new QAction(this);
    quit->setShortcut(QKeySequence::Quit);
    quit->setShortcutContext(Qt::ApplicationShortcut);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    CreateEditItems();
    CreateViewItems();
    CreateOptionItems();
}

void TORVEL::CreateStatusBar()
{
    Panel1 = new TStatusPanel(tr("Case:"), 400, this);
    Panel2 = new TStatusPanel(tr("Folder:"), 2000, this);
    Panel1->setFixedWidth(400);
    statusBar()->addWidget(Panel1);
    statusBar()->addWidget(Panel2, 1);
    statusBar()->setSizeGripEnabled(false);
}

void TORVEL::UpdateMenus()
{
    const bool open = OpenCase != nullptr;
    for (QAction* action : {Rename1, Save1, SaveAs1, Export1, Close1, Reports1})
        action->setEnabled(open);
    ViewMenu->menuAction()->setEnabled(open);
    for (int kind = 0; kind < ViewKindCount; ++kind)
        ViewActions[size_t(kind)]->setEnabled(open && Factories[size_t(kind)]);
    Import1->setEnabled(bool(Importer));
    UpdateEditItems();
}

void TORVEL::SetStatusText(const QString& text)
{
    Status = text;
    RepaintStatus();
}

void TORVEL::RepaintStatus()
{
    Panel1->SetText(OpenCase ? OpenCase->Name + Status : Status);
    Panel2->SetText(OpenCase ? OpenCase->Folder.chopped(OpenCase->Folder.isEmpty() ? 0 : 1) : QString());
    setWindowTitle(Caption(OpenCase ? OpenCase->Name : tr("no case")));
    Panel1->repaint();
    Panel2->repaint();
}

void TORVEL::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (Shown)
        return;
    Shown = true;
    SetStatusText(QString());
    UpdateMenus();
}

void TORVEL::closeEvent(QCloseEvent* event)
{
    // Quitting asks about unsaved changes as Close does; Cancel keeps the program.
    if (!CloseCase()) {
        event->ignore();
        return;
    }
    WriteLastFolder(SettingsFile, Folder);
    event->accept();
}
