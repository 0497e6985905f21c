// The View and Options menus: child windows and the options the views read.
#include "ui/mainwindow.h"

#include "model/case.h"
#include "ui/actorview.h"
#include "ui/caseview.h"
#include "ui/categoryview.h"
#include "ui/designview.h"
#include "ui/phaseview.h"
#include "ui/policyview.h"
#include "ui/proproview.h"
#include "ui/qualifierview.h"
#include "ui/scaleview.h"
#include "ui/variableview.h"
#include "ui/prompter.h"
#include "ui/systemhierarchy.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

struct TViewItem
{
    const char* Name;
    const char* Caption;
    TViewFactory Factory;   // null until that window exists: its item stays disabled
};

// In menu order.
constexpr TViewItem ViewItems[ViewKindCount] = {
    {"Systemhierarchy1", QT_TRANSLATE_NOOP("TORVEL", "&System hierarchy"), &TSystemHierarchy::Create},
    {"Variables1", QT_TRANSLATE_NOOP("TORVEL", "&Variables"), &TVariableView::Create},
    {"ProblemsPromises1", QT_TRANSLATE_NOOP("TORVEL", "&Preclusions, problems && promises"), &TProProView::Create},
    {"Actorsrelationsobjectives1", QT_TRANSLATE_NOOP("TORVEL", "&Actors, relations && objectives"), &TActorView::Create},
    {"Policies1", QT_TRANSLATE_NOOP("TORVEL", "P&olicies"), &TPolicyView::Create},
    {"Designvariants1", QT_TRANSLATE_NOOP("TORVEL", "&Designs"), &TDesignView::Create},
    {"Phases1", QT_TRANSLATE_NOOP("TORVEL", "P&hases"), &TPhaseView::Create},
    {"Categories1", QT_TRANSLATE_NOOP("TORVEL", "&Categories"), &TCategoryView::Create},
    {"Qualifiers1", QT_TRANSLATE_NOOP("TORVEL", "&Qualifiers"), &TQualifierView::Create},
    {"Scales1", QT_TRANSLATE_NOOP("TORVEL", "Sca&les"), &TScaleView::Create},
};

} // namespace

void TORVEL::CreateViewItems()
{
    ViewMenu = menuBar()->addMenu(tr("View"));
    for (int i = 0; i < ViewKindCount; ++i) {
        const auto kind = TViewKind(i);
        if (kind == TViewKind::Policies || kind == TViewKind::Phases)
            ViewMenu->addSeparator();
        QAction* action = ViewMenu->addAction(tr(ViewItems[i].Caption));
        action->setObjectName(QLatin1String(ViewItems[i].Name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, kind] { ToggleView(kind); });
        ViewActions[size_t(i)] = action;
        Factories[size_t(i)] = ViewItems[i].Factory;
        if (kind == TViewKind::Designs) {
            Reports1 = ViewMenu->addAction(tr("&Reports"));
            Reports1->setObjectName(QStringLiteral("Reports1"));
            connect(Reports1, &QAction::triggered, this, &TORVEL::Reports);
        }
    }
}

void TORVEL::CreateOptionItems()
{
    OptionsMenu = menuBar()->addMenu(tr("&Options"));
    QMenu* appreciation = OptionsMenu->addMenu(tr("&Actor appreciation"));
    appreciation->menuAction()->setObjectName(QStringLiteral("Actorappreciation1"));
    auto option = [this, appreciation](const char* name, const QString& caption, bool checked) {
        QAction* action = appreciation->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        action->setChecked(checked);
        connect(action, &QAction::triggered, this, &TORVEL::AppreciationOptionsChanged);
        return action;
    };
    ObjectivesItem = option("Objectives", tr("&Objectives"), true);
    SpecificOptionsItem = option("SpecificOptions", tr("&Specific options"), false);
    QualificationsItem = option("Qualifications", tr("&Qualifications"), false);
    Font1 = OptionsMenu->addAction(tr("Change &Font"));
    Font1->setObjectName(QStringLiteral("Font1"));
    connect(Font1, &QAction::triggered, this, &TORVEL::ChangeFont);
}

bool TORVEL::Objectives() const { return ObjectivesItem->isChecked(); }
bool TORVEL::SpecificOptions() const { return SpecificOptionsItem->isChecked(); }
bool TORVEL::Qualifications() const { return QualificationsItem->isChecked(); }

void TORVEL::SetViewFactory(TViewKind kind, TViewFactory factory)
{
    Factories[size_t(kind)] = factory;
    UpdateMenus();
}

QWidget* TORVEL::View(TViewKind kind) const
{
    QMdiSubWindow* window = SubWindow(kind);
    return window ? window->widget() : nullptr;
}

void TORVEL::ToggleView(TViewKind kind)
{
    QAction* action = ViewAction(kind);
    if (QMdiSubWindow* window = SubWindow(kind)) {
        if (window->close())
            delete window;
        action->setChecked(SubWindow(kind) != nullptr);
        return;
    }
    const TViewFactory factory = Factories[size_t(kind)];
    QWidget* view = OpenCase && factory ? factory(*this, *OpenCase) : nullptr;
    if (!view) {
        action->setChecked(false);
        return;
    }
    QMdiSubWindow* window = AddSubWindow(view);
    Views[size_t(kind)] = window;
    // Closed by any means, the view unchecks its item.
    connect(window, &QObject::destroyed, this, [action] { action->setChecked(false); });
    action->setChecked(true);
}

QMdiSubWindow* TORVEL::AddSubWindow(QWidget* view)
{
    // A view that chose its size keeps it; the frame goes around it.
    const QSize wanted = view->testAttribute(Qt::WA_Resized) ? view->size() : QSize();
    QMdiSubWindow* window = Mdi->addSubWindow(view);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    if (wanted.isValid())
        window->resize(window->size() - view->size() + wanted);
    return window;
}

void TORVEL::StorePendingEdits()
{
    // Typing in a box that still has the focus is stored as if it had lost it.
    for (QMdiSubWindow* window : Mdi->subWindowList())
        if (auto* view = qobject_cast<TCaseView*>(window->widget()))
            view->StorePendingEdits();
}

void TORVEL::CaseChanged(TChangeKinds kinds)
{
    if (kinds & ChangeCase)
        RepaintStatus();
    UpdateEditItems();
}

void TORVEL::DesignDeleting(TDesign& design)
{
    // The editor of a deleted design goes with its frame.
    delete design.Editor.data();
}

void TORVEL::CloseViews()
{
    // Closing lets each view store pending edits; deleting at once makes sure no
    // view outlives the case it points into. A window closed a moment ago waits
    // for its deletion outside the list of sub-windows: it goes too.
    StorePendingEdits();
    for (QMdiSubWindow* window : Mdi->findChildren<QMdiSubWindow*>()) {
        window->close();
        delete window;
    }
}

void TORVEL::ChangeFont()
{
    const auto chosen = Prompter->ChooseFont(font());
    if (!chosen)
        return;
    setFont(*chosen);
    // Views that took the main window's font explicitly get the new one too.
    for (QMdiSubWindow* window : Mdi->subWindowList())
        window->widget()->setFont(*chosen);
}
