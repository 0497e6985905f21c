#pragma once

#include "model/casechange.h"
#include "ui/selectionmemory.h"
#include "ui/settings.h"
#include "ui/shareddialogs.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QMdiArea;
class QMenu;
class TCase;
class TCaseStore;
class TPrompter;
class TStatusPanel;
class TUndoHistory;

/// The child windows of the View menu, in menu order.
enum class TViewKind
{
    SystemHierarchy,
    Variables,
    ProblemsPromises,
    Actors,
    Policies,
    Designs,
    Phases,
    Categories,
    Qualifiers,
    Scales,
};
inline constexpr int ViewKindCount = 10;

/// Makes the child window of one kind for the open case; the main window puts
/// it into a sub-window and owns it from then on.
using TViewFactory = QWidget* (*)(class TORVEL& main, TCase& aCase);

/// The main frame: owns the one open case (or none), offers the commands that
/// create, read, write and close it, opens the views as child windows and shows
/// the case name, progress and folder in the status bar.
class TORVEL : public QMainWindow, public TCaseListener
{
    Q_OBJECT
public:
    /// Reads the last folder from the settings file and creates the shared dialogs.
    explicit TORVEL(const QString& settingsFile = DefaultSettingsFile(), QWidget* parent = nullptr);
    ~TORVEL() override;

    static QString Caption(const QString& subtitle);

    TCase* Case() const { return OpenCase.get(); }
    QString LastFolder() const { return Folder; }
    /// True only while an Export writes.
    bool Exporting() const { return ExportRunning; }
    const TSharedDialogs& Dialogs() const { return Shared; }
    TCaseStore& Store() const { return *CaseStore; }

    /// Where every window asks its questions.
    TPrompter& Prompts() const { return *Prompter; }
    void SetPrompter(std::unique_ptr<TPrompter> prompter);
    void SetCaseStore(std::unique_ptr<TCaseStore> store);
    /// Builds a case from a database; the Import item is enabled once one is set.
    using TImporter = std::function<std::unique_ptr<TCase>(const QString& database)>;
    void SetImporter(TImporter importer);

    // The commands of the Case menu. Each returns true when it did what it was for.
    void New();
    void Open();
    void Import();
    void Rename();
    bool Save();
    bool SaveAs();
    void Export();
    /// Asks about unsaved changes; false when the case stays open.
    bool CloseCase();
    /// The report viewer on the case folder (needs a saved case).
    void Reports();
    void ChangeFont();
    void UpdateMenus();
    // The Edit menu: each takes back or does again one step of the open case.
    void Undo();
    void Redo();
    /// The open case's history, or null.
    TUndoHistory* History() const { return Steps.get(); }

    /// The text after the case name in the status bar; shown at once, since
    /// long operations run without returning to the event loop.
    void SetStatusText(const QString& text);
    void RepaintStatus();
    const TStatusPanel& CasePanel() const { return *Panel1; }
    const TStatusPanel& FolderPanel() const { return *Panel2; }

    /// Opens the view of that kind, or closes it when it is open.
    void ToggleView(TViewKind kind);
    /// The open view of that kind, or null.
    QWidget* View(TViewKind kind) const;
    /// Replaces the factory of a kind (for views built elsewhere, and for tests).
    void SetViewFactory(TViewKind kind, TViewFactory factory);
    QAction* ViewAction(TViewKind kind) const { return ViewActions[size_t(kind)]; }
    /// Puts a further window of a view (a design editor) into a sub-window,
    /// which deletes it when closed; the frame is returned.
    QMdiSubWindow* AddSubWindow(QWidget* view);
    /// Has every open window store what is being typed into the case.
    void StorePendingEdits();

    // The change notice of the open case.
    void CaseChanged(TChangeKinds kinds) override;
    void DesignDeleting(TDesign& design) override;
    void ItemsReplacing() override;
    void ItemsReplaced() override;

    // The actor appreciation options that the design view and the report read.
    bool Objectives() const;
    bool SpecificOptions() const;
    bool Qualifications() const;

    QAction* New1;
    QAction* Open1;
    QAction* Import1;
    QAction* Rename1;
    QAction* Save1;
    QAction* SaveAs1;
    QAction* Export1;
    QAction* Close1;
    QAction* Undo1;
    QAction* Redo1;
    QAction* Reports1;
    QAction* ObjectivesItem;
    QAction* SpecificOptionsItem;
    QAction* QualificationsItem;
    QAction* Font1;
    QMenu* CaseMenu;
    QMenu* EditMenu;
    QMenu* ViewMenu;
    QMenu* OptionsMenu;

signals:
    void AppreciationOptionsChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateEditItems();
    void UpdateEditItems();
    void CreateViewItems();
    void CreateOptionItems();
    void CreateStatusBar();
    bool WriteCase(const QString& folder, bool exporting);
    void CloseViews();
    /// Makes `aCase` the open one (there was none).
    void AdoptCase(std::unique_ptr<TCase> aCase);
    QMdiSubWindow* SubWindow(TViewKind kind) const { return Views[size_t(kind)]; }

    QString SettingsFile;
    QString Folder;
    QString Status;
    bool ExportRunning = false;
    bool Shown = false;
    std::unique_ptr<TCase> OpenCase;
    std::unique_ptr<TUndoHistory> Steps;   // of the open case; goes before it
    /// Design editors open when an undo replaces every item, to open again,
    /// where they were, on the designs that come back.
    struct TEditorPlace
    {
        QString Design;
        QRect Geometry;
        Qt::WindowStates State;
        int Panel;
        TSelectionMemory Selection;
        bool Active;
    };
    std::vector<TEditorPlace> EditorsToReopen;
    QPointer<QMdiSubWindow> ActiveBeforeReplacing;
    std::unique_ptr<TCaseStore> CaseStore;
    std::unique_ptr<TPrompter> Prompter;
    TImporter Importer;
    QMdiArea* Mdi;
    TStatusPanel* Panel1;
    TStatusPanel* Panel2;
    std::array<QAction*, ViewKindCount> ViewActions{};
    std::array<TViewFactory, ViewKindCount> Factories{};
    std::array<QPointer<QMdiSubWindow>, ViewKindCount> Views;
    TSharedDialogs Shared;
};
