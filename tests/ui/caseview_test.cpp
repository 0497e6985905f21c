#include "ui/caseview.h"
#include "scriptedwindow.h"

#include <QVBoxLayout>

namespace {

/// The least a view does: shows the case's comment in a comment box and
/// counts the notices it hears.
class TCommentView : public TCaseView
{
public:
    TCommentView(TORVEL& main, TCase& aCase) : TCaseView(main, aCase), Box(new TCommentBox(this))
    {
        (new QVBoxLayout(this))->addWidget(Box);
        Box->OnStore = [this](TNameless& item, const QString& text) { StoreComment(item, text, ChangeCase); };
        Box->Show(&Case);
    }
    void StorePendingEdits() override { Box->StorePending(); }
    void CaseChanged(TChangeKinds kinds) override
    {
        Notices.push_back(kinds);
        Box->Show(&Case);
    }
    TCommentBox* Box;
    std::vector<TChangeKinds> Notices;
};

QWidget* MakeCommentView(TORVEL& main, TCase& aCase) { return new TCommentView(main, aCase); }

class CaseViewTest : public TWindowTest
{
protected:
    CaseViewTest()
    {
        Window.SetViewFactory(TViewKind::Phases, &MakeCommentView);
        NewCase(QStringLiteral("City"));
        Case().Changed = false;
        Window.show();
        View = Open<TCommentView>(TViewKind::Phases);
    }

    TCommentView* View;
};

TEST_F(CaseViewTest, CloseAsksAboutTypingThatIsNotYetStored)
{
    Type(View->Box, QStringLiteral("Not lost"));
    Prompter->SaveAnswers = {TPrompter::TAnswer::Cancel};
    EXPECT_FALSE(Window.CloseCase());
    EXPECT_EQ(Prompter->Asked.count(QStringLiteral("Save changes made to case?")), 1);
    EXPECT_EQ(Case().CommentText(), "Not lost");
}

TEST_F(CaseViewTest, EditsAnnounceOnceToEveryViewAndMarkTheCase)
{
    {
        TCaseEdit edit(*Window.Case(), QStringLiteral("Add scale"), ChangeCatalogues);
        Case().AddScale(QStringLiteral("EUR"));
        Case().AddScale(QStringLiteral("kWh"));
    }
    EXPECT_EQ(View->Notices, std::vector<TChangeKinds>{ChangeCatalogues});
    EXPECT_TRUE(Case().Changed);
    // A rebuild keeps what is being typed for the item it still shows.
    Type(View->Box, QStringLiteral("half"));
    Case().Announce(ChangeCase);
    EXPECT_EQ(View->Box->toPlainText(), "half");
}

TEST_F(CaseViewTest, DropsFindOnlyItemsThatStillBelongToTheCase)
{
    TCase& c = *Window.Case();
    TSystemLevel* level = c.SystemLevels.At(c.AddSystemLevel(QStringLiteral("City")));
    c.AddPhase(QStringLiteral("Now"));
    c.AddCategory(QStringLiteral("Energy"));
    TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(QStringLiteral("Heat")));
    TOption* gas = area->Options.At(area->AddOption(QStringLiteral("Gas")));
    TOption* pump = area->Options.At(area->AddOption(QStringLiteral("Pump")));
    TQualifier* green = c.Qualifiers.At(c.AddQualifier(QStringLiteral("Green")));

    std::unique_ptr<QMimeData> data(MakeDragData({DragItem(pump), DragItem(gas), DragItem(green), DragItem(area)}));
    EXPECT_TRUE(CarriesKind(data.get(), TDragKind::Qualifier));
    EXPECT_FALSE(CarriesKind(data.get(), TDragKind::Policy));
    TDroppedItems dropped = ReadDragItems(data.get(), c);
    EXPECT_EQ(dropped.Options, (std::vector<TOption*>{pump, gas}));   // in the order dragged
    EXPECT_EQ(dropped.Qualifiers, std::vector<TQualifier*>{green});
    EXPECT_EQ(dropped.Areas, std::vector<TDecisionArea*>{area});

    area->DeleteOption(pump);
    c.DeleteQualifier(green);
    dropped = ReadDragItems(data.get(), c);
    EXPECT_EQ(dropped.Options, std::vector<TOption*>{gas});
    EXPECT_TRUE(dropped.Qualifiers.empty());

    QMimeData foreign;
    foreign.setData(DragFormat, QByteArray("\x01\x02garbage", 9));
    EXPECT_TRUE(ReadDragItems(&foreign, c).Empty());
}

} // namespace
