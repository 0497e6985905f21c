#include "actors/actor.h"
#include "model/helpers.h"
#include "model/messagerecorder.h"
#include "model/modelfixture.h"

#include <gtest/gtest.h>

namespace {

struct TActorFixture : TModelFixture
{
    TActor* Mayor = Case.Actors.At(Case.AddActor("Mayor"));
};

QString Local(QString text) { return text.replace(QLatin1Char('.'), DecimalSeparator()); }

template <class T>
std::vector<T*> Order(const std::vector<std::unique_ptr<T>>& list)
{
    std::vector<T*> result;
    for (const auto& link : list)
        result.push_back(link.get());
    return result;
}

} // namespace

TEST(Actor, WithoutPositionsWritesFiveEmptyBlocks)
{
    TActorFixture f;
    EXPECT_EQ(f.Mayor->DescriptionRows(), QStringList({
        "  <tr class=subsection><td><img src=\"img/actor.bmp\"></td><td>Mayor</td></tr>",
        "  <tr><td colspan=2><i>Influence on other actors:</i></td></tr>",
        "  <tr><td>&nbsp;</td><td><table class=c0>",
        "  </table></td></tr>",
        "  <tr><td colspan=2><i>Influence on decisions:</i></td></tr>",
        "  <tr><td>&nbsp;</td><td><table class=c0>",
        "  </table></td></tr>",
        "  <tr><td colspan=2><i>Objectives:</i></td></tr>",
        "  <tr><td>&nbsp;</td><td><table class=c0>",
        "  </table></td></tr>",
        "  <tr><td colspan=2><i>Feelings about specific options:</i></td></tr>",
        "  <tr><td>&nbsp;</td><td><table class=c0>",
        "  </table></td></tr>",
        "  <tr><td colspan=2><i>Feelings about qualifiers:</i></td></tr>",
        "  <tr><td>&nbsp;</td><td><table class=c0>",
        "  </table></td></tr>",
    }));
}

TEST(Actor, RowsOfEveryKindOfPosition)
{
    TActorFixture f;
    TActor* council = f.Case.Actors.At(f.Case.AddActor("Council"));
    f.Mayor->AddConnection(council, 3)->Comments << "often";
    f.Mayor->AddDecision(f.Insulation, 2);
    f.Mayor->AddGoal(f.Cost, -1, 2.5, -2);
    f.Mayor->AddOptionFeeling(f.Walls, 1);
    f.Mayor->AddQualifierFeeling(f.Green, 3);
    const QStringList rows = f.Mayor->DescriptionRows();
    ASSERT_EQ(rows.size(), 21);
    EXPECT_EQ(rows[2], "  <tr><td>&nbsp;</td><td><table class=c1>");
    EXPECT_EQ(rows[3], "<tr><td><img src=\"img/wght3.bmp\" alt=\"strong influence\"></td><td>Council</td></tr>"
                       "<tr class=cmnt><td></td><td>often</td></tr>");
    EXPECT_EQ(rows[7], "<tr><td><img src=\"img/wght2.bmp\" alt=\"moderate influence\"></td><td>"
                       "<img src=\"img/sl1p0.bmp\" alt=\"1:0\">Insulation</td></tr>");
    EXPECT_EQ(rows[11], "<tr><td><img src=\"img/face-2.bmp\" alt=\"very undesirable\">"
                        "<img src=\"img/lt.bmp\" alt=\"decrease to below X\"></td><td>Cost [EUR] = "
                            + Local("2.5") + "</td></tr>");
    EXPECT_EQ(rows[15], "<tr><td><img src=\"img/face1.bmp\" alt=\"desirable\"></td><td><img src=\"img/smopt0.bmp\">"
                        "<img src=\"img/sl1p0.bmp\" alt=\"1:0\"><img src=\"img/cat0.bmp\" alt=\"1. Energy\">"
                        "Insulation = Walls</td></tr>");
    EXPECT_EQ(rows[19], "<tr><td><img src=\"img/face3.bmp\" alt=\"most desirable\"></td><td>"
                        "<img src=\"img/qual0.bmp\" alt=\"Green\">Green</td></tr>");
}

TEST(Actor, GoalRowsShowTheDirectionAndKeepEveryDigit)
{
    TActorFixture f;
    const struct { int direction; double value; const char* image; const char* number; } cases[] = {
        { -2, 10, "<img src=\"img/minp.bmp\" alt=\"decrease by X%\">", "10" },
        { -1, 2.5, "<img src=\"img/lt.bmp\" alt=\"decrease to below X\">", "2.5" },
        { 1, 1.23456, "<img src=\"img/gt.bmp\" alt=\"increase to above X\">", "1.23456" },
        { 2, 123456, "<img src=\"img/plusp.bmp\" alt=\"increase by X%\">", "123456" },
    };
    for (const auto& c : cases) {
        TActorGoal* goal = f.Mayor->AddGoal(f.Price, c.direction, c.value, 1);
        EXPECT_EQ(goal->Row(), QStringLiteral("<tr><td><img src=\"img/face1.bmp\" alt=\"desirable\">%1</td>"
                                              "<td>Price [EUR] = %2</td></tr>")
                                   .arg(QLatin1String(c.image), Local(QString::fromLatin1(c.number))));
    }
}

