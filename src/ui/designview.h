#pragma once

#include "ui/caseview.h"

#include <vector>

class QAction;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;
class TCommentBox;
class TDesign;

/// The designs of the case: the list with its marks (open in an editor, base
/// design), the commands on designs, the comment of the selected design and
/// how each actor appreciates it. The appreciation panel keeps only texts,
/// icons and bars, rebuilt whenever the case or the appreciation options change.
class TDesignView : public TCaseView
{
    Q_OBJECT
public:
    TDesignView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase);

    void StorePendingEdits() override;
    void CaseChanged(TChangeKinds kinds) override;
    void DesignDeleting(TDesign& design) override;

    /// The selected design, found in the case; nullptr for none.
    TDesign* Selected() const;
    /// The selected designs in the order they were selected.
    std::vector<TDesign*> SelectedDesigns() const;
    void Select(const TDesign* design);

    // The commands.
    void NewBtnClick();
    void DuplicateBtnClick();
    void EditBtnClick();
    void BaseCaseBtnClick();
    void ReportBtnClick();
    void DeleteBtnClick();

    QListWidget* List;
    QTreeWidget* Appreciations;
    TCommentBox* Comment;
    QAction* NewBtn;
    QAction* DuplicateBtn;
    QAction* EditBtn;
    QAction* BaseCaseBtn;
    QAction* ReportBtn;
    QAction* DeleteBtn;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The design an entry stands for, if it is still in the case.
    TDesign* DesignOf(const QListWidgetItem* item) const;
    /// Brings the list in line with the case, keeping the entries (and the
    /// selection) where the designs are the same.
    void SyncList();
    void ShowMarks();
    void SelectionChanged();
    void UpdateButtons();
    void RebuildAppreciations();
    void RenameEntry(const TDesign* design, const QString& text);

    TDesign* Shown = nullptr;   // compared only, to notice a change of selection
    bool Syncing = false;
};
