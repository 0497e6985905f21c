#include "ui/proproview.h"

#include "model/case.h"
#include "model/caseedit.h"
#include "model/enumerations.h"
#include "model/icons.h"
#include "model/option.h"
#include "policy/combination.h"
#include "policy/combinationedit.h"
#include "ui/combinationitems.h"
#include "ui/commentbox.h"
#include "ui/dragitems.h"
#include "ui/droptree.h"
#include "ui/uiicons.h"

#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <unordered_set>

namespace {

// The ratings the rating menu offers, best first.
constexpr int MenuRatings[] = {3, 2, 1, -1, -2, -3};

QString Capitalised(const QString& word) { return word.left(1).toUpper() + word.mid(1); }

QWidget* Column(QLayout* top, QWidget* list, QWidget* comment)
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(list, 3);
    layout->addWidget(comment, 1);
    return side;
}

// The icon of an area: its level's icon in its phase's colours, made once per pair.
class TAreaIcons
{
public:
    QIcon Of(const TDecisionArea& area)
    {
        const TSystemLevel* level = area.SystemLevel;
        if (!area.Phase || level->Icon.isNull())
            return QIcon();
        const auto key = qMakePair(quintptr(level), quintptr(area.Phase));
        auto found = Icons.constFind(key);
        if (found == Icons.constEnd())
            found = Icons.insert(key, QIcon(QPixmap::fromImage(LevelInPhaseIcon(level->Icon, *area.Phase))));
        return *found;
    }

private:
    QHash<QPair<quintptr, quintptr>, QIcon> Icons;
};

std::vector<TDecisionArea*> AreasInOrder(const TCase& aCase)
{
    std::vector<TDecisionArea*> areas;
    aCase.ForEachDecisionArea([&areas](TDecisionArea* area) { areas.push_back(area); });
    std::stable_sort(areas.begin(), areas.end(), DecisionAreaLess);
    return areas;
}

std::vector<TOption*> OptionsInOrder(const TDecisionArea& area)
{
    std::vector<TOption*> options(area.Options.begin(), area.Options.end());
    SortOptions(options);
    return options;
}

} // namespace

TProProView::TProProView(TORVEL& main, TCase& aCase) : TCaseView(main, aCase)
{
    setWindowTitle(tr("Preclusions, problems and promises"));
    setWindowIcon(BuiltinIcon(QStringLiteral("propro")));
    auto* splitter = new QSplitter(this);
    splitter->addWidget(MakeAreaSide());
    splitter->addWidget(MakePreclusionSide());
    splitter->addWidget(MakeCombinationSide());
    splitter->setChildrenCollapsible(false);
    (new QVBoxLayout(this))->addWidget(splitter);
    resize(1040, 500);
    FillAreas();
    ShowRatingButton();
    AreaSelectionChanged();
}

QWidget* TProProView::Create(TORVEL& main, TCase& aCase) { return new TProProView(main, aCase); }

QWidget* TProProView::MakeAreaSide()
{
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Decision areas and options")));
    AreaTree = new TDropTree;
    AreaTree->setObjectName(QStringLiteral("AreaTree"));
    AreaTree->setDragDropMode(QAbstractItemView::NoDragDrop);
    AreaTree->setUniformRowHeights(true);
    AreaComment = new TCommentBox;
    AreaComment->setObjectName(QStringLiteral("AreaComment"));
    AreaComment->setReadOnly(true);
    connect(AreaTree, &QTreeWidget::itemSelectionChanged, this, &TProProView::AreaSelectionChanged);
    // Thousands of options: each area makes its items when it is first opened.
    connect(AreaTree, &QTreeWidget::itemExpanded, this, &TProProView::AddOptionItems);
    return Column(top, AreaTree, AreaComment);
}

