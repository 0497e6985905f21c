#include "support/modelfixture.h"

#include "model/caseedit.h"
#include "model/messagerecorder.h"

#include <gtest/gtest.h>

namespace {

struct TLog : TCaseListener
{
    TCase* Case = nullptr;
    std::vector<TChangeKinds> Notices;
    std::vector<QString> Deleting;
    bool LeaveOnNotice = false;

    void CaseChanged(TChangeKinds kinds) override
    {
        Notices.push_back(kinds);
        if (LeaveOnNotice)
            Case->Unsubscribe(this);
    }
    void DesignDeleting(TDesign& design) override { Deleting.push_back(design.Name); }
};

struct Case : ::testing::Test { TCase c; };
struct CaseOperations : ::testing::Test { TModelFixture f; };

} // namespace

TEST_F(Case, StartsEmptyAndUnchangedThenAddsWithDefaults)
{
    EXPECT_FALSE(c.Changed);
    EXPECT_EQ(c.Contents, TCase::DefaultContents());
    // The contents open on the data pages, each shown in the main frame.
    QStringList links;
    for (const QString& line : c.Contents)
        if (line.contains(QLatin1String("target=main")))
            links << line.section(QLatin1Char('"'), -2, -2);
    EXPECT_EQ(links, QStringList({ "ORVEL case.htm", "ORVEL propro.htm", "ORVEL policies.htm", "ORVEL actors.htm" }));

    // What is added gets defaults, and marks the case.
    c.AddCategory("b");
    EXPECT_TRUE(c.Changed);
    c.AddCategory("a");   // numbered in the order added, not by name
    EXPECT_EQ(c.Categories.Find("a")->Number, 2);
    TVariable* v = c.Variables.At(c.AddVariable("v"));
    EXPECT_FALSE(v->HasValue());
    EXPECT_EQ(v->AggregationMode, AggregationConstant);
    TSystemLevel* level = c.SystemLevels.At(c.AddSystemLevel("s"));
    EXPECT_EQ(level->Depth, -1);
    EXPECT_EQ(level->Parent, nullptr);
}

TEST_F(CaseOperations, DeletingALevelKeepsItsSubLevelsAtTheTop)
{
    f.Case.DeleteSystemLevel(f.City);
    EXPECT_EQ(f.District->Parent, nullptr);
    EXPECT_EQ(f.District->Depth, 0);
    EXPECT_EQ(f.District->DecisionAreas.Count(), 1);
    EXPECT_EQ(f.Case.SystemLevels.Count(), 2);
    EXPECT_EQ(f.District->DescriptionRows().size(), 3);
}

// A rename rewrites every formula, ignoring letter case, unless the name is
// empty or taken; a deletion recompiles the formulas that read the variable.
TEST_F(CaseOperations, RenamingOrDeletingAVariableRewritesOrRecompilesTheFormulasThatReadIt)
{
    TMessageRecorder messages;
    TEffect* e1 = TModelFixture::Effect(f.Gas, f.Price, "[cost] * 2 + [COST]");
    TEffect* e2 = TModelFixture::Effect(f.Walls, f.Price, "[Costs] + [Cost]");
    f.Case.Changed = false;
    f.Case.RenameVariable(f.Cost, " [] ");
    f.Case.RenameVariable(f.Cost, "price");
    EXPECT_EQ(f.Cost->Name, "Cost");
    EXPECT_EQ(e2->Formula, "[Costs] + [Cost]");
    EXPECT_EQ(messages.Warnings(), QStringList({ "Unknown variable: \"Costs\"", "Names must be unique" }));
    EXPECT_FALSE(f.Case.Changed);

    messages.Clear();
    f.Case.RenameVariable(f.Cost, " Total [cost] ");
    EXPECT_EQ(f.Cost->Name, "Total cost");
    EXPECT_EQ(e1->Formula, "[Total cost] * 2 + [Total cost]");
    EXPECT_EQ(e2->Formula, "[Costs] + [Total cost]");
    EXPECT_EQ(messages.Warnings(), QStringList());   // "Costs" was named when the formula was set
    EXPECT_TRUE(f.Case.Changed);

    TVariable* area = f.AddVariable("Area", AggregationCumulative);
    TEffect* reader = TModelFixture::Effect(f.Gas, f.Cost, "[Area] * 2 + [area]");
    TEffect* other = TModelFixture::Effect(f.Walls, f.Cost, "[Price] + 1");
    TModelFixture::Effect(f.Bus, area, "5");
    ASSERT_TRUE(reader->Reads(area));
    ASSERT_TRUE(messages.Messages.isEmpty());

    f.Case.DeleteVariable(area);

    EXPECT_EQ(messages.Warnings(), QStringList({ "Unknown variable: \"Area\"", "Unknown variable: \"area\"" }));
    EXPECT_TRUE(f.Bus->Effects.empty());
    EXPECT_EQ(reader->Formula, "[Area] * 2 + [area]");
    EXPECT_EQ(reader->Code.size(), 5u);
    EXPECT_TRUE(other->Reads(f.Price));
    // Both references now point at nothing rather than at the freed variable.
    EXPECT_TRUE(reader->Reads(nullptr));
}

