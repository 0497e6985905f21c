#pragma once

#include "model/conceptlist.h"
#include "ui/caseview.h"
#include "ui/prompter.h"

#include <QIcon>
#include <array>
#include <functional>
#include <optional>

class QAction;
class QMimeData;
class QToolBar;
class QTreeWidgetItem;
class TCommentBox;
class TDecisionArea;
class TEffect;
class THierarchyStatus;
class THierarchyTree;
class TOption;
class TSystemLevel;

/// The system hierarchy: on the left the tree of system levels, on the right
/// the decision areas of the selected level with their options and the
/// options' effects. Every command is one edit of the case; the trees are
/// rebuilt from the case whenever it announces a change, and find their
/// selection again by identity.
class TSystemHierarchy : public TCaseView
{
    Q_OBJECT
public:
    TSystemHierarchy(TORVEL& main, TCase& aCase, QWidget* parent = nullptr);

    static QWidget* Create(TORVEL& main, TCase& aCase);

    // Left side.
    void NewBtnClick();
    void NewSubBtnClick();
    void ImageBtnClick();
    void DeleteBtnClick();
    // Right side.
    void AddDABtnClick();
    void AddOptionBtnClick();
    void AddEffectBtnClick();
    void DuplicateBtnClick();
    void CategoryBtnClick();
    void PhaseBtnClick();
    void QualifierBtnClick();
    void FormulaBtnClick();
    void FindBtnClick();
    void FindNextBtnClick();
    void RightDeleteBtnClick();
    void InsertKey();
    /// Selects the first entry that matches, from the first entry or, for the
    /// next one, from the entry after the selected one, round the end of the
    /// tree; beeps when none does.
    bool Find(const TFindRequest& request, bool next);

    /// Renames the level, area or option as typed into its entry.
    void RenameItem(TSystemLevel* level, const QString& text);
    void RenameItem(TDecisionArea* area, const QString& text);
    void RenameItem(TOption* option, const QString& text);

    // Drag and drop: the data the right tree gives a dragged option or area, and
    // the two drops it understands.
    QMimeData* DragData(QTreeWidgetItem* item);
    bool CanCopyArea(const TDecisionArea* area, const TSystemLevel* level) const;
    bool DropOnLevel(const QMimeData* data, TSystemLevel* level);
    bool DropOnOption(const QMimeData* data, TOption* target);

    // What is selected, and selecting by identity.
    TSystemLevel* CurrentLevel() const;
    /// The area, option or effect of the selected right entry.
    TNameless* CurrentItem() const;
    void Select(TSystemLevel* level);
    void Select(TNameless* rightItem);

    QTreeWidgetItem* Entry(const TNameless* item) const;
    QAction* Action(const char* name) const;

    THierarchyTree* TreeView1;
    THierarchyTree* TreeView2;
    TCommentBox* LeftComment;
    TCommentBox* RightComment;
    THierarchyStatus* StatusBar1;

    void CaseChanged(TChangeKinds kinds) override;
    void StorePendingEdits() override;

private:
    void CreateActions();
    QAction* AddAction(QToolBar* bar, const char* name, const QString& text, const QString& tip,
                       void (TSystemHierarchy::*command)());
    void FillLeftTree();
    void FillRightTree();
    void LevelSelected();
    void RightSelected();
    void ShowLevel();
    void ShowRightItem();
    void ShowNames();
    void UpdateButtons();
    void UpdateStatus();
    void StoreComments();
    void ItemRenamed(QTreeWidgetItem* item);
    void RunQueued(std::function<void(const QMimeData*)> drop, const QMimeData* data);

    void AddLevel(bool sub);
    /// Renames as one edit; true when the name changed.
    template <class T>
    bool Rename(TConceptList<T>& list, T* item, const QString& text, const QString& label, TChangeKinds kinds);
    TDecisionArea* SelectedArea() const;
    TOption* SelectedOption() const;
    TEffect* SelectedEffect() const;
    void AddEffect(TOption& option, TVariable* variable);
    void EditFormula(TEffect& effect, bool checkOnShow, const QString& label);
    void RepairFaultyEffects(const std::vector<TEffect*>& effects);
    void ChooseConcept(bool category);
    bool FindFrom(int start);
    bool Matches(const QTreeWidgetItem* item) const;
    QPoint MenuPoint(const char* action) const;
    const QIcon& EffectIcon(const TEffect& effect) const;

    bool Filling = false;
    bool LeftSorted = false;   // by text, once a level was renamed
    bool KeepOrder = false;    // during a rename on the right
    bool StoringComment = false;
    TSystemLevel* WantedLevel = nullptr;   // compared by identity during a rebuild only
    TNameless* WantedItem = nullptr;
    std::optional<TFindRequest> LastFind;
    const void* Dragged = nullptr;
    std::array<QIcon, 2> OptionIcons;   // without and with qualifiers
    std::array<QIcon, 4> EffectIcons;   // cumulative, averaging; each always and null when status quo   // the option or area on its way, during a drag only
};