QWidget* TProProView::MakePreclusionSide()
{
    auto* top = new QHBoxLayout;
    PreclusionTitle = new QLabel;
    PreclusionTitle->setObjectName(QStringLiteral("PreclusionTitle"));
    DeletePreclusionBtn = new QPushButton(tr("&Delete"));
    DeletePreclusionBtn->setObjectName(QStringLiteral("DeletePreclusionBtn"));
    DeletePreclusionBtn->setToolTip(tr("Remove preclusion"));
    top->addWidget(PreclusionTitle, 1);
    top->addWidget(DeletePreclusionBtn);
    PreclusionTree = new TDropTree;
    PreclusionTree->setObjectName(QStringLiteral("PreclusionTree"));
    PreclusionTree->setRootIsDecorated(false);
    PreclusionTree->Accepts = [this](const QMimeData* data, QTreeWidgetItem*) { return AcceptsPreclusion(data); };
    PreclusionTree->Dropped = [this](const QMimeData* data, QTreeWidgetItem*, const QPoint&) { DropPreclusion(data); };
    PreclusionTree->DeletePressed = [this] { DeletePreclusionBtnClick(); };
    PreclusionComment = new TCommentBox;
    PreclusionComment->setObjectName(QStringLiteral("PreclusionComment"));
    PreclusionComment->setPlaceholderText(tr("Add information on preclusions to comment for decision area"));
    PreclusionComment->setToolTip(PreclusionComment->placeholderText());
    PreclusionComment->OnStore = [this](TNameless& item, const QString& text) {
        StoreComment(item, text, ChangeAreasOptions);
    };
    connect(DeletePreclusionBtn, &QPushButton::clicked, this, &TProProView::DeletePreclusionBtnClick);
    connect(PreclusionTree, &QTreeWidget::itemSelectionChanged, this, &TProProView::PreclusionSelectionChanged);
    return Column(top, PreclusionTree, PreclusionComment);
}

QWidget* TProProView::MakeCombinationSide()
{
    auto* top = new QHBoxLayout;
    RateBtn = new QToolButton;
    RateBtn->setObjectName(QStringLiteral("RateBtn"));
    RateBtn->setToolTip(tr("Change rating of combination"));
    RateBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    RateBtn->setPopupMode(QToolButton::MenuButtonPopup);
    auto* menu = new QMenu(RateBtn);
    for (const int rating : MenuRatings) {
        QAction* action = menu->addAction(FaceIcon(rating), Capitalised(FeasibilityLevelText(rating)));
        connect(action, &QAction::triggered, this, [this, rating] { ChooseRating(rating); });
    }
    RateBtn->setMenu(menu);
    DeleteCombinationBtn = new QPushButton(tr("D&elete"));
    DeleteCombinationBtn->setObjectName(QStringLiteral("DeleteCombinationBtn"));
    DeleteCombinationBtn->setToolTip(tr("Delete combination, or option from combination"));
    top->addWidget(new QLabel(tr("Problems and promises")), 1);
    top->addWidget(RateBtn);
    top->addWidget(DeleteCombinationBtn);
    CombinationTree = new TDropTree;
    CombinationTree->setObjectName(QStringLiteral("CombinationTree"));
    CombinationTree->Accepts = [this](const QMimeData* data, QTreeWidgetItem*) { return AcceptsCombination(data); };
    CombinationTree->Dropped = [this](const QMimeData* data, QTreeWidgetItem* target, const QPoint&) {
        DropCombination(data, target);
    };
    CombinationTree->DeletePressed = [this] { DeleteCombinationBtnClick(); };
    CombinationComment = new TCommentBox;
    CombinationComment->setObjectName(QStringLiteral("CombinationComment"));
    CombinationComment->setPlaceholderText(tr("Comment on combination"));
    CombinationComment->OnStore = [this](TNameless& item, const QString& text) {
        StoreComment(item, text, ChangeCombinations);
    };
    connect(RateBtn, &QToolButton::clicked, this, &TProProView::RateBtnClick);
    connect(DeleteCombinationBtn, &QPushButton::clicked, this, &TProProView::DeleteCombinationBtnClick);
    connect(CombinationTree, &QTreeWidget::itemSelectionChanged, this, &TProProView::CombinationSelectionChanged);
    return Column(top, CombinationTree, CombinationComment);
}

void TProProView::StorePendingEdits()
{
    PreclusionComment->StorePending();
    CombinationComment->StorePending();
}

