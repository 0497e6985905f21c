// The commands of the system hierarchy window: each is one edit of the case.
#include "ui/systemhierarchy.h"

#include "model/case.h"
#include "model/caseedit.h"
#include "model/helpers.h"
#include "model/hierarchycopy.h"
#include "model/icons.h"
#include "model/messages.h"
#include "model/optionnumbers.h"
#include "ui/beep.h"
#include "ui/commentbox.h"
#include "ui/dragitems.h"
#include "ui/hierarchyentries.h"
#include "ui/hierarchytree.h"

#include <QAction>
#include <QMimeData>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace {

// What deleting an area or an option reaches besides the hierarchy.
constexpr TChangeKinds CascadeKinds = ChangeDesigns | ChangeActors | ChangeCombinations | ChangePolicies;

template <class T>
std::vector<T*> ByNumber(const TConceptList<T>& list, int (*number)(const T*))
{
    std::vector<T*> items(list.begin(), list.end());
    std::stable_sort(items.begin(), items.end(), [number](const T* a, const T* b) { return number(a) < number(b); });
    return items;
}

} // namespace

// ---- Left side -------------------------------------------------------------

void TSystemHierarchy::NewBtnClick() { AddLevel(false); }
void TSystemHierarchy::NewSubBtnClick() { AddLevel(true); }

void TSystemHierarchy::AddLevel(bool sub)
{
    TSystemLevel* selected = CurrentLevel();
    if (sub && !selected)
        return;
    const std::optional<QString> typed = Prompts().AskConceptName(tr("Name"), QString());
    if (!typed || CleanTrimmedName(*typed).isEmpty())
        return;
    TSystemLevel* existing = Case.SystemLevels.Find(CleanTrimmedName(*typed));
    if (existing && existing->Depth >= 0) {
        // Found by identity: the level that has the name, wherever it stands.
        if (!Entry(existing))
            ShowError(QStringLiteral("Node not found"));
        Select(existing);
        return;
    }
    StoreComments();
    TCaseEdit edit(Case, tr("Add system level ") + CleanTrimmedName(*typed), ChangeLevels);
    TSystemLevel* level = Case.SystemLevels.At(Case.AddSystemLevel(*typed));
    level->PlaceUnder(sub ? selected : selected ? selected->Parent : nullptr);
    WantedLevel = level;
}

void TSystemHierarchy::ImageBtnClick()
{
    TSystemLevel* level = CurrentLevel();
    if (!level)
        return;
    const std::optional<QImage> image = Prompts().EditIcon(*level);
    if (!image)
        return;
    TCaseEdit edit(Case, tr("Edit image of ") + level->Name, ChangeLevels);
    SetConceptIcon(*level, *image);
}

void TSystemHierarchy::DeleteBtnClick()
{
    TSystemLevel* level = CurrentLevel();
    if (!level || !level->Children.empty())
        return;
    if (!AskYesNo(QStringLiteral("ALL instances of this type will also be deleted.\nContinue?")))
        return;
    StoreComments();
    LeftComment->Show(nullptr);
    RightComment->Show(nullptr);
    TCaseEdit edit(Case, tr("Delete system level ") + level->Name, ChangeLevels | ChangeAreasOptions | CascadeKinds);
    Case.DeleteSystemLevel(level);
}

template <class T>
bool TSystemHierarchy::Rename(TConceptList<T>& list, T* item, const QString& text, const QString& label,
                              TChangeKinds kinds)
{
    const QString name = CleanTrimmedName(text);
    bool renamed = false;
    if (!name.isEmpty() && name != item->Name) {
        TCaseEdit edit(Case, label + item->Name, kinds);
        renamed = list.RenameConcept(item, name) >= 0;
        if (!renamed)
            edit.Cancel();
    }
    CaseChanged(kinds);   // shows the name the item has, refused or not
    return renamed;
}

void TSystemHierarchy::RenameItem(TSystemLevel* level, const QString& text)
{
    WantedLevel = level;
    LeftSorted = Rename(Case.SystemLevels, level, text, tr("Rename system level "), ChangeLevels) || LeftSorted;
}

// A rename leaves the right tree in its order; the next fill sorts it.
void TSystemHierarchy::RenameItem(TDecisionArea* area, const QString& text)
{
    KeepOrder = true;
    Rename(area->SystemLevel->DecisionAreas, area, text, tr("Rename decision area "), ChangeAreasOptions);
    KeepOrder = false;
}

