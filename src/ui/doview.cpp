#include "ui/doview.h"

#include "design/attribute.h"
#include "design/design.h"
#include "design/designobject.h"
#include "design/evaluation.h"
#include "model/case.h"
#include "model/caseedit.h"
#include "model/effect.h"
#include "model/enumerations.h"
#include "model/helpers.h"
#include "model/messages.h"
#include "model/option.h"
#include "policy/combination.h"
#include "policy/occurrence.h"
#include "policy/policyapplication.h"
#include "policy/qualification.h"
#include "ui/commentbox.h"
#include "ui/countbox.h"
#include "ui/designmarks.h"
#include "ui/uiicons.h"
#include "ui/dragitems.h"
#include "ui/designtree.h"
#include "ui/mainwindow.h"
#include "ui/prompter.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// What an entry stands for (compared only) and the comment it shows.
constexpr int ItemRole = Qt::UserRole;
constexpr int CommentRole = Qt::UserRole + 1;
constexpr int MarkRole = Qt::UserRole + 2;   // the undecided mark shown: 1 decided, 2 undecided

void SetItem(QTreeWidgetItem* entry, const void* item) { entry->setData(0, ItemRole, QVariant::fromValue(quintptr(item))); }
const void* ItemOf(const QTreeWidgetItem* entry)
{
    return entry ? reinterpret_cast<const void*>(entry->data(0, ItemRole).value<quintptr>()) : nullptr;
}

QTreeWidgetItem* Entry(QTreeWidgetItem* parent, const QString& text, const QString& comment = QString())
{
    auto* entry = new QTreeWidgetItem(parent, QStringList(text));
    entry->setData(0, CommentRole, comment.trimmed());
    return entry;
}

QString ObjectText(const TDesignObject& object)
{
    return QStringLiteral("[%1x] ").arg(object.Count()) + object.Name;
}

QString OptionText(const TOption& option) { return option.DecisionArea->Name + QStringLiteral(" = ") + option.Name; }

// The text of an entry up to " = ", by which the values panel finds its
// selection again.
QString EntryKey(const QString& text)
{
    const int at = text.indexOf(QStringLiteral(" = "));
    return at < 0 ? text : text.left(at);
}

// A calculation's line: its option and what it gives, with its error.
QString CalculationText(const TCalculation& calculation)
{
    QString text = OptionText(*calculation.Effect->Option) + QStringLiteral(" -> ");
    if (calculation.Stack.empty())
        return text + VMErrorText(VMStackError);
    const TVMResult& entry = calculation.Stack.front();
    return text + ShownResultText(entry);
}

void AddCalculations(QTreeWidgetItem* parent, const TAttribute& attribute)
{
    const TDesignObject& object = *attribute.DesignObject;
    for (const auto& calculation : attribute.Calculations)
        if (object.IsPrecluded(calculation->Effect->Option->DecisionArea) < 0)
            Entry(parent, CalculationText(*calculation), calculation->Effect->Formula);
}

bool ObjectLess(const TDesignObject* a, const TDesignObject* b)
{
    const QString levelA = a->SystemLevel ? a->SystemLevel->Name : QString();
    const QString levelB = b->SystemLevel ? b->SystemLevel->Name : QString();
    if (const int c = CompareNames(levelA, levelB))
        return c < 0;
    return CompareNames(a->Name, b->Name) < 0;
}

std::vector<TDesignObject*> SortedChildren(const TDesignObject& object)
{
    std::vector<TDesignObject*> children(object.Children.begin(), object.Children.end());
    std::stable_sort(children.begin(), children.end(), ObjectLess);
    return children;
}

// The value of the variable at each child below `parent`, children without it
// left out with their subtrees.
void AddSubtreeValues(QTreeWidgetItem* parent, const TDesignObject& object, const TVariable* variable)
{
    for (TDesignObject* child : SortedChildren(object)) {
        TAttribute* attribute = child->FindAttribute(variable);
        if (!attribute)
            continue;
        const TVMResult& result = Compute(*attribute);
        QTreeWidgetItem* entry = Entry(parent, ObjectText(*child) + QStringLiteral(" = ") + ShownResultText(result),
                                       child->CommentText());
        entry->setIcon(0, ObjectMarkIcon(child->SystemLevel, child->UndecidedCount() > 0));
        AddCalculations(entry, *attribute);
        AddSubtreeValues(entry, *child, variable);
    }
}