// A cancelled edit marks and announces nothing; nested edits announce once,
// when the outermost one ends. A listener may leave while it is told, and
// hears of a design's deletion before it goes.
TEST_F(Case, EditsAnnounceOnceWhenTheOutermostEndsAndCancelledOnesNothing)
{
    TLog log, leaving;
    leaving.Case = &c;
    leaving.LeaveOnNotice = true;
    c.Subscribe(&log);
    c.Subscribe(&log);   // twice subscribed, told once
    c.Subscribe(&leaving);
    {
        TCaseEdit edit(c, QString(), ChangeCatalogues);
        edit.Cancel();
    }
    EXPECT_FALSE(c.Changed);
    EXPECT_TRUE(log.Notices.empty());
    {
        TCaseEdit outer(c, QString(), ChangeCase);
        outer.Cancel();
        TCaseEdit inner(c, QString(), ChangeDesigns);   // the inner one did change something
    }
    EXPECT_TRUE(c.Changed);
    EXPECT_EQ(log.Notices, std::vector<TChangeKinds>({ ChangeDesigns }));
    EXPECT_EQ(leaving.Notices.size(), 1u);

    log.Notices.clear();
    {
        TCaseEdit edit(c, QStringLiteral("Add phase"), ChangeCatalogues);
        c.AddPhase(QStringLiteral("p"));
        {
            TCaseEdit inner(c, QStringLiteral("inner"), ChangeLevels);
            EXPECT_TRUE(c.Editing());
        }
        EXPECT_TRUE(log.Notices.empty());   // nothing while the command still runs
        edit.Touch(ChangeValues);
    }
    EXPECT_EQ(log.Notices, std::vector<TChangeKinds>({ ChangeCatalogues | ChangeLevels | ChangeValues }));
    EXPECT_EQ(c.EditLabel, "Add phase");
    EXPECT_FALSE(c.Editing());
    EXPECT_EQ(leaving.Notices.size(), 1u);

    TDesign* d = c.Designs.At(c.AddDesign(QStringLiteral("Variant")));
    d->AddDesignObject(QStringLiteral("City"), nullptr);
    c.DeleteDesign(d);
    EXPECT_EQ(log.Deleting, std::vector<QString>{ QStringLiteral("Variant") });
    c.Unsubscribe(&log);
    log.Notices.clear();
    c.Announce(ChangeDesigns);
    EXPECT_TRUE(log.Notices.empty());
}

TEST_F(Case, CommentTextIsTrimmedIntoLines)
{
    c.SetCommentText(QStringLiteral("  first \nsecond \n"));
    EXPECT_EQ(c.Comments, (QStringList{QStringLiteral("first "), QStringLiteral("second")}));
    EXPECT_EQ(c.CommentText(), "first \nsecond");
    c.SetCommentText(QStringLiteral(" \n "));
    EXPECT_TRUE(c.Comments.isEmpty());
}
