#include "ui/policyview.h"

#include "model/case.h"
#include "model/caseedit.h"
#include "model/helpers.h"
#include "model/messages.h"
#include "model/option.h"
#include "policy/combination.h"
#include "policy/policy.h"
#include "ui/combinationitems.h"
#include "ui/commentbox.h"
#include "ui/dragitems.h"
#include "ui/droptree.h"
#include "ui/prompter.h"
#include "ui/uiicons.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct TModeButton
{
    const char* Name;
    const char* Caption;
    const char* Hint;
    const char* Title;
};

// In the order of TPolicyView::TMode.
constexpr TModeButton ModeButtonTexts[] = {
    {"OptionsBtn", QT_TRANSLATE_NOOP("TPolicyView", "Options"),
     QT_TRANSLATE_NOOP("TPolicyView", "View/edit options in policy"),
     QT_TRANSLATE_NOOP("TPolicyView", "Options selected for policy")},
    {"PPBtn", QT_TRANSLATE_NOOP("TPolicyView", "Problems && promises"),
     QT_TRANSLATE_NOOP("TPolicyView", "View problems and promises in policy"),
     QT_TRANSLATE_NOOP("TPolicyView", "Promises and problems within policy")},
    {"VariablesBtn", QT_TRANSLATE_NOOP("TPolicyView", "Variables"),
     QT_TRANSLATE_NOOP("TPolicyView", "View variables affected by policy"),
     QT_TRANSLATE_NOOP("TPolicyView", "Variables affected by options in policy")},
    {"QualBtn", QT_TRANSLATE_NOOP("TPolicyView", "Qualifications"), "",
     QT_TRANSLATE_NOOP("TPolicyView", "Qualifications of options in policy")},
    {"AppreciationBtn", QT_TRANSLATE_NOOP("TPolicyView", "Appreciation"),
     QT_TRANSLATE_NOOP("TPolicyView", "View actor appreciation of policy"),
     QT_TRANSLATE_NOOP("TPolicyView", "Actor appreciation of options in policy")},
};

QIcon VariableIcon(const TVariable& variable)
{
    // A constant shows the plain variable picture here: the list is about what a policy affects.
    return variable.AggregationMode == AggregationConstant ? BuiltinIcon(QStringLiteral("var"))
                                                           : AggregationModeIcon(variable.AggregationMode);
}

} // namespace

TPolicyView::TPolicyView(TORVEL& main, TCase& aCase) : TCaseView(main, aCase)
{
    setWindowTitle(tr("Policies"));
    setWindowIcon(BuiltinIcon(QStringLiteral("policy")));
    auto* splitter = new QSplitter(this);
    splitter->addWidget(MakeLeftSide());
    splitter->addWidget(MakeRightSide());
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setChildrenCollapsible(false);
    (new QVBoxLayout(this))->addWidget(splitter);
    resize(760, 460);
    FillPolicies();
    SetMode(TMode::Options);
}

QWidget* TPolicyView::Create(TORVEL& main, TCase& aCase) { return new TPolicyView(main, aCase); }

