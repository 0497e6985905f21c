#include "ui/actorview.h"

#include "actors/actor.h"
#include "actors/actoredit.h"
#include "support/testpaths.h"
#include "scriptedwindow.h"

namespace {

/// The actor window on the example case, with questions answered from a script.
class ActorViewTest : public TWindowTest
{
protected:
    ActorViewTest()
    {
        OpenFolder(ExampleCase);
        Case().Changed = false;
        Window.show();
        View = Open<TActorView>(TViewKind::Actors);
        Messages.Clear();
    }

    TActor* ActorNamed(const QString& name) { return Case().Actors.At(Case().Actors.IndexOfName(name)); }
    QStringList Positions() const { return ListTexts(View->PositionList); }
    QString Selected() const
    {
        return View->PositionList->currentItem() ? View->PositionList->currentItem()->text() : QString();
    }
    // The selected position and its weight, as the list and the actor hold them.
    QString Weighed() const
    {
        return QStringLiteral("%1: %2").arg(Selected()).arg(PositionWeight(*View->SelectedActor(), View->SelectedPosition()));
    }
    void SelectActor(const QString& name)
    {
        View->ActorList->setCurrentItem(View->ActorList->findItems(name, Qt::MatchExactly).value(0));
        ASSERT_EQ(View->SelectedActor(), ActorNamed(name));
    }
    void SelectPosition(const QString& text)
    {
        View->PositionList->setCurrentItem(View->PositionList->findItems(text, Qt::MatchExactly).value(0));
        ASSERT_EQ(Selected(), text);
    }
    bool Drop(const TDragItem& item)
    {
        return DropOn(View->PositionList, {item}, View->PositionList->viewport()->rect().center());
    }

    TActorView* View;
};

} // namespace

TEST_F(ActorViewTest, OpensOnTheFirstActorsObjectivesAndEveryModeListsItsPositionsInOrder)
{
    EXPECT_EQ(View->SelectedActor(), Case().Actors.At(0));
    EXPECT_EQ(View->Mode(), TActorMode::Goals);
    EXPECT_EQ(View->Direction(), -2);
    EXPECT_EQ(View->ValueBox->text() + View->PercentLabel->text(), "1.2E-3%");

    // Each mode's title, button hint, weight and positions are kept in tests/data/actormodes.expected.
    SelectActor("City council");
    QStringList shown;
    for (int mode = 0; mode < ActorModeCount; ++mode) {
        View->ChooseWeight(3);   // nothing selected, nothing chosen: changes nothing but the weight
        View->ModeButtons[size_t(mode)]->click();
        EXPECT_EQ(View->Mode(), TActorMode(mode));
        EXPECT_EQ(View->ValueBox->isVisibleTo(View), View->Mode() == TActorMode::Goals);
        // The weight goes back to 2 with every change of mode.
        shown << QStringLiteral("%1 [%2] weight %3").arg(View->Title->text(), View->MenuBtn->toolTip()).arg(View->Weight());
        for (const QString& position : Positions())
            shown << QStringLiteral("  ") + position;
    }
    ExpectRows(shown, QStringLiteral("actormodes.expected"));
    EXPECT_FALSE(Case().Changed);

    // The chooser offers what a position can be about: other actors, variables without a constant value.
    View->SetMode(TActorMode::Relations);
    EXPECT_EQ(View->NameBox->count(), Case().Actors.Count() - 1);
    EXPECT_EQ(View->NameBox->findText("City council"), -1);
    View->SetMode(TActorMode::Goals);
    for (int i = 0; i < View->NameBox->count(); ++i)
        EXPECT_FALSE(static_cast<TVariable*>(View->NameBox->itemData(i).value<void*>())->HasValue());
    SelectPosition("Jobs >= 50");
    EXPECT_EQ(View->NameBox->currentText(), "Jobs");
    EXPECT_EQ(View->ValueBox->text() + View->PercentLabel->text(), "50 ");
    EXPECT_EQ(View->Direction(), 1);
}