// A column of the editor: a heading, a tree and the read-only box that shows
// the comment of the tree's entry.
QWidget* Column(QWidget* heading, QTreeWidget* tree, QPlainTextEdit* box)
{
    // Long lines scroll sideways rather than being cut short.
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    box->setReadOnly(true);
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addWidget(tree, 4);
    layout->addWidget(box, 1);
    return column;
}

TOptionState StateOf(const TDesignObject& object, const TOption* option, bool areaDecided)
{
    const bool chosen = object.HasDesignOption(option);
    const bool statusQuo = object.HasStatusQuoOption(option);
    if (chosen && statusQuo)
        return TOptionState::Both;
    if (chosen)
        return TOptionState::Chosen;
    if (statusQuo)
        return TOptionState::StatusQuo;
    return areaDecided ? TOptionState::Neither : TOptionState::Open;
}

bool AreaDecided(const TDesignObject& object, const TDecisionArea* area)
{
    return std::any_of(object.DesignOptions.begin(), object.DesignOptions.end(),
                       [area](const TOption* o) { return o->DecisionArea == area; });
}

std::vector<TDecisionArea*> OpenAreas(const TDesignObject& object)
{
    std::vector<TDecisionArea*> areas;
    if (!object.SystemLevel)
        return areas;
    for (TDecisionArea* area : object.SystemLevel->DecisionAreas)
        if (object.IsPrecluded(area) < 0)
            areas.push_back(area);
    std::sort(areas.begin(), areas.end(), DecisionAreaLess);
    return areas;
}

} // namespace

TDOView::TDOView(TORVEL& main, TCase& aCase, TDesign& design) : TCaseView(main, aCase), EditedDesign(&design)
{
    BuildLayout();
    ConnectTrees();
    UpdateCaption();
    SyncSubsystems();
    if (QTreeWidgetItem* first = SubsystemTree->topLevelItem(0))
        Select(ObjectOf(first));
    ShowObject();
}

QMdiSubWindow* TDOView::Open(TORVEL& main, TCase& aCase, TDesign& design)
{
    auto* view = new TDOView(main, aCase, design);
    QMdiSubWindow* frame = main.AddSubWindow(view);
    design.Editor = frame;
    return frame;
}

const QStringList& TDOView::PolicyCommands()
{
    static const QStringList commands = {
        QStringLiteral("Check policy options for this system level only"),
        QStringLiteral("Check policy options for this system AND all subsystems"),
        QStringLiteral("Set policy options as \"status quo\" for this system level only"),
        QStringLiteral("Set policy options as \"status quo\" for this system AND all subsystems"),
    };
    return commands;
}

