#pragma once

#include "ui/caseview.h"

#include <vector>

class QAction;
class QLabel;
class QMdiSubWindow;
class QMimeData;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TCommentBox;
class TCountBox;
class TDesign;
class TDesignObject;
class TDesignTree;
class TOption;
class TPolicy;

/// The design editor: the tree of one design's objects, the decisions at the
/// selected object, and one of four analyses of it (preclusions, problems and
/// promises, values, qualifications). Entries hold pointers only to compare
/// with what is found in the case again; every panel is rebuilt from the case
/// on the change notice, the values of a refresh in one evaluation pass.
class TDOView : public TCaseView
{
    Q_OBJECT
public:
    enum class TPanel { Preclusions, ProblemsPromises, Impacts, Qualifications };

    TDOView(TORVEL& main, TCase& aCase, TDesign& design);
    /// Opens the editor of the design in a sub-window of its own and records
    /// it as the design's editor; the frame is returned.
    static QMdiSubWindow* Open(TORVEL& main, TCase& aCase, TDesign& design);

    void StorePendingEdits() override;
    void CaseChanged(TChangeKinds kinds) override;
    void DesignDeleting(TDesign& design) override;

    TDesign* Design() const { return EditedDesign; }
    /// The selected design object, nullptr for none.
    TDesignObject* Selected() const { return Current; }
    void Select(TDesignObject* object);
    void ShowPanel(TPanel panel);
    TPanel ShownPanel() const { return Mode; }

    // The commands.
    /// Fills the Add subsystem list for the selected object (built when opened).
    void FillAddMenu();
    void AddSubsystem(const QString& levelName, bool asChild);
    void DuplicateBtnClick();
    void DeleteBtnClick();
    void RenameSelected();
    /// Chooses the option at the selected object, for the design or (Shift) the status quo.
    void ChooseOption(TOption* option, bool statusQuo);
    void FindOpenDecision();
    /// Applies the first dropped policy to the object with one of the four commands (0..3).
    void ApplyPolicy(const QMimeData* data, TDesignObject* object, int command);

    /// The entry of an object in the subsystem tree, or of an option in the decision tree.
    QTreeWidgetItem* EntryOf(const TDesignObject* object) const;
    QTreeWidgetItem* EntryOf(const TOption* option) const;
    static const QStringList& PolicyCommands();

    TDesignTree* SubsystemTree;
    TDesignTree* DecisionTree;
    QTreeWidget* Panel;
    TCountBox* CountBox;
    TCommentBox* Comment;
    QPlainTextEdit* DecisionComment;
    QPlainTextEdit* PanelComment;
    QPushButton* DecisionsLabel;
    QLabel* PanelHeading;
    QToolButton* AddBtn;
    QAction* DuplicateBtn;
    QAction* DeleteBtn;
    std::vector<QAction*> PanelButtons;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void ConnectTrees();
    bool Contains(const TDesignObject* object) const;
    TDesignObject* ObjectOf(const QTreeWidgetItem* item) const;
    TOption* OptionOf(const QTreeWidgetItem* item) const;
    void UpdateCaption();
    void SyncSubsystems();
    void ObjectSelected(QTreeWidgetItem* item);
    void ShowObject();
    void UpdateButtons();
    void CommitCount(int count);
    void RebuildDecisions();
    void RebuildPanel();
    void FillPreclusions(TDesignObject& object);
    void FillProblemsPromises(TDesignObject& object);
    void FillImpacts(TDesignObject& object);
    void FillQualifications(TDesignObject& object);
    void PolicyDropped(const QMimeData* data, QTreeWidgetItem* item, const QPoint& globalPos);

    TDesign* EditedDesign;
    TDesignObject* Current = nullptr;
    TDesignObject* CountTarget = nullptr;   // the object whose count the box shows
    TPanel Mode = TPanel::ProblemsPromises;
    bool Syncing = false;
};