QWidget* TPolicyView::MakeLeftSide()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    AddBtn = new QPushButton(tr("&Add"));
    AddBtn->setObjectName(QStringLiteral("AddBtn"));
    AddBtn->setToolTip(tr("Add new policy"));
    DeleteBtn = new QPushButton(tr("&Delete"));
    DeleteBtn->setObjectName(QStringLiteral("DeleteBtn"));
    DeleteBtn->setToolTip(tr("Delete policy"));
    buttons->addWidget(new QLabel(tr("Policies")));
    buttons->addStretch();
    buttons->addWidget(AddBtn);
    buttons->addWidget(DeleteBtn);
    layout->addLayout(buttons);

    PolicyTree = new TDropTree;
    PolicyTree->setObjectName(QStringLiteral("PolicyTree"));
    PolicyTree->setRootIsDecorated(false);
    PolicyTree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    PolicyTree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    // Policies leave for the design editor; nothing is dropped here.
    PolicyTree->setDragEnabled(true);
    PolicyTree->setDragDropMode(QAbstractItemView::DragOnly);
    PolicyTree->DragData = [this](const QList<QTreeWidgetItem*>& items) { return DragPolicies(items); };
    PolicyTree->DeletePressed = [this] { DeleteBtnClick(); };
    PolicyTree->InsertPressed = [this] { AddBtnClick(); };
    layout->addWidget(PolicyTree, 3);

    PolicyComment = new TCommentBox;
    PolicyComment->setObjectName(QStringLiteral("PolicyComment"));
    PolicyComment->setPlaceholderText(tr("Comment on policy"));
    PolicyComment->OnStore = [this](TNameless& item, const QString& text) { StoreComment(item, text, ChangePolicies); };
    layout->addWidget(PolicyComment, 1);

    connect(AddBtn, &QPushButton::clicked, this, &TPolicyView::AddBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TPolicyView::DeleteBtnClick);
    connect(PolicyTree, &QTreeWidget::itemSelectionChanged, this, &TPolicyView::PolicySelectionChanged);
    connect(PolicyTree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        // Renaming rebuilds the list, so it waits until the tree is done with the item.
        if (!Filling)
            QMetaObject::invokeMethod(this, [this, item] { Rename(item); }, Qt::QueuedConnection);
    });
    return side;
}

QWidget* TPolicyView::MakeRightSide()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    auto* group = new QButtonGroup(side);
    for (size_t i = 0; i < ModeButtons.size(); ++i) {
        const TModeButton& text = ModeButtonTexts[i];
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(text.Name));
        button->setText(tr(text.Caption));
        if (*text.Hint)
            button->setToolTip(tr(text.Hint));
        button->setCheckable(true);
        button->setAutoRaise(true);
        group->addButton(button, int(i));
        buttons->addWidget(button);
        ModeButtons[i] = button;
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    // The title with the one command of the options mode beside it.
    auto* titleRow = new QHBoxLayout;
    Title = new QLabel;
    Title->setObjectName(QStringLiteral("Title"));
    DeleteOptionBtn = new QPushButton(tr("De&lete option"));
    DeleteOptionBtn->setObjectName(QStringLiteral("DeleteOptionBtn"));
    DeleteOptionBtn->setToolTip(tr("Delete option from policy"));
    titleRow->addWidget(Title, 1);
    titleRow->addWidget(DeleteOptionBtn);
    layout->addLayout(titleRow);
    RightTree = new TDropTree;
    RightTree->setObjectName(QStringLiteral("RightTree"));
    RightTree->Accepts = [this](const QMimeData* data, QTreeWidgetItem*) { return AcceptsDrop(data); };
    RightTree->Dropped = [this](const QMimeData* data, QTreeWidgetItem*, const QPoint& at) { Drop(data, at); };
    RightTree->DeletePressed = [this] { DeleteOptionBtnClick(); };
    layout->addWidget(RightTree, 3);
    ItemComment = new TCommentBox;
    ItemComment->setObjectName(QStringLiteral("ItemComment"));
    ItemComment->setReadOnly(true);
    layout->addWidget(ItemComment, 1);

    connect(group, &QButtonGroup::idClicked, this, [this](int id) { SetMode(TMode(id)); });
    connect(DeleteOptionBtn, &QPushButton::clicked, this, &TPolicyView::DeleteOptionBtnClick);
    connect(RightTree, &QTreeWidget::itemSelectionChanged, this, &TPolicyView::RightSelectionChanged);
    return side;
}

void TPolicyView::StorePendingEdits() { PolicyComment->StorePending(); }

void TPolicyView::CaseChanged(TChangeKinds kinds)
{
    if (kinds & ChangePolicies)
        FillPolicies();
    // What the right list shows hangs on options, combinations and catalogues too.
    if (kinds & (ChangePolicies | ChangeAreasOptions | ChangeCombinations | ChangeCatalogues | ChangeValues))
        FillRight(kinds & ChangeCatalogues);
    PolicyComment->Show(SelectedPolicy());
}

TPolicy* TPolicyView::PolicyOf(const QTreeWidgetItem* item) const
{
    return FindObject(Case.Policies, ItemObject(item));
}