void TSystemHierarchy::RenameItem(TOption* option, const QString& text)
{
    KeepOrder = true;
    Rename(option->DecisionArea->Options, option, text, tr("Rename option "), ChangeAreasOptions);
    KeepOrder = false;
}

void TSystemHierarchy::ItemRenamed(QTreeWidgetItem* entry)
{
    // Run once the tree has finished with its editor: the rename rebuilds the tree.
    const TSystemLevel* level = CurrentLevel();
    const void* item = EntryPointer(entry);
    const int type = entry->type();
    const QString text = entry->text(0);
    QMetaObject::invokeMethod(
        this,
        [this, level, item, type, text] {
            // The item is used only once found again in the case.
            for (TSystemLevel* l : Case.SystemLevels) {
                if (type == LevelEntry && l == item)
                    return RenameItem(l, text);
                if (l != level)
                    continue;
                for (TDecisionArea* area : l->DecisionAreas) {
                    if (area == item)
                        return RenameItem(area, text);
                    for (TOption* option : area->Options)
                        if (option == item)
                            return RenameItem(option, text);
                }
            }
        },
        Qt::QueuedConnection);
}

// ---- Right side ------------------------------------------------------------

void TSystemHierarchy::AddDABtnClick()
{
    TSystemLevel* level = CurrentLevel();
    if (!level)
        return;
    if (Case.Categories.IsEmpty())
        return ShowInfo(QStringLiteral("No categories have been defined yet"));
    if (Case.Phases.IsEmpty())
        return ShowInfo(QStringLiteral("No phases have been defined yet"));
    const auto answer = Prompts().AskDecisionArea(Case, SelectedArea());
    if (!answer)
        return;
    const QString name = CleanTrimmedName(answer->Name);
    if (name.isEmpty() || answer->PhaseIndex < 0 || answer->PhaseIndex >= Case.Phases.Count()
        || answer->CategoryIndex < 0 || answer->CategoryIndex >= Case.Categories.Count())
        return;
    if (TDecisionArea* existing = level->DecisionAreas.Find(name)) {
        Select(existing);
        return ShowWarning(QStringLiteral("Decision area \"") + name + QStringLiteral("\" already exists"));
    }
    StoreComments();
    TCaseEdit edit(Case, tr("Add decision area ") + name, ChangeAreasOptions);
    TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(name));
    area->SetPhase(Case.Phases.At(answer->PhaseIndex));
    area->SetCategory(Case.Categories.At(answer->CategoryIndex));
    WantedItem = area;
}

void TSystemHierarchy::AddOptionBtnClick()
{
    TDecisionArea* area = SelectedArea();
    if (!area)
        return;   // the button is off without a selection
    const TOption* selected = SelectedOption();
    const int number = selected ? selected->Number + 1 : area->Options.Count() - 1;
    const auto answer = Prompts().AskOption(Case);
    if (!answer)
        return;
    const QString name = CleanTrimmedName(answer->Name);
    if (name.isEmpty())
        return;
    if (TOption* existing = area->Options.Find(name)) {
        Select(existing);
        return ShowWarning(QStringLiteral("Option \"") + name + QStringLiteral("\" already defined"));
    }
    StoreComments();
    TCaseEdit edit(Case, tr("Add option ") + name, ChangeAreasOptions);
    TOption* option = area->Options.At(area->AddOption(name));
    InsertOptionNumber(*option, number);
    if (answer->QualifiersChanged)
        for (TQualifier* qualifier : answer->Qualifiers)
            option->AddQualifier(qualifier);
    WantedItem = option;
}

void TSystemHierarchy::AddEffectBtnClick()
{
    if (!CurrentItem())
        return;
    TOption* option = SelectedOption();
    if (!option)
        return ShowInfo(QStringLiteral("No option has been selected"));
    if (Case.Scales.IsEmpty())
        return ShowInfo(QStringLiteral("No scales have been defined yet"));
    StoreComments();
    TVariable* variable = nullptr;
    {
        // The variable dialog adds a variable that is typed new.
        TCaseEdit edit(Case, tr("Add variable"), ChangeCatalogues);
        const int before = Case.Variables.Count();
        variable = Prompts().ChooseEffectVariable(Case);
        if (Case.Variables.Count() == before)
            edit.Cancel();
    }
    if (!variable)
        return;
    for (const auto& effect : option->Effects)
        if (effect->Variable == variable) {
            Select(effect.get());
            return EditFormula(*effect, false, tr("Edit formula of ") + variable->Name);
        }
    AddEffect(*option, variable);
}