void TProProView::CaseChanged(TChangeKinds kinds)
{
    if (kinds & (ChangeLevels | ChangeAreasOptions | ChangeCatalogues))
        FillAreas(kinds & (ChangeLevels | ChangeCatalogues));
    if (kinds & (ChangeLevels | ChangeAreasOptions | ChangeCatalogues | ChangeCombinations)) {
        FillPreclusions();
        FillCombinations();
    }
    AreaComment->Show(SelectedOption() ? static_cast<TNameless*>(SelectedOption()) : SelectedArea());
}

// ---- the left list ----

TDecisionArea* TProProView::AreaOf(const QTreeWidgetItem* item) const
{
    if (!item || item->parent())
        return nullptr;
    // The area's name finds it quickly in each level; the address decides.
    const void* object = ItemObject(item);
    for (const TSystemLevel* level : Case.SystemLevels)
        if (TDecisionArea* area = level->DecisionAreas.Find(item->text(0)); area == object)
            return area;
    return nullptr;
}

TOption* TProProView::OptionOf(const QTreeWidgetItem* item) const
{
    const TDecisionArea* area = item ? AreaOf(item->parent()) : nullptr;
    return area ? FindObject(area->Options, ItemObject(item)) : nullptr;
}

TDecisionArea* TProProView::SelectedArea() const
{
    QTreeWidgetItem* current = AreaTree->currentItem();
    return current && current->isSelected() ? AreaOf(current) : nullptr;
}

TOption* TProProView::SelectedOption() const
{
    QTreeWidgetItem* current = AreaTree->currentItem();
    return current && current->isSelected() ? OptionOf(current) : nullptr;
}

void TProProView::Select(const void* areaOrOption)
{
    QTreeWidgetItem* item = FindItemOf(AreaTree, areaOrOption);
    // An option of an area never opened has no item yet: its area makes them.
    TOption* option = nullptr;
    if (!item)
        Case.ForEachOption([&](TOption* o) { option = o == areaOrOption ? o : option; });
    if (option) {
        QTreeWidgetItem* areaItem = FindItemOf(AreaTree, option->DecisionArea);
        if (areaItem) {
            AddOptionItems(areaItem);
            item = FindItemOf(AreaTree, option, areaItem);
        }
    }
    AreaTree->setCurrentItem(item);
    if (!item)
        AreaTree->clearSelection();
}

void TProProView::AddOptionItems(QTreeWidgetItem* areaItem)
{
    const TDecisionArea* area = AreaOf(areaItem);
    if (!area || areaItem->childCount() > 0)
        return;
    const QIcon optionIcon = BuiltinIcon(QStringLiteral("option"));
    QList<QTreeWidgetItem*> children;
    for (const TOption* option : OptionsInOrder(*area)) {
        auto* child = new QTreeWidgetItem(QStringList{option->Name});
        child->setIcon(0, optionIcon);
        SetItemObject(child, option);
        children << child;
    }
    areaItem->addChildren(children);
}

bool TProProView::AreasShown(const std::vector<TDecisionArea*>& areas) const
{
    if (AreaTree->topLevelItemCount() != int(areas.size()))
        return false;
    for (int i = 0; i < int(areas.size()); ++i) {
        const QTreeWidgetItem* item = AreaTree->topLevelItem(i);
        const TDecisionArea* area = areas[size_t(i)];
        if (ItemObject(item) != area || item->text(0) != area->Name)
            return false;
        // Options have items only once their area was opened.
        if (item->childCount() == 0) {
            if ((item->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator) != !area->Options.IsEmpty())
                return false;
            continue;
        }
        if (item->childCount() != area->Options.Count())
            return false;
        const std::vector<TOption*> options = OptionsInOrder(*area);
        for (int j = 0; j < int(options.size()); ++j)
            if (ItemObject(item->child(j)) != options[size_t(j)] || item->child(j)->text(0) != options[size_t(j)]->Name)
                return false;
    }
    return true;
}

