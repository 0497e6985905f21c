#pragma once

#include "ui/caseview.h"

#include <vector>

class QLabel;
class QMimeData;
class QPushButton;
class QToolButton;
class QTreeWidgetItem;
class TCombination;
class TCommentBox;
class TDecisionArea;
class TDropTree;
class TNameless;
class TOption;

/// The window "Preclusions, problems and promises": every decision area with
/// its options on the left; in the middle what the selected area or option
/// precludes or is precluded by; on the right the rated combinations of the
/// selected option. Options and areas arrive by drops from the hierarchy.
class TProProView : public TCaseView
{
    Q_OBJECT
public:
    TProProView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase);

    void StorePendingEdits() override;
    void CaseChanged(TChangeKinds kinds) override;

    /// The selection of the left list, found in the case again.
    TDecisionArea* SelectedArea() const;
    TOption* SelectedOption() const;
    void Select(const void* areaOrOption);
    /// The combination of the right list's selection (also from an option beneath it).
    TCombination* SelectedCombination() const;
    void SelectCombination(const TCombination* combination);

    /// The rating new combinations take and the rating button gives.
    int CurrentRating() const { return Rating; }
    /// Makes the rating current and rates the selected combination with it.
    void ChooseRating(int rating);
    void RateBtnClick();
    void DeletePreclusionBtnClick();
    void DeleteCombinationBtnClick();

    TDropTree* AreaTree;
    TDropTree* PreclusionTree;
    TDropTree* CombinationTree;
    QLabel* PreclusionTitle;
    TCommentBox* AreaComment;
    TCommentBox* PreclusionComment;
    TCommentBox* CombinationComment;
    QToolButton* RateBtn;
    QPushButton* DeletePreclusionBtn;
    QPushButton* DeleteCombinationBtn;

private:
    QWidget* MakeAreaSide();
    QWidget* MakePreclusionSide();
    QWidget* MakeCombinationSide();
    /// `iconsChanged`: level icons or phase colours may be new.
    void FillAreas(bool iconsChanged = false);
    bool AreasShown(const std::vector<TDecisionArea*>& areas) const;
    void AddOptionItems(QTreeWidgetItem* areaItem);
    void FillPreclusions();
    void FillCombinations();
    void AreaSelectionChanged();
    void PreclusionSelectionChanged();
    void CombinationSelectionChanged();
    void UpdateCommands();
    void ShowRatingButton();

    TOption* OptionOf(const QTreeWidgetItem* item) const;
    TDecisionArea* AreaOf(const QTreeWidgetItem* item) const;
    /// The other side of the selected preclusion: an option when an area is
    /// selected on the left, an area when an option is.
    TNameless* PreclusionOf(const QTreeWidgetItem* item) const;
    TCombination* CombinationOf(const QTreeWidgetItem* item) const;

    bool AcceptsPreclusion(const QMimeData* data) const;
    void DropPreclusion(const QMimeData* data);
    bool AcceptsCombination(const QMimeData* data) const;
    void DropCombination(const QMimeData* data, QTreeWidgetItem* target);

    int Rating = -1;
    bool Filling = false;
};
