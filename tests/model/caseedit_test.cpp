#include "model/case.h"
#include "model/caseedit.h"

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

} // namespace

TEST(CaseEdit, AnnouncesOnceWhenTheOutermostEditEnds)
{
    TCase c;
    TLog log;
    c.Subscribe(&log);
    c.Subscribe(&log);   // twice subscribed, told once
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
    ASSERT_EQ(log.Notices.size(), 1u);
    EXPECT_EQ(log.Notices[0], ChangeCatalogues | ChangeLevels | ChangeValues);
    EXPECT_EQ(c.EditLabel, "Add phase");
    EXPECT_FALSE(c.Editing());
}

TEST(CaseEdit, CancelledEditsMarkAndAnnounceNothing)
{
    TCase c;
    TLog log;
    c.Subscribe(&log);
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
    ASSERT_EQ(log.Notices.size(), 1u);
    EXPECT_EQ(log.Notices[0], ChangeDesigns);
}

TEST(CaseEdit, ListenersMayLeaveWhileTheyAreToldAndHearOfADesignsDeletionFirst)
{
    TCase c;
    TLog first, second;
    first.Case = &c;
    first.LeaveOnNotice = true;
    c.Subscribe(&first);
    c.Subscribe(&second);
    TDesign* d = c.Designs.At(c.AddDesign(QStringLiteral("Variant")));
    d->AddDesignObject(QStringLiteral("City"), nullptr);
    c.DeleteDesign(d);
    EXPECT_EQ(second.Deleting, std::vector<QString>{QStringLiteral("Variant")});
    c.Announce(ChangeActors);
    c.Announce(ChangePolicies);
    EXPECT_EQ(first.Notices.size(), 1u);
    EXPECT_EQ(second.Notices.size(), 2u);
    c.Unsubscribe(&second);
    c.Announce(ChangeDesigns);
    EXPECT_EQ(second.Notices.size(), 2u);
}

TEST(Comments, TypedTextIsTrimmedIntoLines)
{
    TCase c;
    c.SetCommentText(QStringLiteral("  first \nsecond \n"));
    EXPECT_EQ(c.Comments, (QStringList{QStringLiteral("first "), QStringLiteral("second")}));
    EXPECT_EQ(c.CommentText(), "first \nsecond");
    c.SetCommentText(QStringLiteral(" \n "));
    EXPECT_TRUE(c.Comments.isEmpty());
}