TEST(Actor, AnUndefinedDirectionIsReportedAndWrittenWithoutImage)
{
    TActorFixture f;
    TMessageRecorder messages;
    TActorGoal* goal = f.Mayor->AddGoal(f.Price, 0, 1, 1);
    EXPECT_EQ(goal->Row(), "<tr><td><img src=\"img/face1.bmp\" alt=\"desirable\"></td><td>Price [EUR] = 1</td></tr>");
    EXPECT_EQ(messages.Errors(), QStringList({ "Undefined change direction: 0" }));
}

TEST(GoalText, OneLinePerDirection)
{
    TActorFixture f;
    const struct { int direction; double value; const char* text; } cases[] = {
        { -2, 10, "Cost: -10%" }, { -1, 2.5, "Cost <= 2.5" }, { 1, 2.5, "Cost >= 2.5" },
        { 2, 10, "Cost: +10%" }, { 7, 10, "Cost: +10%" },
    };
    for (const auto& c : cases) {
        TActorGoal goal(f.Mayor);
        goal.Variable = f.Cost;
        goal.Direction = qint16(c.direction);
        goal.Value = c.value;
        EXPECT_EQ(GoalText(goal), Local(QString::fromLatin1(c.text)));
    }
}

TEST(Actor, SortPositionsOrdersEveryList)
{
    TActorFixture f;
    TActor* b = f.Case.Actors.At(f.Case.AddActor("bank"));
    TActor* a = f.Case.Actors.At(f.Case.AddActor("Army"));
    auto* weak = f.Mayor->AddConnection(a, 1);
    auto* strongB = f.Mayor->AddConnection(b, 4);
    auto* strongA = f.Mayor->AddConnection(a, 4);
    auto* district = f.Mayor->AddDecision(f.Insulation, 2);
    auto* transport = f.Mayor->AddDecision(f.Transport, 2);
    auto* heating = f.Mayor->AddDecision(f.Heating, 1);
    auto* down2 = f.Mayor->AddGoal(f.Price, -2, 1, 3);
    auto* down1 = f.Mayor->AddGoal(f.Price, -1, 1, 3);
    auto* up2Mild = f.Mayor->AddGoal(f.Price, 2, 1, 1);
    auto* up2 = f.Mayor->AddGoal(f.Price, 2, 1, 2);
    auto* up1 = f.Mayor->AddGoal(f.Price, 1, 1, 3);
    auto* cost = f.Mayor->AddGoal(f.Cost, -2, 1, -3);
    auto* walls = f.Mayor->AddOptionFeeling(f.Walls, 2);
    auto* pump = f.Mayor->AddOptionFeeling(f.HeatPump, 2);
    auto* gas = f.Mayor->AddOptionFeeling(f.Gas, -1);
    TQualifier* cheap = f.Case.Qualifiers.At(f.Case.AddQualifier("cheap"));
    auto* green = f.Mayor->AddQualifierFeeling(f.Green, 1);
    auto* cheapLow = f.Mayor->AddQualifierFeeling(cheap, 1);
    auto* greenHigh = f.Mayor->AddQualifierFeeling(f.Green, 2);

    const QStringList before = f.Mayor->DescriptionRows();
    f.Mayor->SortPositions();

    EXPECT_EQ(Order(f.Mayor->Connections), std::vector<TActorConnection*>({ strongA, strongB, weak }));
    EXPECT_EQ(Order(f.Mayor->Decisions), std::vector<TActorDecision*>({ transport, district, heating }));
    EXPECT_EQ(Order(f.Mayor->Goals), std::vector<TActorGoal*>({ cost, up2, up2Mild, up1, down1, down2 }));
    EXPECT_EQ(Order(f.Mayor->Options), std::vector<TActorOption*>({ pump, walls, gas }));
    EXPECT_EQ(Order(f.Mayor->Qualifiers), std::vector<TActorQualifier*>({ greenHigh, cheapLow, green }));
    // The rows come out in the same order whether or not the lists were sorted.
    EXPECT_EQ(f.Mayor->DescriptionRows(), before);
}

TEST(Actor, AddingAndDeletingPositionsMarksTheCaseChanged)
{
    TActorFixture f;
    f.Case.Changed = false;
    TActorGoal* goal = f.Mayor->AddGoal(f.Cost, 1, 3, 1);
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_EQ(goal->Actor, f.Mayor);
    f.Case.Changed = false;
    TActorGoal other(f.Mayor);
    f.Mayor->DeletePosition(&other);
    EXPECT_FALSE(f.Case.Changed);
    f.Mayor->DeletePosition(goal);
    EXPECT_TRUE(f.Mayor->Goals.empty());
    EXPECT_TRUE(f.Case.Changed);
}