void TDOView::BuildLayout()
{
    auto* tools = new QToolBar;
    AddBtn = new QToolButton;
    AddBtn->setText(tr("Add"));
    AddBtn->setToolTip(tr("Add (sub) system"));
    AddBtn->setPopupMode(QToolButton::InstantPopup);
    AddBtn->setMenu(new QMenu(AddBtn));
    connect(AddBtn->menu(), &QMenu::aboutToShow, this, &TDOView::FillAddMenu);
    tools->addWidget(AddBtn);
    DuplicateBtn = tools->addAction(tr("Duplicate"), this, &TDOView::DuplicateBtnClick);
    DuplicateBtn->setToolTip(tr("Add duplicate subsystem"));
    DeleteBtn = tools->addAction(tr("Delete"), this, &TDOView::DeleteBtnClick);
    DeleteBtn->setToolTip(tr("Delete"));
    tools->addSeparator();
    auto* group = new QActionGroup(this);
    const std::pair<TPanel, std::pair<QString, QString>> panels[] = {
        {TPanel::Preclusions, {tr("Preclusions"), tr("View precluded decision areas")}},
        {TPanel::ProblemsPromises, {tr("Problems"), tr("View promises and problems")}},
        {TPanel::Impacts, {tr("Impacts"), tr("View design impacts")}},
        {TPanel::Qualifications, {tr("Qualifications"), tr("View design qualifications")}},
    };
    for (const auto& [panel, texts] : panels) {
        QAction* action = tools->addAction(texts.first);
        action->setToolTip(texts.second);
        action->setCheckable(true);
        action->setChecked(panel == Mode);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, panel] { ShowPanel(panel); });
        PanelButtons.push_back(action);
    }

    // Subsystems, with the count and comment of the selected one.
    SubsystemTree = new TDesignTree;
    SubsystemTree->setHeaderHidden(true);
    SubsystemTree->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    CountBox = new TCountBox;
    CountBox->setMaximumWidth(90);
    Comment = new TCommentBox;
    Comment->setPlaceholderText(tr("Comment"));
    Comment->OnStore = [this](TNameless& item, const QString& text) { StoreComment(item, text, ChangeDesigns); };
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(tr("Count: ")));
    countRow->addWidget(CountBox);
    countRow->addStretch();
    auto* subsystems = new QWidget;
    auto* left = new QVBoxLayout(subsystems);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(new QLabel(tr("Subsystems:")));
    left->addWidget(SubsystemTree, 4);
    left->addLayout(countRow);
    left->addWidget(Comment, 1);

    // Decisions at the selected object.
    DecisionsLabel = new QPushButton(tr("Design decisions:"));
    DecisionsLabel->setFlat(true);
    DecisionsLabel->setStyleSheet(QStringLiteral("text-align: left; padding: 0px;"));
    DecisionsLabel->setToolTip(tr("Click here to find first  undefined decision"));
    connect(DecisionsLabel, &QPushButton::clicked, this, &TDOView::FindOpenDecision);
    DecisionTree = new TDesignTree;
    DecisionTree->setHeaderHidden(true);
    DecisionTree->setIconSize(QSize(OptionMarkWidth, 16));
    DecisionTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DecisionComment = new QPlainTextEdit;
    QWidget* decisions = Column(DecisionsLabel, DecisionTree, DecisionComment);

    // The analysis of the selected object.
    PanelHeading = new QLabel;
    Panel = new QTreeWidget;
    Panel->setHeaderHidden(true);
    PanelComment = new QPlainTextEdit;
    QWidget* analysis = Column(PanelHeading, Panel, PanelComment);

    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(subsystems);
    split->addWidget(decisions);
    split->addWidget(analysis);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 2);
    split->setStretchFactor(2, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(tools);
    layout->addWidget(split);
    resize(900, 460);
}

void TDOView::ConnectTrees()
{
    connect(SubsystemTree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { ObjectSelected(item); });
    SubsystemTree->RenameRequested = [this](QTreeWidgetItem*) {
        // The dialog and the rename rebuild the tree: not inside its own event.
        QMetaObject::invokeMethod(this, &TDOView::RenameSelected, Qt::QueuedConnection);
    };
    SubsystemTree->DragData = [this](QTreeWidgetItem* item) -> QMimeData* {
        const TDesignObject* object = ObjectOf(item);
        return object ? MakeDragData({DragItem(object)}) : nullptr;
    };
    auto carriesPolicy = [](const QMimeData* data) { return CarriesKind(data, TDragKind::Policy); };
    SubsystemTree->Wants = carriesPolicy;
    SubsystemTree->CanDrop = [this, carriesPolicy](const QMimeData* data, QTreeWidgetItem* item) {
        return carriesPolicy(data) && ObjectOf(item);
    };
    SubsystemTree->Dropped = [this](const QMimeData* data, QTreeWidgetItem* item, const QPoint& pos) {
        PolicyDropped(data, item, pos);
    };
    DecisionTree->Wants = carriesPolicy;
    DecisionTree->CanDrop = [this, carriesPolicy](const QMimeData* data, QTreeWidgetItem*) {
        return carriesPolicy(data) && Current;
    };
    DecisionTree->Dropped = [this](const QMimeData* data, QTreeWidgetItem*, const QPoint&) {
        ApplyPolicy(data, Current, 0);
    };
    DecisionTree->MarkClicked = [this](QTreeWidgetItem* item, bool shift) {
        if (TOption* option = OptionOf(item))
            ChooseOption(option, shift);
    };
    connect(DecisionTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        DecisionComment->setPlainText(item ? item->data(0, CommentRole).toString() : QString());
    });
    connect(Panel, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        PanelComment->setPlainText(item ? item->data(0, CommentRole).toString() : QString());
    });
    CountBox->OnCommit = [this](int count) { CommitCount(count); };
    CountBox->OnEnter = [this] { SubsystemTree->setFocus(); };
}