TPolicy* TPolicyView::SelectedPolicy() const
{
    QTreeWidgetItem* current = PolicyTree->currentItem();
    if (current && current->isSelected())
        return PolicyOf(current);
    const QList<QTreeWidgetItem*> selected = PolicyTree->selectedItems();
    return selected.isEmpty() ? nullptr : PolicyOf(selected.first());
}

void TPolicyView::SelectPolicy(const TPolicy* policy)
{
    QTreeWidgetItem* item = FindItemOf(PolicyTree, policy);
    PolicyTree->setCurrentItem(item);
    if (!item)
        PolicyTree->clearSelection();
}

void TPolicyView::FillPolicies()
{
    // A list that already shows the policies as they are stays as it is, with
    // its selection, scrolling and any name being typed.
    bool same = PolicyTree->topLevelItemCount() == Case.Policies.Count();
    for (int i = 0; same && i < Case.Policies.Count(); ++i) {
        const QTreeWidgetItem* item = PolicyTree->topLevelItem(i);
        same = ItemObject(item) == Case.Policies.At(i) && item->text(0) == Case.Policies.At(i)->Name;
    }
    if (same)
        return;
    const void* current = ItemObject(PolicyTree->currentItem());
    std::vector<const void*> selected;
    for (const QTreeWidgetItem* item : PolicyTree->selectedItems())
        selected.push_back(ItemObject(item));
    Filling = true;
    const QSignalBlocker block(PolicyTree);
    PolicyTree->clear();
    const QIcon icon = BuiltinIcon(QStringLiteral("policy"));
    for (TPolicy* policy : Case.Policies) {
        auto* item = new QTreeWidgetItem(PolicyTree, {policy->Name});
        item->setIcon(0, icon);
        item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
        SetItemObject(item, policy);
        if (policy == current)
            PolicyTree->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
        if (std::find(selected.begin(), selected.end(), policy) != selected.end())
            item->setSelected(true);
    }
    Filling = false;
    UpdateCommands();
}

void TPolicyView::PolicySelectionChanged()
{
    if (Filling)
        return;
    PolicyComment->StorePending();
    PolicyComment->Show(SelectedPolicy());
    FillRight();
}

void TPolicyView::SetMode(TMode mode)
{
    CurrentMode = mode;
    ModeButtons[size_t(mode)]->setChecked(true);
    Title->setText(tr(ModeButtonTexts[size_t(mode)].Title));
    FillRight();
}

void TPolicyView::FillRight(bool iconsChanged)
{
    const QTreeWidgetItem* currentItem = RightTree->currentItem();
    const void* current = ItemObject(currentItem);
    const void* currentParent = currentItem ? ItemObject(currentItem->parent()) : nullptr;
    QList<QTreeWidgetItem*> items;
    if (const TPolicy* policy = SelectedPolicy()) {
        switch (CurrentMode) {
        case TMode::Options: items = OptionItems(*policy); break;
        case TMode::Combinations: items = CombinationItems(*policy); break;
        case TMode::Variables: items = VariableItems(*policy); break;
        case TMode::Qualifiers: items = QualifierItems(*policy); break;
        case TMode::Appreciation: break;
        }
    }
    if (ReplaceItems(RightTree, items, true, iconsChanged)) {
        // An option beneath a combination is found again beneath the same combination.
        const QSignalBlocker block(RightTree);
        QTreeWidgetItem* under = currentParent ? FindItemOf(RightTree, currentParent) : nullptr;
        QTreeWidgetItem* again = under ? FindItemOf(RightTree, current, under) : FindItemOf(RightTree, current);
        if (again && (under || !again->parent()))
            RightTree->setCurrentItem(again);
    }
    RightSelectionChanged();
}

QList<QTreeWidgetItem*> TPolicyView::OptionItems(const TPolicy& policy) const
{
    QList<QTreeWidgetItem*> items;
    for (const TOption* option : policy.Options)
        items << AddOptionItem(nullptr, nullptr, *option);
    return items;
}