TEST_F(ActorViewTest, PositionsAddedByDropsOrByTheChooserOnceEach)
{
    SelectActor("Housing association");
    TActor* actor = View->SelectedActor();
    TQualifier* unfelt = nullptr;
    for (TQualifier* q : Case().Qualifiers)
        if (std::none_of(actor->Qualifiers.begin(), actor->Qualifiers.end(), [q](const auto& l) { return l->Qualifier == q; }))
            unfelt = q;
    ASSERT_TRUE(unfelt);
    TOption* tram = FindOption(Case(), "Tram line");
    const std::pair<TActorMode, TDragItem> drops[] = {
        {TActorMode::Options, DragItem(tram)},
        {TActorMode::Qualifiers, DragItem(unfelt)},
        {TActorMode::Decisions, DragItem(FindOption(Case(), "Paid parking")->DecisionArea)},
    };
    // Dropped twice, with another weight the second time: one position, weighed anew
    // (the one-per-target rule is the core's, actor_test).
    QStringList weighed;
    for (const auto& [mode, item] : drops) {
        View->SetMode(mode);
        Case().Changed = false;
        ASSERT_TRUE(Drop(item));
        EXPECT_TRUE(Case().Changed);
        weighed << Weighed();
        View->ChooseWeight(WeighsPreference(mode) ? -3 : 4);
        ASSERT_TRUE(Drop(item));
        weighed << QString::number(Positions().count(Selected())) + QStringLiteral("x ") + Weighed();
    }
    EXPECT_EQ(weighed, QStringList({"Public transport = Tram line: 2", "1x Public transport = Tram line: -3",
                                    unfelt->Name + ": 2", "1x " + unfelt->Name + ": -3", "Parking: 2", "1x Parking: 4"}));
    // Objectives and relations take no drops, nor a mode the wrong kind.
    for (TActorMode mode : {TActorMode::Goals, TActorMode::Relations, TActorMode::Decisions}) {
        View->SetMode(mode);
        EXPECT_FALSE(Drop(DragItem(tram)));
    }

    // Applying a weight adds by the chooser or weighs the selection.
    SelectActor("Residents' association");
    View->SetMode(TActorMode::Relations);
    View->ApplyWeight();
    EXPECT_EQ(Messages.Infos(), QStringList({"First select an actor"}));
    const int relations = int(View->SelectedActor()->Connections.size());
    ASSERT_TRUE(View->ChooseTarget(ActorNamed("Rivertown Energy")));
    View->ChooseWeight(4);
    EXPECT_EQ(Case().EditLabel, "Weigh Rivertown Energy");
    View->ChooseWeight(1);   // the same actor again: the relation is weighed, not doubled
    EXPECT_EQ(int(View->SelectedActor()->Connections.size()), relations + 1);
    EXPECT_EQ(Weighed(), "Rivertown Energy: 1");

    // Options mode, nothing selected and nothing chosen: nothing happens.
    View->SetMode(TActorMode::Options);
    Case().Changed = false;
    View->ApplyWeight();
    EXPECT_FALSE(Case().Changed);
}

