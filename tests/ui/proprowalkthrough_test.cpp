// A user gives the example case a new problem and a new policy through the
// two windows only, saves, reopens, and the command-line program still
// appraises the case without a word.
#include "cli/clirun.h"
#include "model/decisionarea.h"
#include "model/option.h"
#include "ui/commentbox.h"
#include "ui/policyview.h"
#include "ui/proproview.h"
#include "viewsupport.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TOption* FindOption(const TCase& aCase, const QString& name)
{
    TOption* found = nullptr;
    aCase.ForEachOption([&](TOption* o) { found = o->Name == name ? o : found; });
    return found;
}

// An option of another area of the same level: the two can occur together.
TOption* Neighbour(const TOption& option)
{
    for (const TDecisionArea* area : option.SystemLevel()->DecisionAreas)
        if (area != option.DecisionArea && !area->Options.IsEmpty())
            return area->Options.First();
    return nullptr;
}

} // namespace

TEST(ProProWalkThrough, ANewProblemAndANewPolicyAreSavedAndReadBack)
{
    TScriptedWindow user;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Rivertown"));
    user.Window.SetCaseStore(TCaseStore::CaseFolders());
    user.Prompter->CaseFolderAnswer = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");
    user.Window.Open();
    user.Window.show();
    TOption* tram = FindOption(*user.Window.Case(), QStringLiteral("Tram line"));
    ASSERT_NE(tram, nullptr);
    TOption* other = Neighbour(*tram);
    ASSERT_NE(other, nullptr);
    const QString otherName = other->Name;

    // The problem: the rating chosen first, then the other option dropped.
    user.Window.ToggleView(TViewKind::ProblemsPromises);
    auto* propro = static_cast<TProProView*>(user.Window.View(TViewKind::ProblemsPromises));
    propro->Select(tram);
    propro->ChooseRating(-2);
    ASSERT_TRUE(DropOn(propro->CombinationTree, {DragItem(other)}));
    propro->CombinationComment->setFocus();
    QTest::keyClicks(propro->CombinationComment, QStringLiteral("Two years of road works at once"));

    // The policy: named, then both options dropped on it.
    user.Window.ToggleView(TViewKind::Policies);
    auto* policies = static_cast<TPolicyView*>(user.Window.View(TViewKind::Policies));
    user.Prompter->ConceptNames = {QStringLiteral("Tram corridor")};
    policies->AddBtn->click();
    ASSERT_TRUE(DropOn(policies->RightTree, {DragItem(tram)}));
    ASSERT_TRUE(DropOn(policies->RightTree, {DragItem(other)}));

    user.Prompter->SaveFolderAnswers = {folder};
    ASSERT_TRUE(user.Window.SaveAs());
    user.Prompter->CaseFolderAnswer = folder;
    user.Window.Open();
    const TCase& reread = *user.Window.Case();
    const TPolicy* policy = reread.Policies.Find(QStringLiteral("Tram corridor"));
    ASSERT_NE(policy, nullptr);
    QStringList names;
    for (const TOption* option : policy->Options)
        names << option->Name;
    names.sort();
    QStringList expected{QStringLiteral("Tram line"), otherName};
    expected.sort();
    EXPECT_EQ(names, expected);
    tram = FindOption(reread, QStringLiteral("Tram line"));
    std::vector<TCombination*> problems = CombinationsOf(tram);
    ASSERT_FALSE(problems.empty());
    const auto problem = std::find_if(problems.begin(), problems.end(),
                                      [](const TCombination* c) { return c->Rating == -2 && c->Options.size() == 2; });
    ASSERT_NE(problem, problems.end());
    EXPECT_EQ((*problem)->CommentText(), "Two years of road works at once");
    EXPECT_TRUE(user.Messages.Errors().isEmpty()) << user.Messages.Errors().join(' ').toStdString();

    const TCliRun run = RunCli({QStringLiteral("appraise"), folder, QStringLiteral("--options")});
    EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
    EXPECT_TRUE(run.Errors.isEmpty()) << run.Errors.toStdString();
    EXPECT_FALSE(run.Out.isEmpty());
}