bool TDOView::Contains(const TDesignObject* object) const
{
    if (!EditedDesign || !object)
        return false;
    bool found = false;
    EditedDesign->ForEachObject([&](TDesignObject* o) { found = found || o == object; });
    return found;
}

TDesignObject* TDOView::ObjectOf(const QTreeWidgetItem* item) const
{
    const auto* object = static_cast<const TDesignObject*>(ItemOf(item));
    return Contains(object) ? const_cast<TDesignObject*>(object) : nullptr;
}

TOption* TDOView::OptionOf(const QTreeWidgetItem* item) const
{
    const void* wanted = ItemOf(item);
    if (!Current || !Current->SystemLevel || !wanted || !item->parent())
        return nullptr;
    for (TDecisionArea* area : Current->SystemLevel->DecisionAreas)
        for (TOption* option : area->Options)
            if (option == wanted)
                return option;
    return nullptr;
}

QTreeWidgetItem* TDOView::EntryOf(const TDesignObject* object) const
{
    for (QTreeWidgetItemIterator it(SubsystemTree); *it; ++it)
        if (ItemOf(*it) == object)
            return *it;
    return nullptr;
}

QTreeWidgetItem* TDOView::EntryOf(const TOption* option) const
{
    for (QTreeWidgetItemIterator it(DecisionTree); *it; ++it)
        if ((*it)->parent() && ItemOf(*it) == option)
            return *it;
    return nullptr;
}

void TDOView::UpdateCaption()
{
    if (EditedDesign)
        setWindowTitle(tr("Design editor [") + EditedDesign->Name + QLatin1Char(']'));
}

