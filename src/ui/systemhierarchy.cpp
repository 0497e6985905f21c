#include "ui/systemhierarchy.h"

#include "model/case.h"
#include "model/caseedit.h"
#include "model/messages.h"
#include "model/optionnumbers.h"
#include "ui/commentbox.h"
#include "ui/dragitems.h"
#include "ui/hierarchyentries.h"
#include "ui/hierarchyicons.h"
#include "ui/hierarchystatus.h"
#include "ui/hierarchytree.h"
#include "ui/uiicons.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMimeData>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>

namespace {

QTreeWidgetItem* NewEntry(int type, const void* item, const QString& text, const QIcon& icon, Qt::ItemFlags extra)
{
    auto* entry = new QTreeWidgetItem(type);
    entry->setText(0, text);
    entry->setIcon(0, icon);
    entry->setData(0, Qt::UserRole, QVariant::fromValue(quintptr(item)));
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | extra);
    return entry;
}

QString EffectText(const TEffect& effect)
{
    QString text = effect.Variable->NameWithScale();
    if (!effect.Formula.isEmpty())
        text += QStringLiteral(" = ") + effect.Formula;
    return text;
}

// The order of the right tree: areas by category number, phase number and name.
bool AreaBefore(const TDecisionArea* a, const TDecisionArea* b)
{
    const int ca = a->Category ? a->Category->Number : 0, cb = b->Category ? b->Category->Number : 0;
    if (ca != cb)
        return ca < cb;
    const int pa = a->Phase ? a->Phase->Order : 0, pb = b->Phase ? b->Phase->Order : 0;
    if (pa != pb)
        return pa < pb;
    return a->Name.compare(b->Name, Qt::CaseInsensitive) < 0;
}

} // namespace

TSystemHierarchy::TSystemHierarchy(TORVEL& main, TCase& aCase, QWidget* parent)
    : TCaseView(main, aCase, parent),
      TreeView1(new THierarchyTree),
      TreeView2(new THierarchyTree),
      LeftComment(new TCommentBox),
      RightComment(new TCommentBox),
      StatusBar1(new THierarchyStatus)
{
    setWindowTitle(tr("System hierarchy"));
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView2->setObjectName(QStringLiteral("TreeView2"));
    LeftComment->setObjectName(QStringLiteral("LeftComment"));
    RightComment->setObjectName(QStringLiteral("RightComment"));
    TreeView2->setIconSize(QSize(2 * 16 + 2, 16));
    // Options and effects come in a few kinds of picture: each is drawn once.
    OptionIcons = {QIcon(OptionPixmap(false)), QIcon(OptionPixmap(true))};
    EffectIcons = {QIcon(EffectPixmap(false, false)), QIcon(EffectPixmap(false, true)), QIcon(EffectPixmap(true, false)),
                   QIcon(EffectPixmap(true, true))};
    CreateActions();

    for (TCommentBox* box : {LeftComment, RightComment})
        box->OnStore = [this](TNameless& item, const QString& text) {
            // A comment shows in no tree: storing it rebuilds nothing.
            const TChangeKinds kinds = dynamic_cast<TSystemLevel*>(&item)  ? ChangeLevels
                                       : dynamic_cast<TEffect*>(&item) ? ChangeValues
                                                                        : ChangeAreasOptions;
            StoringComment = true;
            StoreComment(item, text, kinds);
            StoringComment = false;
        };

    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this] {
        if (!Filling)
            LevelSelected();
    });
    connect(TreeView2, &QTreeWidget::currentItemChanged, this, [this] {
        if (!Filling)
            RightSelected();
    });
    for (QTreeWidget* tree : {static_cast<QTreeWidget*>(TreeView1), static_cast<QTreeWidget*>(TreeView2)})
        connect(tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
            if (!Filling)
                ItemRenamed(item);
        });

    TreeView2->DragData = [this] { return DragData(TreeView2->currentItem()); };
    TreeView2->DragFinished = [this] { Dragged = nullptr; };
    TreeView2->Accepts = [this](QTreeWidgetItem* target) {
        const TOption* option = EntryItem<TOption>(target, OptionEntry);
        if (!option || option == Dragged)
            return false;
        const auto& options = option->DecisionArea->Options;
        return std::any_of(options.begin(), options.end(), [this](const TOption* o) { return o == Dragged; });
    };
    TreeView2->Dropped = [this](const QMimeData* data, QTreeWidgetItem* target) {
        TOption* option = EntryItem<TOption>(target, OptionEntry);
        RunQueued([this, option](const QMimeData* copy) { DropOnOption(copy, option); }, data);
    };
    TreeView2->KeyPressed = [this](int key) {
        if (key == Qt::Key_Delete)
            RightDeleteBtnClick();
        else if (key == Qt::Key_Insert)
            InsertKey();
        else
            return false;
        return true;
    };
    TreeView1->setDragEnabled(false);
    TreeView1->Accepts = [this](QTreeWidgetItem* target) {
        const TSystemLevel* level = CurrentLevel();
        const TSystemLevel* onto = EntryItem<TSystemLevel>(target, LevelEntry);
        if (!level || !onto)
            return false;
        for (const TDecisionArea* area : level->DecisionAreas)
            if (area == Dragged)
                return CanCopyArea(area, onto);
        return false;
    };
    TreeView1->Dropped = [this](const QMimeData* data, QTreeWidgetItem* target) {
        TSystemLevel* level = EntryItem<TSystemLevel>(target, LevelEntry);
        RunQueued([this, level](const QMimeData* copy) { DropOnLevel(copy, level); }, data);
    };

    FillLeftTree();
    resize(860, 520);
}