void TSystemHierarchy::AddEffect(TOption& option, TVariable* variable)
{
    // The effect joins its option only once its formula is accepted.
    auto effect = std::make_unique<TEffect>(&option, variable);
    const auto answer = Prompts().EditFormula(*effect, false);
    if (!answer)
        return;
    TCaseEdit edit(Case, tr("Add effect on ") + variable->Name, ChangeValues);
    effect->NullWhenStatusQuo = answer->NullWhenStatusQuo;
    effect->SetFormula(answer->Formula);
    WantedItem = option.AddEffect(std::move(effect));
}

void TSystemHierarchy::FormulaBtnClick()
{
    if (TEffect* effect = SelectedEffect())
        EditFormula(*effect, false, tr("Edit formula of ") + effect->Variable->Name);
}

void TSystemHierarchy::EditFormula(TEffect& effect, bool checkOnShow, const QString& label)
{
    const auto answer = Prompts().EditFormula(effect, checkOnShow);
    if (!answer)
        return;
    if (!checkOnShow && answer->Formula == effect.Formula && answer->NullWhenStatusQuo == effect.NullWhenStatusQuo)
        return;
    TCaseEdit edit(Case, label, ChangeValues);
    effect.Option->EditEffect(effect, answer->Formula, answer->NullWhenStatusQuo);
    WantedItem = &effect;
}

void TSystemHierarchy::RepairFaultyEffects(const std::vector<TEffect*>& effects)
{
    for (TEffect* effect : effects)
        EditFormula(*effect, true, tr("Repair formula of ") + effect->Variable->Name);
}

void TSystemHierarchy::DuplicateBtnClick()
{
    TCopyReport report;
    if (TOption* option = EntryItem<TOption>(TreeView2->currentItem(), OptionEntry)) {
        TDecisionArea* area = option->DecisionArea;
        const QString name = option->Name + QStringLiteral(" (copy)");
        if (area->Options.Find(name))
            return ShowWarning(QStringLiteral("Duplicate option already exists"));
        StoreComments();
        TCaseEdit edit(Case, tr("Duplicate option ") + option->Name, ChangeAreasOptions);
        WantedItem = CopyOption(*option, *area, name, area->Options.Count() + 1, &report);
    } else if (TDecisionArea* area = SelectedArea(); area && CurrentItem() == area) {
        TSystemLevel* level = area->SystemLevel;
        const QString name = area->Name + QStringLiteral(" (copy)");
        if (level->DecisionAreas.Find(name))
            return ShowWarning(QStringLiteral("Duplicate decision area already exists"));
        StoreComments();
        TCaseEdit edit(Case, tr("Duplicate decision area ") + area->Name, ChangeAreasOptions);
        WantedItem = CopyDecisionArea(*area, *level, name, &report);
    }
    RepairFaultyEffects(report.FaultyEffects);
}

QPoint TSystemHierarchy::MenuPoint(const char* action) const
{
    for (const QToolBar* bar : findChildren<QToolBar*>())
        if (QWidget* button = bar->widgetForAction(Action(action)))
            return button->mapToGlobal(QPoint(0, button->height()));
    return mapToGlobal(QPoint());
}

void TSystemHierarchy::CategoryBtnClick() { ChooseConcept(true); }
void TSystemHierarchy::PhaseBtnClick() { ChooseConcept(false); }