TEST_F(ActorViewTest, GoalsKeepTheirExactValueAndPositionsAndActorsAreDeletedFromAFocusedList)
{
    SelectActor("City council");
    View->ApplyWeight();
    EXPECT_EQ(Messages.Infos(), QStringList({"First select a goal variable"}));

    SelectPosition("Jobs >= 50");
    View->ValueBox->setText("1234.5");
    View->SetGoal();
    auto* goal = static_cast<TActorGoal*>(View->SelectedPosition());
    ASSERT_EQ(goal->Variable->Name, "Jobs");
    EXPECT_EQ(goal->Value, 1234.5);
    View->ChooseWeight(-1);   // re-rated: the value shown stays exact
    EXPECT_EQ(View->ValueBox->text(), "1234.5");

    Case().Changed = false;
    for (const char* text : {"abc", "", "1.2.3", "inf"}) {
        const int beeps = BeepCount();
        View->ValueBox->setText(text);
        View->ChooseDirection(2);
        EXPECT_EQ(BeepCount(), beeps + 1) << text;
    }
    EXPECT_EQ(goal->Value, 1234.5);
    EXPECT_FALSE(Case().Changed);

    View->ValueBox->clear();
    QTest::keyClicks(View->ValueBox, "2,5");   // a comma is a decimal separator too
    Case().Announce(ChangeActors);             // another window's change keeps what is typed
    EXPECT_EQ(View->ValueBox->text(), "2,5");
    View->ChooseDirection(-1);
    EXPECT_EQ(goal->Value, 2.5);
    EXPECT_EQ(goal->Direction, -1);

    // A goal on another variable is a new goal, beside the one on that variable.
    const size_t goals = View->SelectedActor()->Goals.size();
    ASSERT_TRUE(View->ChooseTarget(Case().Variables.At(Case().Variables.IndexOfName("CO2 emissions"))));
    View->ValueBox->setText("10");
    View->ChooseDirection(1);
    EXPECT_EQ(View->SelectedActor()->Goals.size(), goals + 1);
    EXPECT_EQ(Selected(), "CO2 emissions >= 10");
    EXPECT_TRUE(Positions().contains("CO2 emissions: -50%"));   // two goals on one variable

    // The Delete key in the list deletes the current entry.
    View->SetMode(TActorMode::Qualifiers);
    SelectPosition("Renewable");
    Press(View->PositionList, Qt::Key_Delete);
    EXPECT_EQ(Positions(), QStringList({"Disruptive"}));
    EXPECT_EQ(Selected(), "Disruptive");
    EXPECT_TRUE(Case().Changed);
    QTest::keyClick(View->PositionList, Qt::Key_Delete);
    EXPECT_TRUE(Positions().isEmpty());
    View->DeletePosition();   // nothing selected: nothing happens

    // An actor goes from the focused actor list after the question.
    Messages.Clear();
    SelectActor("Rivertown Energy");
    Press(View->ActorList, Qt::Key_Delete);   // answered No
    EXPECT_EQ(Messages.Messages, QStringList({"question: ALL actor-related properties will also be deleted.\rContinue?"}));
    EXPECT_EQ(View->SelectedActor(), ActorNamed("Rivertown Energy"));
    Messages.Answer = true;
    const int count = Case().Actors.Count();
    QTest::keyClick(View->ActorList, Qt::Key_Delete);
    EXPECT_EQ(View->ActorList->count(), count - 1);
    EXPECT_TRUE(View->SelectedActor());
}

TEST_F(ActorViewTest, ActorsAreAddedRenamedAndCommented)
{
    Prompter->ConceptNames = {QStringLiteral("  Water board "), QStringLiteral("City council")};
    View->AddBtn->click();
    EXPECT_EQ(View->ActorList->currentItem()->text(), "Water board");
    EXPECT_EQ(Case().EditLabel, "Add actor Water board");
    Case().Changed = false;
    Press(View->ActorList, Qt::Key_Insert);   // an existing name selects that actor
    EXPECT_EQ(View->SelectedActor(), ActorNamed("City council"));
    EXPECT_FALSE(Case().Changed);

    RenameInPlace(View->ActorList->currentItem(), "Town council");
    EXPECT_EQ(ActorNamed("Town council"), View->SelectedActor());
    Retype(View->ActorComment, "Meets monthly.");
    SelectActor("Water board");   // storing the comment first
    EXPECT_EQ(ActorNamed("Town council")->CommentText(), "Meets monthly.");
}

TEST_F(ActorViewTest, RebuildsAfterAnotherWindowsChange)
{
    // Another window renames an option the actor feels about, then deletes the actor.
    SelectActor("City council");
    View->SetMode(TActorMode::Options);
    SelectPosition("Public transport = Tram line");
    TOption* tram = FindOption(Case(), "Tram line");
    EditElsewhere(Case(), "Rename option", ChangeAreasOptions,
                  [&] { tram->DecisionArea->Options.RenameConcept(tram, "Light rail"); });
    EXPECT_EQ(Selected(), "Public transport = Light rail");
    EditElsewhere(Case(), "Delete actor", ChangeActors, [&] { Case().DeleteActor(ActorNamed("City council")); });
    EXPECT_EQ(View->SelectedActor(), nullptr);
    EXPECT_TRUE(Positions().isEmpty());
    View->ApplyWeight();
    View->DeletePosition();
    EXPECT_FALSE(View->DeleteBtn->isEnabled());
}