void TSystemHierarchy::RunQueued(std::function<void(const QMimeData*)> drop, const QMimeData* data)
{
    // The drop rebuilds the trees: it runs once the drag has left them. The drag's
    // data goes with it, so a copy is kept.
    auto copy = std::make_shared<QMimeData>();
    copy->setData(DragFormat, data->data(DragFormat));
    QMetaObject::invokeMethod(this, [drop = std::move(drop), copy] { drop(copy.get()); }, Qt::QueuedConnection);
}

QWidget* TSystemHierarchy::Create(TORVEL& main, TCase& aCase) { return new TSystemHierarchy(main, aCase); }

QAction* TSystemHierarchy::AddAction(QToolBar* bar, const char* name, const QString& text, const QString& tip,
                                     void (TSystemHierarchy::*command)())
{
    QAction* action = bar->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(tip);
    connect(action, &QAction::triggered, this, command);
    return action;
}

namespace {

// One side of the window: its tool bar over its tree, the comment box below.
QWidget* Side(QToolBar* bar, QWidget* tree, QWidget* comment)
{
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(tree);
    split->addWidget(comment);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(split);
    return panel;
}

} // namespace

void TSystemHierarchy::CreateActions()
{
    auto* left = new QToolBar;
    auto* right = new QToolBar;
    for (QToolBar* bar : {left, right}) {
        bar->setIconSize(QSize(16, 16));
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    AddAction(left, "NewBtn", tr("System"), tr("Add new system type"), &TSystemHierarchy::NewBtnClick);
    AddAction(left, "NewSubBtn", tr("Sub"), tr("Add new subsystem type"), &TSystemHierarchy::NewSubBtnClick);
    AddAction(left, "ImageBtn", tr("Image"), tr("Edit image"), &TSystemHierarchy::ImageBtnClick);
    AddAction(left, "DeleteBtn", tr("Delete"), tr("Delete system level"), &TSystemHierarchy::DeleteBtnClick);

    AddAction(right, "AddDABtn", tr("Area"), tr("Add decision area"), &TSystemHierarchy::AddDABtnClick);
    AddAction(right, "AddOptionBtn", tr("Option"), tr("Add option to decision area"),
              &TSystemHierarchy::AddOptionBtnClick);
    AddAction(right, "AddEffectBtn", tr("Effect"), tr("Add effect variable to option"),
              &TSystemHierarchy::AddEffectBtnClick);
    AddAction(right, "DuplicateBtn", tr("Copy"), tr("Duplicate selected decision area or option"),
              &TSystemHierarchy::DuplicateBtnClick);
    right->addSeparator();
    AddAction(right, "CategoryBtn", tr("Cat."), tr("Change category"), &TSystemHierarchy::CategoryBtnClick);
    AddAction(right, "PhaseBtn", tr("Phase"), tr("Change phase"), &TSystemHierarchy::PhaseBtnClick);
    AddAction(right, "QualifierBtn", tr("Qual."), tr("Change qualifications of option"),
              &TSystemHierarchy::QualifierBtnClick);
    AddAction(right, "FormulaBtn", tr("f(x)"), tr("Edit effect formula"), &TSystemHierarchy::FormulaBtnClick);
    right->addSeparator();
    AddAction(right, "FindBtn", tr("Find"), tr("Find"), &TSystemHierarchy::FindBtnClick);
    AddAction(right, "FindNextBtn", tr("Next"), tr("Find next"), &TSystemHierarchy::FindNextBtnClick);
    right->addSeparator();
    AddAction(right, "RightDeleteBtn", tr("Delete"), tr("Delete"), &TSystemHierarchy::RightDeleteBtnClick);

    QWidget* leftPanel = Side(left, TreeView1, LeftComment);
    QWidget* rightPanel = Side(right, TreeView2, RightComment);
    rightPanel->layout()->addWidget(StatusBar1);

    auto* sides = new QSplitter(Qt::Horizontal);
    sides->addWidget(leftPanel);
    sides->addWidget(rightPanel);
    sides->setStretchFactor(0, 1);
    sides->setStretchFactor(1, 2);
    // Room for both tool bars side by side without an overflow menu.
    sides->setSizes({270, 590});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(sides);
}

QAction* TSystemHierarchy::Action(const char* name) const
{
    return findChild<QAction*>(QLatin1String(name));
}

// ---- Filling and selection -------------------------------------------------

void TSystemHierarchy::FillLeftTree()
{
    Filling = true;
    TreeView1->clear();
    QTreeWidgetItem* wanted = nullptr;
    std::function<QTreeWidgetItem*(TSystemLevel*)> add = [&](TSystemLevel* level) {
        QTreeWidgetItem* entry = NewEntry(LevelEntry, level, level->Name, QIcon(QPixmap::fromImage(level->Icon)),
                                          Qt::ItemIsEditable | Qt::ItemIsDropEnabled);
        if (level == WantedLevel)
            wanted = entry;
        for (TSystemLevel* child : level->Children)
            entry->addChild(add(child));
        return entry;
    };
    QList<QTreeWidgetItem*> roots;
    for (TSystemLevel* level : Case.SystemLevels)
        if (level->Depth == 0)
            roots << add(level);
    TreeView1->addTopLevelItems(roots);
    if (LeftSorted)
        TreeView1->sortItems(0, Qt::AscendingOrder);
    TreeView1->expandAll();
    TreeView1->setCurrentItem(wanted);
    Filling = false;
    ShowLevel();
}

void TSystemHierarchy::FillRightTree()
{
    Filling = true;
    TreeView2->clear();
    QTreeWidgetItem* wanted = nullptr;
    auto remember = [&](QTreeWidgetItem* entry, const void* item) {
        if (item == WantedItem)
            wanted = entry;
        return entry;
    };
    QList<QTreeWidgetItem*> roots;
    if (TSystemLevel* level = CurrentLevel()) {
        std::vector<TDecisionArea*> areas(level->DecisionAreas.begin(), level->DecisionAreas.end());
        std::stable_sort(areas.begin(), areas.end(), AreaBefore);
        // Areas of one level differ in their pictures only by phase and category.
        std::map<std::pair<const TPhase*, const TCategory*>, QIcon> pictures;
        for (TDecisionArea* area : areas) {
            QIcon& picture = pictures[{area->Phase, area->Category}];
            if (picture.isNull())
                picture = QIcon(AreaPixmap(*area));
            QTreeWidgetItem* areaEntry = remember(
                NewEntry(AreaEntry, area, area->Name, picture, Qt::ItemIsEditable | Qt::ItemIsDragEnabled), area);
            for (TOption* option : NumberedOptions(*area)) {
                QTreeWidgetItem* optionEntry =
                    remember(NewEntry(OptionEntry, option, option->Name, OptionIcons[option->Qualifiers.empty() ? 0 : 1],
                                      Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled),
                             option);
                std::vector<std::pair<QString, TEffect*>> effects;
                for (const auto& effect : option->Effects)
                    effects.emplace_back(EffectText(*effect), effect.get());
                std::stable_sort(effects.begin(), effects.end(), [](const auto& a, const auto& b) {
                    return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
                });
                for (const auto& [text, effect] : effects)
                    optionEntry->addChild(remember(NewEntry(EffectEntry, effect, text, EffectIcon(*effect), {}), effect));
                areaEntry->addChild(optionEntry);
            }
            roots << areaEntry;
        }
    }
    TreeView2->addTopLevelItems(roots);
    TreeView2->expandAll();
    TreeView2->setCurrentItem(wanted);
    Filling = false;
    ShowRightItem();
}

void TSystemHierarchy::ShowLevel()
{
    LeftComment->Show(CurrentLevel());
    FillRightTree();
}

void TSystemHierarchy::ShowRightItem()
{
    RightComment->Show(CurrentItem());
    UpdateButtons();
    UpdateStatus();
}

void TSystemHierarchy::LevelSelected()
{
    StoreComments();
    WantedItem = nullptr;
    ShowLevel();
}

void TSystemHierarchy::RightSelected()
{
    StoreComments();
    ShowRightItem();
}

void TSystemHierarchy::StoreComments()
{
    LeftComment->StorePending();
    RightComment->StorePending();
}

void TSystemHierarchy::StorePendingEdits() { StoreComments(); }

void TSystemHierarchy::CaseChanged(TChangeKinds kinds)
{
    if (StoringComment || !(kinds & (ChangeLevels | ChangeAreasOptions | ChangeValues | ChangeCatalogues)))
        return;
    if (KeepOrder)
        return ShowNames();
    // Found again by identity: compared with the items of the case, never read.
    if (!WantedLevel)
        WantedLevel = CurrentLevel();
    if (!WantedItem)
        WantedItem = CurrentItem();
    FillLeftTree();
    WantedLevel = nullptr;
    WantedItem = nullptr;
}

const QIcon& TSystemHierarchy::EffectIcon(const TEffect& effect) const
{
    const bool averaging = effect.Variable && effect.Variable->IsAveraging();
    return EffectIcons[(averaging ? 2 : 0) + (effect.NullWhenStatusQuo ? 1 : 0)];
}

void TSystemHierarchy::ShowNames()
{
    // Nothing came or went: every entry's item is still there.
    Filling = true;
    for (QTreeWidgetItemIterator it(TreeView2); *it; ++it)
        if ((*it)->type() == AreaEntry || (*it)->type() == OptionEntry)
            (*it)->setText(0, static_cast<TConcept*>(EntryPointer(*it))->Name);
    Filling = false;
}

TSystemLevel* TSystemHierarchy::CurrentLevel() const
{
    return EntryItem<TSystemLevel>(TreeView1->currentItem(), LevelEntry);
}

TNameless* TSystemHierarchy::CurrentItem() const
{
    const QTreeWidgetItem* entry = TreeView2->currentItem();
    if (!entry)
        return nullptr;
    switch (entry->type()) {
    case AreaEntry: return static_cast<TDecisionArea*>(EntryPointer(entry));
    case OptionEntry: return static_cast<TOption*>(EntryPointer(entry));
    case EffectEntry: return static_cast<TEffect*>(EntryPointer(entry));
    default: return nullptr;
    }
}

TDecisionArea* TSystemHierarchy::SelectedArea() const
{
    const QTreeWidgetItem* entry = TreeView2->currentItem();
    while (entry && entry->parent())
        entry = entry->parent();
    return EntryItem<TDecisionArea>(entry, AreaEntry);
}

TOption* TSystemHierarchy::SelectedOption() const
{
    const QTreeWidgetItem* entry = TreeView2->currentItem();
    if (entry && entry->type() == EffectEntry)
        entry = entry->parent();
    return EntryItem<TOption>(entry, OptionEntry);
}

TEffect* TSystemHierarchy::SelectedEffect() const
{
    return EntryItem<TEffect>(TreeView2->currentItem(), EffectEntry);
}

QTreeWidgetItem* TSystemHierarchy::Entry(const TNameless* item) const
{
    for (QTreeWidget* tree : {static_cast<QTreeWidget*>(TreeView1), static_cast<QTreeWidget*>(TreeView2)})
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if (EntryPointer(*it) == item)
                return *it;
    return nullptr;
}

void TSystemHierarchy::Select(TSystemLevel* level)
{
    if (QTreeWidgetItem* entry = Entry(level))
        TreeView1->setCurrentItem(entry);
}

void TSystemHierarchy::Select(TNameless* rightItem)
{
    if (QTreeWidgetItem* entry = Entry(rightItem))
        TreeView2->setCurrentItem(entry);
}

void TSystemHierarchy::UpdateButtons()
{
    const TSystemLevel* level = CurrentLevel();
    const int depth = TreeView2->currentItem() ? TreeView2->currentItem()->type() - AreaEntry : -1;
    const struct
    {
        const char* Name;
        bool Enabled;
    } states[] = {
        {"NewSubBtn", level != nullptr},
        {"ImageBtn", level != nullptr},
        {"DeleteBtn", level && level->Children.empty()},
        {"AddDABtn", level != nullptr},
        {"FindBtn", level != nullptr},
        {"FindNextBtn", level && LastFind.has_value()},
        {"AddOptionBtn", depth >= 0},
        {"AddEffectBtn", depth >= 1},
        {"CategoryBtn", depth == 0},
        {"PhaseBtn", depth == 0},
        {"QualifierBtn", depth == 1},
        {"FormulaBtn", depth == 2},
        {"DuplicateBtn", depth == 0 || depth == 1},
        {"RightDeleteBtn", depth >= 0},
    };
    for (const auto& state : states)
        Action(state.Name)->setEnabled(state.Enabled);
}

void TSystemHierarchy::UpdateStatus()
{
    std::vector<QImage> icons;
    if (const TOption* option = EntryItem<TOption>(TreeView2->currentItem(), OptionEntry))
        for (const TQualifier* qualifier : option->Qualifiers)
            icons.push_back(qualifier->Icon);
    StatusBar1->SetQualifications(std::move(icons));
    const TDecisionArea* area = SelectedArea();
    if (area && area->Category)
        StatusBar1->SetCategory(area->Category->Icon, area->Category->Name);
    else
        StatusBar1->SetCategory(QImage(), QString());
}