void TSystemHierarchy::ChooseConcept(bool category)
{
    TDecisionArea* area = SelectedArea();
    if (!area || CurrentItem() != area)
        return;
    std::vector<TMenuChoice> items;
    if (category)
        for (const TCategory* c : ByNumber<TCategory>(Case.Categories, [](const TCategory* c) { return c->Number; }))
            items.push_back({c->Name, c->Icon, false, false});
    else
        for (const TPhase* p : ByNumber<TPhase>(Case.Phases, [](const TPhase* p) { return p->Order; }))
            items.push_back({p->Name, p->Icon, false, false});
    const int chosen = Prompts().ChooseMenuChoice(items, MenuPoint(category ? "CategoryBtn" : "PhaseBtn"));
    if (chosen < 0 || chosen >= int(items.size()))
        return;
    const QString& name = items[size_t(chosen)].Text;
    StoreComments();
    if (category) {
        TCategory* found = Case.Categories.Find(name);
        if (!found)
            return ShowError(QStringLiteral("Category \"") + name + QStringLiteral("\" not found"));
        TCaseEdit edit(Case, tr("Change category of ") + area->Name, ChangeAreasOptions);
        area->SetCategory(found);
    } else {
        TPhase* found = Case.Phases.Find(name);
        if (!found)
            return ShowError(QStringLiteral("Phase \"") + name + QStringLiteral("\" not found"));
        TCaseEdit edit(Case, tr("Change phase of ") + area->Name, ChangeAreasOptions);
        area->SetPhase(found);
    }
    WantedItem = area;
}

void TSystemHierarchy::QualifierBtnClick()
{
    TOption* option = EntryItem<TOption>(TreeView2->currentItem(), OptionEntry);
    if (!option)
        return;
    std::vector<TMenuChoice> items;
    for (const TQualifier* qualifier : Case.Qualifiers)
        items.push_back({qualifier->Name, qualifier->Icon, true, option->HasQualifier(qualifier)});
    const int chosen = Prompts().ChooseMenuChoice(items, MenuPoint("QualifierBtn"));
    if (chosen < 0 || chosen >= int(items.size()))
        return;
    const QString& name = items[size_t(chosen)].Text;
    TQualifier* qualifier = Case.Qualifiers.Find(name);
    if (!qualifier)
        return ShowError(QStringLiteral("Qualifier \"") + name + QStringLiteral("\" not found"));
    StoreComments();
    TCaseEdit edit(Case, tr("Change qualifications of ") + option->Name, ChangeAreasOptions);
    if (option->HasQualifier(qualifier))
        option->RemoveQualifier(qualifier);
    else
        option->AddQualifier(qualifier);
    WantedItem = option;
}

void TSystemHierarchy::RightDeleteBtnClick()
{
    TNameless* item = CurrentItem();
    if (!item)
        return;
    auto* area = dynamic_cast<TDecisionArea*>(item);
    auto* option = dynamic_cast<TOption*>(item);
    auto* effect = dynamic_cast<TEffect*>(item);
    const QString what = area ? QStringLiteral("Decision area, options and effects")
                         : option ? QStringLiteral("Option and effects")
                                  : QStringLiteral("Effect");
    if (!AskYesNo(what + QStringLiteral(" will also be removed from designs.\nContinue?")))
        return;
    StoreComments();
    RightComment->Show(nullptr);
    if (area) {
        // The design trees rebuild whole: their objects lose the area.
        TCaseEdit edit(Case, tr("Delete decision area ") + area->Name, ChangeLevels | ChangeAreasOptions | CascadeKinds);
        area->SystemLevel->DeleteDecisionArea(area);
    } else if (option) {
        TCaseEdit edit(Case, tr("Delete option ") + option->Name, ChangeAreasOptions | CascadeKinds);
        option->DecisionArea->DeleteOption(option);
    } else if (effect) {
        TCaseEdit edit(Case, tr("Delete effect on ") + effect->Variable->Name, ChangeValues);
        effect->Option->DeleteEffect(effect);
    }
}

void TSystemHierarchy::InsertKey()
{
    if (SelectedEffect())
        AddEffectBtnClick();
    else if (EntryItem<TOption>(TreeView2->currentItem(), OptionEntry))
        AddOptionBtnClick();
    else
        AddDABtnClick();
}

// ---- Find ------------------------------------------------------------------

void TSystemHierarchy::FindBtnClick()
{
    if (!CurrentLevel())
        return;
    if (const auto request = Prompts().AskFind())
        Find(*request, false);
}

void TSystemHierarchy::FindNextBtnClick()
{
    if (LastFind)
        Find(*LastFind, true);
}