void TProProView::FillAreas(bool iconsChanged)
{
    const std::vector<TDecisionArea*> areas = AreasInOrder(Case);
    // Unchanged, the list keeps its selection, its open areas and its scrolling.
    if (AreasShown(areas)) {
        // Level icons and phase colours show in the areas' icons.
        TAreaIcons icons;
        for (int i = 0; iconsChanged && i < int(areas.size()); ++i)
            AreaTree->topLevelItem(i)->setIcon(0, icons.Of(*areas[size_t(i)]));
        return;
    }
    const QTreeWidgetItem* currentItem = AreaTree->currentItem();
    const void* current = ItemObject(currentItem);
    const void* currentArea = currentItem && currentItem->parent() ? ItemObject(currentItem->parent()) : current;
    std::unordered_set<const void*> expanded;
    for (int i = 0; i < AreaTree->topLevelItemCount(); ++i)
        if (AreaTree->topLevelItem(i)->isExpanded())
            expanded.insert(ItemObject(AreaTree->topLevelItem(i)));
    Filling = true;
    {
        const QSignalBlocker block(AreaTree);
        AreaTree->clear();
        TAreaIcons icons;
        QList<QTreeWidgetItem*> items;
        items.reserve(int(areas.size()));
        for (const TDecisionArea* area : areas) {
            auto* item = new QTreeWidgetItem(QStringList{area->Name});
            item->setIcon(0, icons.Of(*area));
            if (!area->Options.IsEmpty())
                item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            SetItemObject(item, area);
            items << item;
        }
        // All at once: one insertion instead of thousands.
        AreaTree->addTopLevelItems(items);
        QTreeWidgetItem* again = nullptr;
        for (QTreeWidgetItem* item : items) {
            const void* area = ItemObject(item);
            if (area == currentArea) {
                AddOptionItems(item);
                again = area == current ? item : FindItemOf(AreaTree, current, item);
            }
            if (expanded.count(area)) {
                AddOptionItems(item);
                item->setExpanded(true);
            }
        }
        if (again)
            AreaTree->setCurrentItem(again);
    }
    Filling = false;
    AreaSelectionChanged();
}

void TProProView::AreaSelectionChanged()
{
    if (Filling)
        return;
    PreclusionComment->StorePending();
    CombinationComment->StorePending();
    AreaComment->Show(SelectedOption() ? static_cast<TNameless*>(SelectedOption()) : SelectedArea());
    FillPreclusions();
    FillCombinations();
}

// ---- preclusions ----

TNameless* TProProView::PreclusionOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return nullptr;
    if (const TOption* option = SelectedOption())
        return FindObject(option->PrecludedAreas, ItemObject(item));
    if (const TDecisionArea* area = SelectedArea())
        return FindObject(area->PrecludingOptions(), ItemObject(item));
    return nullptr;
}

void TProProView::FillPreclusions()
{
    const void* current = ItemObject(PreclusionTree->currentItem());
    QList<QTreeWidgetItem*> items;
    TAreaIcons icons;
    if (const TOption* option = SelectedOption()) {
        PreclusionTitle->setText(tr("Precluded decision areas"));
        for (const TDecisionArea* area : option->PrecludedAreas) {
            auto* item = new QTreeWidgetItem(QStringList{area->Name});
            item->setIcon(0, icons.Of(*area));
            SetItemObject(item, area);
            items << item;
        }
    } else if (const TDecisionArea* area = SelectedArea()) {
        PreclusionTitle->setText(tr("Precluding decision options"));
        for (const TOption* precluding : area->PrecludingOptions())
            items << AddOptionItem(nullptr, nullptr, *precluding);
    } else {
        PreclusionTitle->setText(tr("Preclusions"));
    }
    if (ReplaceItems(PreclusionTree, items, false)) {
        const QSignalBlocker block(PreclusionTree);
        if (QTreeWidgetItem* again = FindItemOf(PreclusionTree, current))
            PreclusionTree->setCurrentItem(again);
    }
    PreclusionSelectionChanged();
}