QList<QTreeWidgetItem*> TPolicyView::CombinationItems(const TPolicy& policy) const
{
    QList<QTreeWidgetItem*> items;
    for (const TCombination* combination : PolicyCombinations(policy))
        items << AddCombinationItem(nullptr, *combination);
    return items;
}

QList<QTreeWidgetItem*> TPolicyView::VariableItems(const TPolicy& policy) const
{
    QList<QTreeWidgetItem*> items;
    for (const TVariable* variable : AffectedVariables(policy)) {
        auto* item = new QTreeWidgetItem(QStringList{variable->Name});
        item->setIcon(0, VariableIcon(*variable));
        SetItemObject(item, variable);
        items << item;
    }
    return items;
}

QList<QTreeWidgetItem*> TPolicyView::QualifierItems(const TPolicy& policy) const
{
    QList<QTreeWidgetItem*> items;
    const std::vector<int> counts = QualifierCounts(policy);
    for (int i = 0; i < Case.Qualifiers.Count(); ++i) {
        const TQualifier* qualifier = Case.Qualifiers.At(i);
        auto* item = new QTreeWidgetItem(QStringList{qualifier->Name + QStringLiteral(": ") + QString::number(counts[size_t(i)])});
        if (!qualifier->Icon.isNull())
            item->setIcon(0, QIcon(QPixmap::fromImage(qualifier->Icon)));
        SetItemObject(item, qualifier);
        items << item;
    }
    return items;
}

TNameless* TPolicyView::RightItemOf(const QTreeWidgetItem* item) const
{
    const TPolicy* policy = SelectedPolicy();
    if (!item || !policy)
        return nullptr;
    const void* object = ItemObject(item);
    auto find = [object](const auto& list) -> TNameless* { return FindObject(list, object); };
    switch (CurrentMode) {
    case TMode::Options: return find(policy->Options);
    case TMode::Combinations:
        for (TCombination* combination : PolicyCombinations(*policy)) {
            if (combination == object)
                return combination;
            if (combination == ItemObject(item->parent()))
                return find(combination->Options);
        }
        return nullptr;
    case TMode::Variables: return find(Case.Variables);
    case TMode::Qualifiers: return find(Case.Qualifiers);
    case TMode::Appreciation: return nullptr;
    }
    return nullptr;
}

void TPolicyView::RightSelectionChanged()
{
    QTreeWidgetItem* current = RightTree->currentItem();
    ItemComment->Show(current && current->isSelected() ? RightItemOf(current) : nullptr);
    UpdateCommands();
}

void TPolicyView::UpdateCommands()
{
    const bool policy = SelectedPolicy() != nullptr;
    DeleteBtn->setEnabled(policy);
    PolicyComment->setEnabled(policy);
    for (QToolButton* button : ModeButtons)
        button->setEnabled(policy);
    QTreeWidgetItem* current = RightTree->currentItem();
    DeleteOptionBtn->setEnabled(policy && CurrentMode == TMode::Options && current && current->isSelected());
}

void TPolicyView::AddBtnClick()
{
    const std::optional<QString> name = Prompts().AskConceptName(tr("Name"), QString());
    if (!name)
        return;
    const QString clean = CleanTrimmedName(*name);
    // No nameless policy: it could be neither found nor stored.
    if (clean.isEmpty())
        return;
    TPolicy* policy = Case.Policies.Find(clean);
    if (!policy) {
        TCaseEdit edit(Case, tr("Add policy ") + clean, ChangePolicies);
        policy = Case.Policies.At(Case.AddPolicy(clean));
    }
    PolicyTree->clearSelection();
    SelectPolicy(policy);
}

void TPolicyView::DeleteBtnClick()
{
    TPolicy* policy = SelectedPolicy();
    if (!policy || !AskYesNo(tr("Really delete policy?")))
        return;
    PolicyComment->Show(nullptr);   // what was typed goes with the policy
    {
        TCaseEdit edit(Case, tr("Delete policy ") + policy->Name, ChangePolicies);
        Case.DeletePolicy(policy);
    }
    PolicyTree->clearSelection();
    PolicyTree->setCurrentItem(nullptr);
    PolicySelectionChanged();
}

