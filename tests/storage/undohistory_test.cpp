#include "design/design.h"
#include "model/caseedit.h"
#include "model/icons.h"
#include "policy/policy.h"
#include "storage/undohistory.h"
#include "folderfixture.h"

#include <QRandomGenerator>

namespace {

const QString Example = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown/");

struct TEditKind
{
    const char* Label;
    std::function<void(TCase&)> Apply;
};

// The nth item `forEach` visits, counted round; nullptr when there is none.
template <class T, class ForEach>
T* Nth(int n, ForEach forEach)
{
    std::vector<T*> items;
    forEach([&](T* item) { items.push_back(item); });
    return items.empty() ? nullptr : items[size_t(n) % items.size()];
}

TOption* AnOption(TCase& c, int n) { return Nth<TOption>(n, [&](auto visit) { c.ForEachOption(visit); }); }
TDecisionArea* AnArea(TCase& c, int n) { return Nth<TDecisionArea>(n, [&](auto visit) { c.ForEachDecisionArea(visit); }); }
TDesignObject* AnObject(TCase& c, int n)
{
    return Nth<TDesignObject>(n, [&](auto visit) { for (TDesign* d : c.Designs) d->ForEachObject(visit); });
}

// The kinds of edit the windows make, each through core operations; `n`
// varies which item it takes.
std::vector<TEditKind> EditKinds(int n)
{
    return {
        {"Delete decision area", [n](TCase& c) { if (auto* a = AnArea(c, n)) a->SystemLevel->DeleteDecisionArea(a); }},
        {"Delete option", [n](TCase& c) { if (auto* o = AnOption(c, n)) o->DecisionArea->DeleteOption(o); }},
        {"Rename variable", [n](TCase& c) { if (!c.Variables.IsEmpty()) c.RenameVariable(c.Variables.At(n % c.Variables.Count()), QStringLiteral("Renamed %1").arg(n)); }},
        {"Delete variable", [n](TCase& c) { if (!c.Variables.IsEmpty()) c.DeleteVariable(c.Variables.At(n % c.Variables.Count())); }},
        {"Delete scale", [n](TCase& c) { if (!c.Scales.IsEmpty()) c.DeleteScale(c.Scales.At(n % c.Scales.Count())); }},
        {"Delete system level", [n](TCase& c) { if (!c.SystemLevels.IsEmpty()) c.DeleteSystemLevel(c.SystemLevels.At(n % c.SystemLevels.Count())); }},
        {"Add phase", [n](TCase& c) { c.Phases.At(c.AddPhase(QStringLiteral("Phase %1").arg(n)))->SetColors(Qt::red, Qt::green, Qt::blue); }},
        {"Edit icon", [n](TCase& c) { if (!c.Categories.IsEmpty()) SetConceptIcon(*c.Categories.At(n % c.Categories.Count()), QImage(16, 16, QImage::Format_RGB32)); }},
        {"Edit comment", [n](TCase& c) { if (!c.Qualifiers.IsEmpty()) c.Qualifiers.At(n % c.Qualifiers.Count())->SetCommentText(QStringLiteral("Said %1\nagain").arg(n)); }},
        {"Choose option", [n](TCase& c) { if (auto* o = AnObject(c, n)) if (auto* opt = AnOption(c, n * 7)) if (opt->DecisionArea->SystemLevel == o->SystemLevel) o->SelectDesignOption(opt); }},
        {"Change count", [n](TCase& c) { if (auto* o = AnObject(c, n)) o->SetCount(1 + n % 9); }},
        {"Delete design", [n](TCase& c) { if (!c.Designs.IsEmpty()) c.DeleteDesign(c.Designs.At(n % c.Designs.Count())); }},
        {"Delete actor", [n](TCase& c) { if (!c.Actors.IsEmpty()) c.DeleteActor(c.Actors.At(n % c.Actors.Count())); }},
        {"Delete combination", [n](TCase& c) { if (!c.Combinations.empty()) c.DeleteCombination(c.Combinations[size_t(n) % c.Combinations.size()].get()); }},
        {"Add option to policy", [n](TCase& c) { if (!c.Policies.IsEmpty()) if (auto* o = AnOption(c, n)) AddOptionToPolicy(*c.Policies.At(n % c.Policies.Count()), o); }},
        {"Delete policy", [n](TCase& c) { if (!c.Policies.IsEmpty()) c.DeletePolicy(c.Policies.At(n % c.Policies.Count())); }},
        {"Rename case", [n](TCase& c) { c.Name = QStringLiteral("Town %1").arg(n); }},
    };
}

struct UndoHistoryTest : FolderTest
{
    UndoHistoryTest()
    {
        EXPECT_TRUE(ReadCaseFolder(Case, Example));
        Case.Folder = Folder;
        Case.Changed = false;
    }
    // What a save writes, to a fresh folder each time (a save leaves the images
    // of an earlier one); the case keeps its folder and its flag.
    QMap<QString, QByteArray> SavedPages()
    {
        const QString folder = Temp.filePath(QString::number(++Saves) + QLatin1Char('/'));
        const bool changed = Case.Changed;
        EXPECT_TRUE(WriteCaseFolder(Case, folder));
        Case.Folder = Folder;
        Case.Changed = changed;
        return FolderFiles(folder);
    }
    void Step(const TEditKind& kind)
    {
        TCaseEdit edit(Case, QString::fromLatin1(kind.Label), ChangeEverything);
        kind.Apply(Case);
    }

