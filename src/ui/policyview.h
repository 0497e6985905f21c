#pragma once

#include "ui/caseview.h"

#include <QList>
#include <array>

class QLabel;
class QMimeData;
class QPushButton;
class QToolButton;
class QTreeWidgetItem;
class TCommentBox;
class TDropTree;
class TNameless;
class TPolicy;

/// The window "Policies": the case's policies on the left, and on the right,
/// for the selected policy, its options, its problems and promises, the
/// variables it affects or its qualifier counts. Options arrive by drops from
/// the hierarchy and from design objects; policies leave by drags to designs.
class TPolicyView : public TCaseView
{
    Q_OBJECT
public:
    enum class TMode { Options, Combinations, Variables, Qualifiers, Appreciation };

    TPolicyView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase);

    void StorePendingEdits() override;
    void CaseChanged(TChangeKinds kinds) override;

    /// The policy the right list shows: the current one of the left list's selection.
    TPolicy* SelectedPolicy() const;
    void SelectPolicy(const TPolicy* policy);
    TMode Mode() const { return CurrentMode; }
    void SetMode(TMode mode);

    void AddBtnClick();
    void DeleteBtnClick();
    void DeleteOptionBtnClick();

    TDropTree* PolicyTree;
    TDropTree* RightTree;
    QLabel* Title;
    TCommentBox* PolicyComment;
    TCommentBox* ItemComment;
    QPushButton* AddBtn;
    QPushButton* DeleteBtn;
    QPushButton* DeleteOptionBtn;
    std::array<QToolButton*, 5> ModeButtons;

private:
    QWidget* MakeLeftSide();
    QWidget* MakeRightSide();
    void FillPolicies();
    /// `iconsChanged`: variables or qualifiers may look different now.
    void FillRight(bool iconsChanged = false);
    QList<QTreeWidgetItem*> OptionItems(const TPolicy& policy) const;
    QList<QTreeWidgetItem*> CombinationItems(const TPolicy& policy) const;
    QList<QTreeWidgetItem*> VariableItems(const TPolicy& policy) const;
    QList<QTreeWidgetItem*> QualifierItems(const TPolicy& policy) const;
    void PolicySelectionChanged();
    void RightSelectionChanged();
    void UpdateCommands();
    TPolicy* PolicyOf(const QTreeWidgetItem* item) const;
    TNameless* RightItemOf(const QTreeWidgetItem* item) const;
    void Rename(QTreeWidgetItem* item);

    bool AcceptsDrop(const QMimeData* data) const;
    void Drop(const QMimeData* data, const QPoint& globalPos);
    void DropOptions(TPolicy& policy, const std::vector<class TOption*>& options);
    void DropDesignObject(TPolicy& policy, class TDesignObject* object, bool statusQuo, bool withSubsystems);
    QMimeData* DragPolicies(const QList<QTreeWidgetItem*>& items) const;

    TMode CurrentMode = TMode::Options;
    bool Filling = false;
};