bool TSystemHierarchy::Find(const TFindRequest& request, bool next)
{
    LastFind = request;
    UpdateButtons();
    int start = 0;
    if (QTreeWidgetItem* current = next ? TreeView2->currentItem() : nullptr) {
        int index = 0;
        for (QTreeWidgetItemIterator it(TreeView2); *it; ++it, ++index)
            if (*it == current) {
                start = index + 1;
                break;
            }
    }
    return FindFrom(start);
}

bool TSystemHierarchy::FindFrom(int start)
{
    std::vector<QTreeWidgetItem*> entries;
    for (QTreeWidgetItemIterator it(TreeView2); *it; ++it)
        entries.push_back(*it);
    // All entries once, from the start round to the one before it.
    for (size_t i = 0; i < entries.size(); ++i) {
        QTreeWidgetItem* entry = entries[(size_t(start) + i) % entries.size()];
        if (Matches(entry)) {
            TreeView2->setCurrentItem(entry);
            TreeView2->scrollToItem(entry);
            return true;
        }
    }
    Beep();
    return false;
}

bool TSystemHierarchy::Matches(const QTreeWidgetItem* entry) const
{
    const QString text = entry->text(0);
    const QString& search = LastFind->Text;
    const qsizetype first = text.indexOf(search, 0, Qt::CaseInsensitive);
    if (first < 0)
        return false;
    switch (entry->type()) {
    case AreaEntry: return LastFind->Areas;
    case OptionEntry: return LastFind->Options;
    default: break;
    }
    const qsizetype equals = text.indexOf(QStringLiteral(" = "));
    if (equals < 0)
        return LastFind->Variables;
    const qsizetype last = text.lastIndexOf(search, -1, Qt::CaseInsensitive);
    return (LastFind->Variables && first < equals) || (LastFind->Formulas && last > equals);
}

// ---- Drag and drop ---------------------------------------------------------

QMimeData* TSystemHierarchy::DragData(QTreeWidgetItem* entry)
{
    if (!entry || (entry->parent() && entry->parent()->parent()))
        return nullptr;   // effects stay where they are
    if (TOption* option = EntryItem<TOption>(entry, OptionEntry)) {
        Dragged = option;
        return MakeDragData({::DragItem(option)});
    }
    TDecisionArea* area = EntryItem<TDecisionArea>(entry, AreaEntry);
    Dragged = area;
    return area ? MakeDragData({::DragItem(area)}) : nullptr;
}

bool TSystemHierarchy::CanCopyArea(const TDecisionArea* area, const TSystemLevel* level) const
{
    return area && level && !level->DecisionAreas.Find(area->Name);
}

bool TSystemHierarchy::DropOnOption(const QMimeData* data, TOption* target)
{
    const TDroppedItems dropped = ReadDragItems(data, Case);
    if (!target || dropped.Options.empty())
        return false;
    TOption* option = dropped.Options.front();
    // The target counts only as one of the dragged option's neighbours.
    const auto& options = option->DecisionArea->Options;
    if (option == target || std::find(options.begin(), options.end(), target) == options.end())
        return false;
    StoreComments();
    TCaseEdit edit(Case, tr("Move option ") + option->Name, ChangeAreasOptions);
    MoveOptionNumber(*option, *target);
    WantedItem = option;
    return true;
}

bool TSystemHierarchy::DropOnLevel(const QMimeData* data, TSystemLevel* level)
{
    const TDroppedItems dropped = ReadDragItems(data, Case);
    const auto& levels = Case.SystemLevels;
    if (std::find(levels.begin(), levels.end(), level) == levels.end() || dropped.Areas.empty()
        || !CanCopyArea(dropped.Areas.front(), level))
        return false;
    const TDecisionArea* area = dropped.Areas.front();
    StoreComments();
    TCopyReport report;
    {
        TCaseEdit edit(Case, tr("Copy decision area ") + area->Name + tr(" to ") + level->Name, ChangeAreasOptions);
        CopyDecisionArea(*area, *level, area->Name, &report);
    }
    for (const auto& left : report.DroppedPreclusions)
        ShowWarning(QStringLiteral("Option \"") + left.Option->Name + QStringLiteral("\" precluded ")
                    + QString::number(left.Count) + QStringLiteral(" decision area(s)\nfor supersystems of ")
                    + level->Name + QStringLiteral(";\nThese preclusions have NOT been copied"));
    RepairFaultyEffects(report.FaultyEffects);
    return true;
}