    int Saves = 0;
    TCase Case;
    TUndoHistory History{Case};
};

TEST_F(UndoHistoryTest, EveryKindOfEditIsTakenBackAndDoneAgainExactly)
{
    for (const TEditKind& kind : EditKinds(1)) {
        SCOPED_TRACE(kind.Label);
        const auto before = SavedPages();
        Case.BaseCase = Case.Designs.IsEmpty() ? nullptr : Case.Designs.First();
        const QString base = Case.BaseCase ? Case.BaseCase->Name : QString();
        History.Settle();   // a copy of the state before is read ahead: the undo swaps items with it
        Step(kind);
        const auto after = SavedPages();
        EXPECT_EQ(History.UndoLabel(), kind.Label);
        History.Undo();
        ExpectSameFiles(SavedPages(), before, "after the undo");
        EXPECT_EQ(Case.BaseCase ? Case.BaseCase->Name : QString(), base);
        EXPECT_EQ(History.RedoLabel(), kind.Label);
        History.Redo();     // brings back the items the undo displaced
        ExpectSameFiles(SavedPages(), after, "after the redo");
    }
    EXPECT_EQ(Messages.Errors(), QStringList());
}

// What an undo does when nothing was read ahead: the snapshot read back into the case.
TEST_F(UndoHistoryTest, ASnapshotReadBackInPlaceGivesTheSamePages)
{
    TSnapshotTaker taker;
    for (const TEditKind& kind : EditKinds(3)) {
        SCOPED_TRACE(kind.Label);
        const auto before = SavedPages();
        const TCaseSnapshot snapshot = taker.Take(Case);
        Step(kind);
        EXPECT_TRUE(taker.Restore(Case, snapshot));
        ExpectSameFiles(SavedPages(), before);
    }
}

TEST_F(UndoHistoryTest, TheChangedFlagIsExactAtTheSavedState)
{
    {   // a step that changes nothing is not kept
        TCaseEdit edit(Case, QStringLiteral("Nothing"), ChangeCase);
        edit.Cancel();
    }
    EXPECT_FALSE(History.CanUndo());
    const auto kinds = EditKinds(2);
    Step(kinds[2]);
    EXPECT_TRUE(Case.Changed);
    History.Undo();
    EXPECT_FALSE(Case.Changed);   // back where the folder is
    History.Redo();
    EXPECT_TRUE(Case.Changed);
    History.MarkSaved();          // a save here
    Case.Changed = false;
    Step(kinds[0]);
    History.Undo();
    EXPECT_FALSE(Case.Changed);
    History.Undo();
    EXPECT_TRUE(Case.Changed);
    // A new step where the saved state could be redone makes it unreachable.
    Step(kinds[6]);
    History.Undo();
    EXPECT_TRUE(Case.Changed);
    EXPECT_FALSE(History.CanUndo());
    EXPECT_TRUE(History.CanRedo());
}

TEST_F(UndoHistoryTest, ManyRandomEditsUndoneEndWhereTheyStarted)
{
    const auto start = SavedPages();
    QRandomGenerator random(20261206);
    const int steps = 500;
    int undone = 0;   // each replaced by the next step
    for (int i = 0; i < steps; ++i) {
        const auto kinds = EditKinds(int(random.bounded(1000)));
        if (random.bounded(50) == 0)
            History.Settle();
        Step(kinds[random.bounded(quint32(kinds.size()))]);
        if (random.bounded(50) == 0) {
            History.Undo();   // at once, swapping with a copy if one was read ahead
            ++undone;
        }
    }
    EXPECT_EQ(History.StepCount(), size_t(steps - undone));
    // Some undos find their state read ahead, some wait for it, and some are
    // redone and undone again with the items they displaced.
    while (History.CanUndo()) {
        if (random.bounded(4) == 0)
            History.Settle();
        History.Undo();
        if (random.bounded(5) == 0) {
            History.Redo();
            History.Undo();
        }
    }
    ExpectSameFiles(SavedPages(), start);
    EXPECT_FALSE(Case.Changed);
    EXPECT_EQ(Messages.Errors(), QStringList());
}

} // namespace