void TDOView::SyncSubsystems()
{
    Syncing = true;
    const QSignalBlocker block(SubsystemTree);
    std::vector<std::pair<const TDesignObject*, const TDesignObject*>> wanted;
    if (EditedDesign)
        EditedDesign->ForEachObject([&](TDesignObject* o) { wanted.emplace_back(o, o->Parent); });
    std::vector<std::pair<const void*, const void*>> shown;
    for (QTreeWidgetItemIterator it(SubsystemTree); *it; ++it)
        shown.emplace_back(ItemOf(*it), ItemOf((*it)->parent()));
    const bool same = std::equal(wanted.begin(), wanted.end(), shown.begin(), shown.end(),
                                 [](const auto& a, const auto& b) { return a.first == b.first && a.second == b.second; });
    if (!same) {
        SubsystemTree->clear();
        std::function<void(QTreeWidgetItem*, const TConceptList<TDesignObject>&)> add =
            [&](QTreeWidgetItem* parent, const TConceptList<TDesignObject>& objects) {
                for (TDesignObject* object : objects) {
                    auto* entry = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(SubsystemTree);
                    SetItem(entry, object);
                    entry->setFlags(entry->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
                    add(entry, object->Children);
                }
            };
        if (EditedDesign)
            add(nullptr, EditedDesign->TopObjects);
        SubsystemTree->expandAll();
    }
    // Only what changed is touched: a design may have thousands of objects.
    for (QTreeWidgetItemIterator it(SubsystemTree); *it; ++it) {
        const auto* object = static_cast<const TDesignObject*>(ItemOf(*it));
        const QString text = ObjectText(*object);
        if ((*it)->text(0) != text)
            (*it)->setText(0, text);
        const int mark = object->UndecidedCount() > 0 ? 2 : 1;
        if ((*it)->data(0, MarkRole).toInt() != mark) {
            (*it)->setData(0, MarkRole, mark);
            (*it)->setIcon(0, ObjectMarkIcon(object->SystemLevel, mark == 2));
        }
    }
    QTreeWidgetItem* current = EntryOf(Current);
    SubsystemTree->setCurrentItem(current);
    if (!current)
        SubsystemTree->clearSelection();
    Syncing = false;
}

void TDOView::Select(TDesignObject* object)
{
    if (QTreeWidgetItem* entry = EntryOf(object))
        SubsystemTree->setCurrentItem(entry);
}

void TDOView::ObjectSelected(QTreeWidgetItem* item)
{
    if (Syncing)
        return;
    TDesignObject* next = ObjectOf(item);
    // What was typed for the object left behind is stored first.
    Comment->StorePending();
    CountBox->CommitPending();
    Current = Contains(next) ? next : nullptr;
    {
        const QSignalBlocker block(SubsystemTree);
        SubsystemTree->setCurrentItem(EntryOf(Current));
    }
    ShowObject();
}

void TDOView::ShowObject()
{
    Comment->Show(Current);
    if (Current != CountTarget || !CountBox->Typed())
        CountBox->ShowCount(Current ? std::optional<int>(Current->Count()) : std::nullopt);
    CountTarget = Current;
    UpdateButtons();
    RebuildDecisions();
    RebuildPanel();
}

void TDOView::UpdateButtons()
{
    const bool any = Current != nullptr;
    AddBtn->setEnabled(any || (EditedDesign && EditedDesign->TopObjects.IsEmpty()));
    DuplicateBtn->setEnabled(any);
    DeleteBtn->setEnabled(any);
    const int open = Current ? Current->UndecidedCount() : 0;
    DecisionsLabel->setText(open > 0 ? tr("Design decisions: %1 undefined").arg(open) : tr("Design decisions:"));
}

void TDOView::CaseChanged(TChangeKinds kinds)
{
    if (!EditedDesign || kinds == ChangeCase)
        return;
    UpdateCaption();
    if (!Contains(Current))
        Current = nullptr;
    if (!Contains(CountTarget))
        CountTarget = nullptr;
    SyncSubsystems();
    ShowObject();
}

void TDOView::DesignDeleting(TDesign& design)
{
    if (&design != EditedDesign)
        return;
    // Nothing of the design is touched from here on; the frame goes next.
    Comment->Show(nullptr);
    EditedDesign = nullptr;
    Current = CountTarget = nullptr;
    const QSignalBlocker blockSubsystems(SubsystemTree);
    SubsystemTree->clear();
    DecisionTree->clear();
    Panel->clear();
}

void TDOView::StorePendingEdits()
{
    Comment->StorePending();
    CountBox->CommitPending();
}

void TDOView::closeEvent(QCloseEvent* event)
{
    StorePendingEdits();
    TCaseView::closeEvent(event);
}

void TDOView::CommitCount(int count)
{
    if (!Contains(CountTarget) || CountTarget->Count() == count)
        return;
    TCaseEdit edit(Case, tr("Change count of ") + CountTarget->Name, ChangeDesigns);
    CountTarget->SetCount(count);
}

void TDOView::FillAddMenu()
{
    QMenu* menu = AddBtn->menu();
    menu->clear();
    auto add = [this, menu](const TSystemLevel* level, bool asChild) {
        QAction* action = menu->addAction(QIcon(QPixmap::fromImage(level->Icon)), level->Name);
        const QString name = level->Name;
        connect(action, &QAction::triggered, this, [this, name, asChild] { AddSubsystem(name, asChild); });
    };
    if (!Current) {
        for (const TSystemLevel* level : Case.SystemLevels)
            add(level, false);
        return;
    }
    if (const TSystemLevel* level = Current->SystemLevel) {
        if (level->Parent)
            for (const TSystemLevel* sibling : level->Parent->Children)
                add(sibling, false);
        if (!menu->isEmpty() && !level->Children.empty())
            menu->addSeparator();
        for (const TSystemLevel* child : level->Children)
            add(child, true);
    }
}

void TDOView::AddSubsystem(const QString& levelName, bool asChild)
{
    if (!EditedDesign)
        return;
    TSystemLevel* level = Case.SystemLevels.Find(levelName);
    if (!level || level->Name != levelName) {
        ShowError(QStringLiteral("Unknown system type: \"") + levelName + QLatin1Char('"'));
        return;
    }
    TDesignObject* parent = Current ? (asChild ? Current : Current->Parent) : nullptr;
    const std::optional<QString> typed = Prompts().AskConceptName(tr("New subsystem"), QString());
    if (!typed || (parent && !Contains(parent)))
        return;
    const QString name = CleanName(*typed).trimmed();
    if (name.isEmpty())
        return;
    const TConceptList<TDesignObject>& siblings = parent ? parent->Children : EditedDesign->TopObjects;
    // A sibling of that name is selected as it is, never given another level.
    if (TDesignObject* existing = siblings.Find(name)) {
        Select(existing);
        return;
    }
    TCaseEdit edit(Case, tr("Add subsystem ") + name, ChangeDesigns);
    Current = EditedDesign->AddDesignObject(name, parent, level);
}

void TDOView::DuplicateBtnClick()
{
    if (!Current)
        return;
    TCaseEdit edit(Case, tr("Duplicate subsystem ") + Current->Name, ChangeDesigns);
    if (TDesignObject* copy = EditedDesign->DuplicateDesignObject(Current, Current->Parent, true))
        Current = copy;
    else
        edit.Cancel();
}

void TDOView::DeleteBtnClick()
{
    TDesignObject* object = Current;
    if (!object)
        return;
    Comment->Show(nullptr);
    CountBox->ShowCount(std::nullopt);
    Current = CountTarget = nullptr;
    TCaseEdit edit(Case, tr("Delete subsystem ") + object->Name, ChangeDesigns);
    EditedDesign->DeleteDesignObject(object);
}

void TDOView::RenameSelected()
{
    TDesignObject* object = Current;
    if (!object)
        return;
    const std::optional<QString> typed = Prompts().AskConceptName(tr("Rename subsystem"), object->Name);
    if (!typed || !Contains(object))
        return;
    const QString name = CleanName(*typed).trimmed();
    if (name.isEmpty() || name == object->Name)
        return;
    TConceptList<TDesignObject>& siblings = object->Parent ? object->Parent->Children : EditedDesign->TopObjects;
    TCaseEdit edit(Case, tr("Rename subsystem"), ChangeDesigns);
    if (siblings.RenameConcept(object, name) < 0)
        edit.Cancel();
}

void TDOView::ChooseOption(TOption* option, bool statusQuo)
{
    if (!Current || !option)
        return;
    TCaseEdit edit(Case, (statusQuo ? tr("Status quo ") : tr("Choose ")) + OptionText(*option), ChangeDesigns);
    if (statusQuo)
        Current->SelectStatusQuoOption(option);
    else
        Current->SelectDesignOption(option);
}

void TDOView::FindOpenDecision()
{
    for (int i = 0; Current && i < DecisionTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* entry = DecisionTree->topLevelItem(i);
        const auto* area = static_cast<const TDecisionArea*>(ItemOf(entry));
        if (!AreaDecided(*Current, area)) {
            DecisionTree->setCurrentItem(entry);
            DecisionTree->scrollToItem(entry);
            break;
        }
    }
    DecisionTree->setFocus();
}

void TDOView::PolicyDropped(const QMimeData* data, QTreeWidgetItem* item, const QPoint& globalPos)
{
    TDesignObject* target = ObjectOf(item);
    if (!target)
        return;
    Select(target);
    const int command = Prompts().ChooseMenuItem(PolicyCommands(), globalPos);
    if (command >= 0)
        ApplyPolicy(data, target, command);
}

void TDOView::ApplyPolicy(const QMimeData* data, TDesignObject* object, int command)
{
    if (!Contains(object) || command < 0 || command > 3)
        return;
    const TDroppedItems dropped = ReadDragItems(data, Case);
    if (dropped.Policies.empty())
        return;
    const TPolicy& policy = *dropped.Policies.front();
    TCaseEdit edit(Case, tr("Apply policy ") + policy.Name, ChangeDesigns);
    ::ApplyPolicy(policy, *object, command >= 2, command % 2 == 1);
}

void TDOView::RebuildDecisions()
{
    const void* selected = ItemOf(DecisionTree->currentItem());
    const int scroll = DecisionTree->verticalScrollBar()->value();
    const QSignalBlocker block(DecisionTree);
    DecisionTree->clear();
    DecisionComment->clear();
    if (!Current)
        return;
    QTreeWidgetItem* reselect = nullptr;
    for (TDecisionArea* area : OpenAreas(*Current)) {
        auto* areaEntry = new QTreeWidgetItem(DecisionTree, QStringList(area->Name));
        areaEntry->setData(0, CommentRole, area->CommentText().trimmed());
        SetItem(areaEntry, area);
        if (area == selected)
            reselect = areaEntry;
        const bool decided = AreaDecided(*Current, area);
        std::vector<TOption*> options(area->Options.begin(), area->Options.end());
        std::stable_sort(options.begin(), options.end(), [](const TOption* a, const TOption* b) { return a->Number < b->Number; });
        for (TOption* option : options) {
            QTreeWidgetItem* entry = Entry(areaEntry, option->Name, option->CommentText());
            SetItem(entry, option);
            entry->setIcon(0, OptionMarkIcon(StateOf(*Current, option, decided), !option->Qualifiers.empty()));
            if (option == selected)
                reselect = entry;
        }
    }
    DecisionTree->expandAll();
    if (reselect) {
        DecisionTree->setCurrentItem(reselect);
        DecisionComment->setPlainText(reselect->data(0, CommentRole).toString());
    }
    DecisionTree->verticalScrollBar()->setValue(scroll);
}

void TDOView::ShowPanel(TPanel panel)
{
    Mode = panel;
    PanelButtons[size_t(panel)]->setChecked(true);
    RebuildPanel();
}

void TDOView::RebuildPanel()
{
    static const char* const headings[] = {
        QT_TR_NOOP("Preclusions for subsystem"), QT_TR_NOOP("Promises && problems for subsystem"),
        QT_TR_NOOP("Effects of subsystem"), QT_TR_NOOP("Qualifications of subsystem")};
    // A label shows "&&" as the single "&" it stands for.
    PanelHeading->setText(tr(headings[int(Mode)]).replace(QStringLiteral("&&"), QStringLiteral("&")));
    const QTreeWidgetItem* before = Panel->currentItem();
    const QString selected = before ? EntryKey(before->text(0)) : QString();
    const QSignalBlocker block(Panel);
    Panel->clear();
    PanelComment->clear();
    if (!Current)
        return;
    // Every value of the refresh is computed once.
    const TEvaluation pass;
    switch (Mode) {
    case TPanel::Preclusions:
        FillPreclusions(*Current);
        break;
    case TPanel::ProblemsPromises:
        FillProblemsPromises(*Current);
        break;
    case TPanel::Impacts:
        FillImpacts(*Current);
        break;
    case TPanel::Qualifications:
        FillQualifications(*Current);
        break;
    }
    Panel->expandAll();
    if (selected.isEmpty())
        return;
    for (QTreeWidgetItemIterator it(Panel); *it; ++it)
        if (EntryKey((*it)->text(0)) == selected) {
            Panel->setCurrentItem(*it);
            PanelComment->setPlainText((*it)->data(0, CommentRole).toString());
            break;
        }
}

void TDOView::FillPreclusions(TDesignObject& object)
{
    std::vector<const TPrecludedArea*> records;
    for (const auto& record : object.PrecludedAreas)
        records.push_back(record.get());
    std::stable_sort(records.begin(), records.end(), [](const TPrecludedArea* a, const TPrecludedArea* b) {
        return DecisionAreaLess(a->DecisionArea, b->DecisionArea);
    });
    for (const TPrecludedArea* record : records) {
        auto* entry = new QTreeWidgetItem(Panel, QStringList(QStringLiteral("    ") + record->DecisionArea->Name));
        entry->setData(0, CommentRole, record->DecisionArea->CommentText().trimmed());
        std::vector<TOption*> options = record->Options;
        SortOptions(options);
        for (const TOption* option : options)
            Entry(entry, QStringLiteral("    ") + OptionText(*option), option->CommentText());
    }
}

void TDOView::FillProblemsPromises(TDesignObject& object)
{
    for (const auto& combination : Case.Combinations) {
        TSelections selections;
        if (!OccursIn(*combination, &object, &selections))
            continue;
        auto* entry = new QTreeWidgetItem(Panel, QStringList(FeasibilityLevelText(combination->Rating)));
        entry->setIcon(0, RatingFaceIcon(combination->Rating));
        entry->setData(0, CommentRole, combination->CommentText().trimmed());
        for (size_t i = 0; i < combination->Options.size(); ++i) {
            const TOption* option = combination->Options[i];
            QTreeWidgetItem* optionEntry = Entry(entry, OptionText(*option), option->CommentText());
            optionEntry->setIcon(0, BuiltinIcon(QStringLiteral("option")));
            const TSystemLevel* level = option->SystemLevel();
            if (level && level->Depth > object.Depth() && i < selections.size())
                for (const TDesignObject* where : selections[i])
                    Entry(optionEntry, ObjectText(*where), where->CommentText())
                        ->setIcon(0, ObjectMarkIcon(where->SystemLevel, where->UndecidedCount() > 0));
        }
    }
}

void TDOView::FillImpacts(TDesignObject& object)
{
    QList<QTreeWidgetItem*> entries;
    for (const auto& attribute : object.Attributes) {
        const TVMResult& result = Compute(*attribute);
        const TVariable* variable = attribute->Variable;
        auto* entry = new QTreeWidgetItem(QStringList(variable->Name + QStringLiteral(" [")
                                                      + (variable->Scale ? variable->Scale->Name : QString())
                                                      + QStringLiteral("] = ") + ShownResultText(result)));
        entry->setIcon(0, AttributeMarkIcon(result.Error != 0, variable->AggregationMode));
        entry->setData(0, CommentRole, variable->CommentText().trimmed());
        AddSubtreeValues(entry, object, variable);
        AddCalculations(entry, *attribute);
        entries << entry;
    }
    std::stable_sort(entries.begin(), entries.end(), [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        return QString::compare(a->text(0), b->text(0), Qt::CaseInsensitive) < 0;
    });
    Panel->addTopLevelItems(entries);
}

void TDOView::FillQualifications(TDesignObject& object)
{
    const std::unique_ptr<TQualificationList> list = BuildQualifications(&object);
    std::function<void(QTreeWidgetItem*, const TQualification&)> fill = [&](QTreeWidgetItem* entry,
                                                                            const TQualification& q) {
        Entry(entry, QualificationText(q), entry->data(0, CommentRole).toString());
        const TDesignObject& x = *q.DesignObject;
        const auto& subLists = q.SubQualifications();
        if (x.Children.Count() != int(subLists.size())) {
            ShowError(QStringLiteral("Subsystem counts do not match"));
            return;
        }
        for (int i = 0; i < x.Children.Count(); ++i) {
            const TDesignObject& child = *x.Children.At(i);
            const TQualification* childQ = subLists[size_t(i)]->Find(q.Qualifier);
            if (!childQ)
                continue;
            QTreeWidgetItem* childEntry = Entry(entry, ObjectText(child) + QStringLiteral(": ") + TotalQualificationText(*childQ),
                                                child.CommentText());
            fill(childEntry, *childQ);
        }
    };
    for (const auto& q : list->Items) {
        auto* entry = new QTreeWidgetItem(Panel, QStringList(object.Name + QStringLiteral(": ") + TotalQualificationText(*q)));
        entry->setData(0, CommentRole, q->Qualifier->CommentText().trimmed());
        entry->setIcon(0, QIcon(QPixmap::fromImage(q->Qualifier->Icon)));
        if (!object.Children.IsEmpty())
            fill(entry, *q);
    }
}
