#pragma once

#include "ui/actorpositions.h"
#include "ui/caseview.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class QToolButton;
class TActor;
class TCommentBox;
class TDropList;
class TTargetModel;

/// "Actors, objectives and influence": the actors of the case and, for the
/// selected one, the positions of one kind at a time (the mode). Positions are
/// added by dropping options, decision areas and qualifiers from the other
/// windows, or by choosing their target in the chooser and applying a weight.
class TActorView : public TCaseView
{
    Q_OBJECT
public:
    TActorView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase);

    void CaseChanged(TChangeKinds kinds) override;
    void StorePendingEdits() override;

    // The commands, as the buttons, menus, keys and drops run them.
    void AddActor();
    void DeleteActor();
    void SetMode(TActorMode mode);
    /// Makes `weight` the current weight and applies it.
    void ChooseWeight(int weight);
    /// Applies the current weight: to the chosen target (adding a position when
    /// the actor has none on it) or else to the selected position.
    void ApplyWeight();
    /// Makes `direction` the current change direction and sets the goal.
    void ChooseDirection(int direction);
    void SetGoal();
    void DeletePosition();
    void DropPositions(const QMimeData* data);
    bool AcceptsDrop(const QMimeData* data) const;

    TActorMode Mode() const { return CurrentMode; }
    int Weight() const { return CurrentWeight; }
    int Direction() const { return CurrentDirection; }
    TActor* SelectedActor() const { return Actor; }
    TNameless* SelectedPosition() const { return Position; }
    /// Chooses the target in the chooser; false when it does not offer it.
    bool ChooseTarget(const void* item);

    TDropList* ActorList;
    TCommentBox* ActorComment;
    QToolButton* AddBtn;
    QToolButton* DeleteBtn;
    std::array<QToolButton*, ActorModeCount> ModeButtons;   // GoalsBtn .. DecisionsBtn
    QLabel* Title;
    QToolButton* MenuBtn;
    QToolButton* ChangeBtn;
    QComboBox* NameBox;
    QLineEdit* ValueBox;
    QLabel* PercentLabel;
    TDropList* PositionList;
    QToolButton* DeletePositionBtn;
    TCommentBox* PositionComment;

private:
    QWidget* MakeActorPanel();
    QWidget* MakePositionPanel();
    QWidget* MakeModeBar();
    QWidget* MakeWeightBar();
    void FillWeightMenu();

    void Rebuild();
    void RebuildActors();
    void RebuildChooser();
    void RebuildPositions();
    void ShowPosition();
    void UpdateControls();
    void ActorChosen();
    void PositionChosen();
    void TargetChosen();
    void RenameActor(TActor* actor, const QString& name);
    void StoreComments();

    TActor* FindActor(const void* actor) const;
    TNameless* FindPosition(const void* position) const;
    void* ChosenTarget() const;
    /// Places the weight on the target, as one edit; true when it changed the case.
    bool Place(void* target, const QString& label);

    TActorMode CurrentMode = TActorMode::Goals;
    int CurrentWeight = 2;
    int CurrentDirection = -2;
    TActor* Actor = nullptr;           // found again in the case at every rebuild
    TNameless* Position = nullptr;     // one of Actor's positions of the mode, or null
    void* Target = nullptr;            // the chooser's item, found again at every rebuild
    const void* ValueGoal = nullptr;   // the goal whose value the value box last showed; only compared
    bool Rebuilding = false;
    QButtonGroup* Modes;
    QMenu* WeightMenu;
    TTargetModel* Targets;
};
