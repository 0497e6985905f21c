// A user gives the example case a new actor, a new problem and a new policy
// through their windows only, saves, reopens, and the command-line program
// appraises the designs with them.
#include "actors/actor.h"
#include "cli/clirun.h"
#include "policy/combination.h"
#include "ui/actorview.h"
#include "ui/policyview.h"
#include "ui/proproview.h"
#include "support/testpaths.h"
#include "scriptedwindow.h"

namespace {

using WalkThrough = TWindowTest;

// An option of another area of the same level: the two can occur together.
TOption* Neighbour(const TOption& option)
{
    for (const TDecisionArea* area : option.SystemLevel()->DecisionAreas)
        if (area != option.DecisionArea && !area->Options.IsEmpty())
            return area->Options.First();
    return nullptr;
}

TEST_F(WalkThrough, ANewActorProblemAndPolicyAreSavedAndAppraised)
{
    OpenFolder(ExampleCase);
    Window.show();
    TOption* tram = FindOption(Case(), QStringLiteral("Tram line"));
    ASSERT_NE(tram, nullptr);
    TOption* other = Neighbour(*tram);
    ASSERT_NE(other, nullptr);

    // The actor: a goal on the chooser's variable, the value typed, then the
    // direction's menu entry; feelings on an option and a qualifier dragged in.
    auto* actors = Open<TActorView>(TViewKind::Actors);
    Prompter->ConceptNames = {QStringLiteral("Water board")};
    actors->AddBtn->click();
    ASSERT_EQ(actors->SelectedActor()->Name, "Water board");
    actors->NameBox->setCurrentIndex(actors->NameBox->findText(QStringLiteral("Jobs")));
    actors->NameBox->activated(actors->NameBox->currentIndex());
    actors->ValueBox->setText(QStringLiteral("12.5"));
    actors->ChooseDirection(1);
    actors->ModeButtons[size_t(TActorMode::Options)]->click();
    actors->ChooseWeight(3);
    const QPoint inList = actors->PositionList->viewport()->rect().center();
    ASSERT_TRUE(DropOn(actors->PositionList, {DragItem(tram)}, inList));
    actors->ModeButtons[size_t(TActorMode::Qualifiers)]->click();
    ASSERT_TRUE(DropOn(actors->PositionList, {DragItem(Case().Qualifiers.At(0))}, inList));

    // The problem: the rating chosen first, then the other option dropped.
    auto* propro = Open<TProProView>(TViewKind::ProblemsPromises);
    propro->Select(tram);
    propro->ChooseRating(-2);
    ASSERT_TRUE(DropOn(propro->CombinationTree, {DragItem(other)}));
    Type(propro->CombinationComment, QStringLiteral("Two years of road works at once"));

    // The policy: named, then both options dropped on it.
    auto* policies = Open<TPolicyView>(TViewKind::Policies);
    Prompter->ConceptNames = {QStringLiteral("Tram corridor")};
    policies->AddBtn->click();
    ASSERT_TRUE(DropOn(policies->RightTree, {DragItem(tram)}));
    ASSERT_TRUE(DropOn(policies->RightTree, {DragItem(other)}));

    const QString folder = Settings.filePath(QStringLiteral("Rivertown"));
    ASSERT_TRUE(SaveAndReopen(folder));
    // The actor, the policy and the problem as the reopened case's pages write them,
    // kept in tests/data/walkactorpolicy.expected.
    const TPolicy* policy = Case().Policies.Find(QStringLiteral("Tram corridor"));
    ASSERT_NE(policy, nullptr);
    const std::vector<TCombination*> problems = CombinationsOf(FindOption(Case(), QStringLiteral("Tram line")));
    const auto problem = std::find_if(problems.begin(), problems.end(),
                                      [](const TCombination* c) { return c->Rating == -2 && c->Options.size() == 2; });
    ASSERT_NE(problem, problems.end());
    const TActor* actor = Case().Actors.At(Case().Actors.IndexOfName(QStringLiteral("Water board")));
    const QStringList rows = actor->DescriptionRows() + policy->DescriptionRows() + CombinationRows(**problem);
    ExpectRows(rows.join(QLatin1Char('\n')).split(QLatin1Char('\n')), QStringLiteral("walkactorpolicy.expected"));
    EXPECT_TRUE(Messages.Errors().isEmpty()) << Messages.Errors().join(' ').toStdString();

    const TCliRun run = RunCli({QStringLiteral("appraise"), folder, QStringLiteral("--objectives"),
                                QStringLiteral("--options"), QStringLiteral("--qualifications")});
    ASSERT_EQ(run.Status, 0) << run.Errors.toStdString();
    EXPECT_TRUE(run.Errors.isEmpty()) << run.Errors.toStdString();
    int lines = 0;
    for (const QString& line : run.Out.split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.value(1) != "Water board")
            continue;
        ++lines;
        ASSERT_EQ(fields.size(), 6) << line.toStdString();
        // The goal counts with its weight 2, the option feeling with 3, and the
        // qualifier feeling is positive; none is negative.
        EXPECT_TRUE(fields[3].endsWith("/2 positive")) << line.toStdString();
        EXPECT_TRUE(fields[4].endsWith("/3 positive")) << line.toStdString();
        EXPECT_TRUE(fields[5].endsWith(" positive")) << line.toStdString();
    }
    EXPECT_EQ(lines, Case().Designs.Count());
}

} // namespace