void TProProView::PreclusionSelectionChanged()
{
    QTreeWidgetItem* current = PreclusionTree->currentItem();
    if (PreclusionComment->Item() != PreclusionOf(current))
        PreclusionComment->StorePending();
    PreclusionComment->Show(current && current->isSelected() ? PreclusionOf(current) : nullptr);
    UpdateCommands();
}

bool TProProView::AcceptsPreclusion(const QMimeData* data) const
{
    return (SelectedArea() && CarriesKind(data, TDragKind::Option))
           || (SelectedOption() && CarriesKind(data, TDragKind::DecisionArea));
}

void TProProView::DropPreclusion(const QMimeData* data)
{
    // Items deleted since the drag began are left out.
    const TDroppedItems dropped = ReadDragItems(data, Case);
    std::vector<std::pair<TOption*, TDecisionArea*>> pairs;
    if (TDecisionArea* area = SelectedArea())
        for (TOption* option : dropped.Options)
            pairs.emplace_back(option, area);
    else if (TOption* option = SelectedOption())
        for (TDecisionArea* area : dropped.Areas)
            pairs.emplace_back(option, area);
    if (pairs.empty())
        return;
    TCaseEdit edit(Case, tr("Add preclusion"), ChangeAreasOptions | ChangeDesigns);
    bool added = false;
    for (auto [option, area] : pairs) {
        const bool before = option->Precludes(area);
        option->AddPreclusion(area);
        added |= !before && option->Precludes(area);
    }
    if (!added)
        edit.Cancel();
}

void TProProView::DeletePreclusionBtnClick()
{
    QTreeWidgetItem* current = PreclusionTree->currentItem();
    if (!current || !current->isSelected())
        return;
    TOption* option = SelectedOption();
    TDecisionArea* area = SelectedArea();
    if (option)
        area = static_cast<TDecisionArea*>(PreclusionOf(current));
    else
        option = static_cast<TOption*>(PreclusionOf(current));
    if (!option || !area)
        return;
    PreclusionComment->Show(nullptr);   // the item goes; typing in it was for the item itself
    TCaseEdit edit(Case, tr("Remove preclusion of ") + area->Name, ChangeAreasOptions | ChangeDesigns);
    option->RemovePreclusion(area);
}

// ---- problems and promises ----

TCombination* TProProView::CombinationOf(const QTreeWidgetItem* item) const
{
    const TOption* option = SelectedOption();
    if (!item || !option)
        return nullptr;
    const QTreeWidgetItem* top = item->parent() ? item->parent() : item;
    // The list shows only the option's combinations: finding it in the case is enough.
    const void* object = ItemObject(top);
    for (const auto& combination : Case.Combinations)
        if (combination.get() == object)
            return combination.get();
    return nullptr;
}

TCombination* TProProView::SelectedCombination() const
{
    QTreeWidgetItem* current = CombinationTree->currentItem();
    return current && current->isSelected() ? CombinationOf(current) : nullptr;
}

void TProProView::SelectCombination(const TCombination* combination)
{
    QTreeWidgetItem* item = nullptr;
    for (int i = 0; !item && i < CombinationTree->topLevelItemCount(); ++i)
        if (ItemObject(CombinationTree->topLevelItem(i)) == combination)
            item = CombinationTree->topLevelItem(i);
    CombinationTree->setCurrentItem(item);
    if (!item)
        CombinationTree->clearSelection();
}

void TProProView::FillCombinations()
{
    const QTreeWidgetItem* currentItem = CombinationTree->currentItem();
    const void* current = ItemObject(currentItem);
    const void* currentTop = currentItem && currentItem->parent() ? ItemObject(currentItem->parent()) : current;
    QList<QTreeWidgetItem*> items;
    if (const TOption* option = SelectedOption()) {
        std::vector<TCombination*> combinations = CombinationsOf(option);
        SortCombinations(combinations);
        for (const TCombination* combination : combinations)
            items << AddCombinationItem(nullptr, *combination, option);
    }
    if (ReplaceItems(CombinationTree, items, true)) {
        // An option beneath a combination is found again beneath the same one.
        const QSignalBlocker block(CombinationTree);
        QTreeWidgetItem* top = nullptr;
        for (QTreeWidgetItem* item : items)
            top = ItemObject(item) == currentTop ? item : top;
        QTreeWidgetItem* again = top;
        for (int i = 0; top && i < top->childCount(); ++i)
            if (ItemObject(top->child(i)) == current)
                again = top->child(i);
        if (again)
            CombinationTree->setCurrentItem(again);
    }
    CombinationSelectionChanged();
}