void TPolicyView::Rename(QTreeWidgetItem* item)
{
    // The item may have gone with a rebuild while the rename waited.
    const int index = PolicyTree->indexOfTopLevelItem(item);
    TPolicy* policy = index >= 0 ? PolicyOf(item) : nullptr;
    if (!policy)
        return;
    const QString clean = CleanTrimmedName(item->text(0));
    if (!clean.isEmpty() && clean != policy->Name) {
        TCaseEdit edit(Case, tr("Rename policy ") + policy->Name, ChangePolicies);
        if (Case.Policies.RenameConcept(policy, clean) < 0)
            edit.Cancel();
    }
    // The list shows the policy's actual name, also after a refused rename.
    FillPolicies();
}

void TPolicyView::DeleteOptionBtnClick()
{
    TPolicy* policy = SelectedPolicy();
    QTreeWidgetItem* current = RightTree->currentItem();
    if (!policy || CurrentMode != TMode::Options || !current || !current->isSelected())
        return;
    auto* option = static_cast<TOption*>(RightItemOf(current));
    if (!option)
        return;
    TCaseEdit edit(Case, tr("Delete option ") + option->Name + tr(" from policy"), ChangePolicies);
    RemoveOptionFromPolicy(*policy, option);
}

bool TPolicyView::AcceptsDrop(const QMimeData* data) const
{
    return CurrentMode == TMode::Options && SelectedPolicy()
           && (CarriesKind(data, TDragKind::Option) || CarriesKind(data, TDragKind::DesignObject));
}

void TPolicyView::Drop(const QMimeData* data, const QPoint& globalPos)
{
    TPolicy* policy = SelectedPolicy();
    if (!policy || !AcceptsDrop(data))
        return;
    // Items deleted since the drag began are left out.
    const TDroppedItems dropped = ReadDragItems(data, Case);
    if (!dropped.Options.empty()) {
        DropOptions(*policy, dropped.Options);
        return;
    }
    if (dropped.DesignObjects.empty())
        return;
    const QStringList entries = {tr("Checked options "), tr("Checked options, including  subsystems"),
                                 tr("Status quo options"), tr("Status quo options, including subsystems")};
    const int chosen = Prompts().ChooseMenuItem(entries, globalPos);
    if (chosen < 0)
        return;
    // The menu had its own event loop: the policy and the object are found again.
    policy = SelectedPolicy();
    const TDroppedItems again = ReadDragItems(data, Case);
    if (policy && !again.DesignObjects.empty())
        DropDesignObject(*policy, again.DesignObjects.front(), chosen >= 2, chosen % 2 == 1);
}

void TPolicyView::DropOptions(TPolicy& policy, const std::vector<TOption*>& options)
{
    {
        TCaseEdit edit(Case, tr("Add option ") + options.front()->Name + tr(" to policy"), ChangePolicies);
        const std::vector<TOption*> before = policy.Options;
        for (TOption* option : options)
            AddOptionToPolicy(policy, option);
        if (policy.Options == before)
            edit.Cancel();
    }
    // The option that came last and stayed is the one shown selected.
    for (auto option = options.rbegin(); option != options.rend(); ++option)
        if (QTreeWidgetItem* item = FindItemOf(RightTree, *option)) {
            RightTree->setCurrentItem(item);
            return;
        }
}

void TPolicyView::DropDesignObject(TPolicy& policy, TDesignObject* object, bool statusQuo, bool withSubsystems)
{
    TCaseEdit edit(Case, tr("Add options of ") + object->Name + tr(" to policy"), ChangePolicies);
    const std::vector<TOption*> before = policy.Options;
    AddDesignObjectOptions(policy, object, statusQuo, withSubsystems);
    if (policy.Options == before)
        edit.Cancel();
}

QMimeData* TPolicyView::DragPolicies(const QList<QTreeWidgetItem*>& items) const
{
    std::vector<TDragItem> dragged;
    for (const QTreeWidgetItem* item : items)
        if (const TPolicy* policy = PolicyOf(item))
            dragged.push_back(DragItem(policy));
    return dragged.empty() ? nullptr : MakeDragData(dragged);
}