void TProProView::CombinationSelectionChanged()
{
    QTreeWidgetItem* current = CombinationTree->currentItem();
    TNameless* shown = nullptr;
    if (current && current->isSelected()) {
        TCombination* combination = CombinationOf(current);
        shown = combination && current->parent() ? FindObject(combination->Options, ItemObject(current))
                                                 : static_cast<TNameless*>(combination);
    }
    if (CombinationComment->Item() != shown)
        CombinationComment->StorePending();
    CombinationComment->Show(shown);
    // An option's comment is only shown here; it is edited in the hierarchy.
    CombinationComment->setReadOnly(current && current->parent());
    UpdateCommands();
}

bool TProProView::AcceptsCombination(const QMimeData* data) const
{
    return SelectedOption() && CarriesKind(data, TDragKind::Option);
}

void TProProView::DropCombination(const QMimeData* data, QTreeWidgetItem* target)
{
    TOption* selected = SelectedOption();
    const TDroppedItems dropped = ReadDragItems(data, Case);
    if (!selected || dropped.Options.empty())
        return;
    TCombination* onto = CombinationOf(target);
    TCombination* result = onto;
    {
        TCaseEdit edit(Case, onto ? tr("Extend combination") : tr("New combination"), ChangeCombinations);
        bool changed = false;
        if (onto) {
            for (TOption* option : dropped.Options) {
                const size_t count = result->Options.size();
                TCombination* next = ExtendCombination(result, option);
                if (!next)
                    break;
                changed |= next == result && result->Options.size() != count;
                result = next;
            }
        } else {
            std::vector<TOption*> options{selected};
            options.insert(options.end(), dropped.Options.begin(), dropped.Options.end());
            const size_t count = Case.Combinations.size();
            result = CreateCombination(Case, options, Rating);
            changed = Case.Combinations.size() != count;
        }
        if (!changed)
            edit.Cancel();
    }
    // A combination that existed already is shown selected instead.
    if (result)
        SelectCombination(result);
}

void TProProView::ChooseRating(int rating)
{
    Rating = rating;
    ShowRatingButton();
    RateBtnClick();
}

void TProProView::RateBtnClick()
{
    TCombination* combination = SelectedCombination();
    if (!combination)
        return;
    {
        TCaseEdit edit(Case, tr("Rate combination"), ChangeCombinations);
        if (!RateCombination(combination, Rating))
            edit.Cancel();
    }
    SelectCombination(combination);
}

void TProProView::DeleteCombinationBtnClick()
{
    QTreeWidgetItem* current = CombinationTree->currentItem();
    TCombination* combination = SelectedCombination();
    if (!combination)
        return;
    CombinationComment->Show(nullptr);
    if (current->parent()) {
        TOption* option = FindObject(combination->Options, ItemObject(current));
        if (!option)
            return;
        TCaseEdit edit(Case, tr("Remove option ") + option->Name + tr(" from combination"), ChangeCombinations);
        if (RemoveFromCombination(combination, option) == combination && combination->Contains(option))
            edit.Cancel();
    } else {
        TCaseEdit edit(Case, tr("Delete combination"), ChangeCombinations);
        Case.DeleteCombination(combination);
    }
}

void TProProView::ShowRatingButton()
{
    RateBtn->setText(Capitalised(FeasibilityLevelText(Rating)));
    RateBtn->setIcon(FaceIcon(Rating));
}

void TProProView::UpdateCommands()
{
    QTreeWidgetItem* preclusion = PreclusionTree->currentItem();
    DeletePreclusionBtn->setEnabled(preclusion && preclusion->isSelected());
    const bool combination = SelectedCombination() != nullptr;
    DeleteCombinationBtn->setEnabled(combination);
}
