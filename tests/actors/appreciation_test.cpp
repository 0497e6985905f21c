#include "actors/appraisalfixture.h"
#include "actors/appreciationbar.h"
#include "actors/designsurvey.h"
#include "policy/qualification.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const QString EmptyBar = QStringLiteral(
    "<table width=180 border=0 cellpadding=0><tr><td width=150 bgcolor=#EEEEEE>&nbsp;</td></tr>"
    "<tr><td width=150 bgcolor=#EEEEEE>&nbsp;</td></tr></table>");

// Weight per level -3..+3, and the four sums.
QString Tallies(const TAppreciation& a)
{
    QStringList parts;
    for (int level = -3; level <= 3; ++level)
        parts << QStringLiteral("%1/%2").arg(a.Attained[level]).arg(a.Total[level]);
    return parts.join(QLatin1Char(' '))
           + QStringLiteral(" | +%1/%2 -%3/%4").arg(a.PositiveAttained).arg(a.PositiveTotal).arg(a.NegativeAttained).arg(a.NegativeTotal);
}

// Positive: 1 of 3 at +1, 1 of 2 at +2 (weights 1/3 and 2/4); negative: 1 of 1
// at -3 (3/3). All weight: 10.
struct TMixed : TAppreciation
{
    TMixed()
    {
        CountItem(3, 1);
        AttainItem(1, 1);
        CountItem(2, 2);
        AttainItem(1, 2);
        CountItem(1, -3);
        AttainItem(1, -3);
    }
};

QString Table(const QString& cells)
{
    return QStringLiteral("<table width=180 border=0 cellpadding=0><tr>") + cells + QStringLiteral("</tr></table>");
}

struct Appreciation : ::testing::Test { TAppraisalFixture f; };

} // namespace

// Nothing switched on is not calculated; items of preference 0 are listed but weigh nothing.
TEST_F(Appreciation, NothingSwitchedOnOrOfPreferenceZeroShowsEmptyBars)
{
    f.Walls->AddQualifier(f.Green);
    f.Mayor->AddGoal(f.Cost, 1, 5, 0);
    f.Mayor->AddOptionFeeling(f.Walls, 0);
    f.Mayor->AddQualifierFeeling(f.Green, 0);
    const auto none = f.Appraise(Nothing);
    EXPECT_EQ(none->AppreciationText(), "(not calculated)");
    EXPECT_EQ(none->GoalAppreciation->AppreciationText(), "");
    const auto zero = f.Appraise({ true, true, true });
    EXPECT_EQ(zero->AppreciationText(), "");
    EXPECT_EQ(zero->GoalAppreciation->Items.size(), 1u);
    EXPECT_EQ(zero->OptionAppreciation->Items.size(), 1u);
    EXPECT_EQ(zero->QualifierAppreciation->Items.size(), 1u);
    for (const auto* a : { none.get(), zero.get() }) {
        for (const TAppreciation* part : std::initializer_list<const TAppreciation*>{
                 a, a->GoalAppreciation.get(), a->OptionAppreciation.get(), a->QualifierAppreciation.get() }) {
            EXPECT_EQ(Tallies(*part), "0/0 0/0 0/0 0/0 0/0 0/0 0/0 | +0/0 -0/0");
            EXPECT_EQ(BarHTML(*part), EmptyBar);
        }
    }
}

// Goals attained on both sides give full percentages. Relative goals against
// the base design, the base value's special cases, and the faults mended: an
// undefined value attains nothing, and a change from a negative base keeps its sign.
TEST_F(Appreciation, GoalsAbsoluteAndRelativeToTheBaseDesign)
{
    // Plan costs 10 + 3 x 3 = 19
    TActorGoal* wanted = f.Mayor->AddGoal(f.Cost, 1, 5, 2);
    TActorGoal* feared = f.Mayor->AddGoal(f.Cost, -1, 20, -1);
    const auto both = f.Appraise(Objectives);
    EXPECT_EQ(both->GoalAppreciation->AppreciationText(), "2/2 positive, 1/1 negative");
    EXPECT_EQ(both->AppreciationText(), "100% positive, 100% negative");
    EXPECT_EQ(both->GoalAppreciation->Items, std::vector<TActorGoal*>({ wanted, feared }));
    EXPECT_EQ(Tallies(*both), "0/0 0/0 100/100 0/0 0/0 100/100 0/0 | +100/100 -100/100");
    // Computed again, the goals read the current values: the pump costs 40 + 9.
    f.Amsterdam->SelectDesignOption(f.HeatPump);
    both->Compute();
    EXPECT_EQ(both->GoalAppreciation->AppreciationText(), "2/2 positive, 0/1 negative");
    f.Amsterdam->SelectDesignOption(f.Gas);

    // The base design's name (nullptr: none), the design, and the goal.
    const struct { const char* Base; const char* Design; int Direction; double Value; bool Attained; } cases[] = {
        { nullptr, "Plan", 2, 0, false },       // no base design: counted, never attained
        { nullptr, "Plan", -1, 20, true },      // absolute goals need none
        { "Cheap", "Plan", 2, 80, true },       // 10 -> 19: +90%
        { "Cheap", "Plan", 2, 100, false },
        { "Dear", "Plan", -2, 50, true },       // 40 -> 19: -52.5%
        { "Dear", "Plan", -2, 60, false },
        { "Zero", "Plan", 2, 1e6, true },       // from 0 any rise is large enough
        { "Zero", "Plan", -2, 0, false },
        { "Zero", "Zero", 2, 0, true },         // 0 -> 0 is no change
        { "Debt", "Deeper", -2, 50, true },     // -10 -> -20: a fall of 100%
        { "Debt", "Deeper", 2, 50, false },
        { "Broken", "Plan", 2, 0, false },      // an undefined base attains nothing
        { "Plan", "Broken", -1, 5, false },     // neither does an undefined value
        { "Plan", "Broken", 1, -5, false },
    };
    f.AddCityDesigns();
    f.CityDesign("Cheap", f.Gas);
    f.CityDesign("Dear", f.HeatPump);
    for (const auto& c : cases) {
        f.Case.BaseCase = c.Base ? f.Case.Designs.Find(c.Base) : nullptr;
        f.Mayor->Goals.clear();
        f.Mayor->AddGoal(f.Cost, c.Direction, c.Value, 1);
        const auto a = f.Appraise(Objectives, f.Case.Designs.Find(c.Design));
        EXPECT_EQ(a->GoalAppreciation->AppreciationText(), c.Attained ? "1/1 positive" : "0/1 positive")
            << (c.Base ? c.Base : "no base") << " " << c.Design << " " << c.Direction << " " << c.Value;
    }
}

TEST_F(Appreciation, OptionFeelingsAreWeighedByCumulativeCountAndComputedAfresh)
{
    // Walls chosen in North (3 alike), not in South (2 alike)
    f.Mayor->AddOptionFeeling(f.Walls, -2);
    f.Mayor->AddOptionFeeling(f.Gas, 1);
    f.Mayor->AddOptionFeeling(f.Option(f.Area(f.Village, "Wells", f.Energy, f.Now), "Deep", 1), 2);   // another tree
    f.Mayor->AddOptionFeeling(f.HeatPump, 3);
    const auto a = f.Appraise(Options);
    EXPECT_EQ(Tallies(*a->OptionAppreciation), "0/0 6/10 0/0 0/0 1/1 0/0 0/3 | +1/4 -6/10");
    EXPECT_EQ(a->OptionAppreciation->AppreciationText(), "1/4 positive, 6/10 negative");
    ASSERT_EQ(a->OptionAppreciation->Items.size(), 2u);
    const TRelevantOption& walls = *a->OptionAppreciation->Items[0];
    EXPECT_EQ(walls.Option, f.Walls);
    EXPECT_EQ(walls.DesignObject, f.North);
    EXPECT_EQ(walls.Preference, -2);
    EXPECT_EQ(a->OptionAppreciation->Items[1]->DesignObject, f.Amsterdam);
    EXPECT_EQ(a->AppreciationText(), "25% positive, 60% negative");

    // Computed again, it starts afresh from the current model.
    f.Amsterdam->SelectDesignOption(f.HeatPump);
    a->Compute();
    EXPECT_EQ(a->OptionAppreciation->AppreciationText(), "3/4 positive, 6/10 negative");
    EXPECT_EQ(a->OptionAppreciation->Items.size(), 2u);
}

TEST_F(Appreciation, PartialsWithoutPositiveItemsDoNotDiluteTheAverage)
{
    f.Mayor->AddGoal(f.Cost, 1, 5, 1);      // attained
    f.Mayor->AddGoal(f.Cost, 1, 500, 1);    // not
    f.Mayor->AddOptionFeeling(f.Walls, -2);
    const auto a = f.Appraise({ true, true, false });
    EXPECT_EQ(a->AppreciationText(), "50% positive, 60% negative");
    EXPECT_EQ(Tallies(*a), "0/0 60/100 0/0 0/0 50/100 0/0 0/0 | +50/100 -60/100");
}

TEST_F(Appreciation, QualifierFeelingsCountDecisionsOverTheDesign)
{
    f.Walls->AddQualifier(f.Green);
    f.Solar->AddQualifier(f.Green);
    f.North->SelectDesignOption(f.Solar);        // North (x3): 2 of 2 green
    f.South->SelectDesignOption(f.Foam);         // South (x2): 0 of 2 green
    f.South->SelectDesignOption(f.GreenRoof);
    f.Mayor->AddQualifierFeeling(f.Green, 1);
    f.Mayor->AddQualifierFeeling(f.Green, -1);
    TActor* council = f.Case.Actors.At(f.Case.AddActor("Council"));
    council->AddQualifierFeeling(f.Green, 3);

    const auto shared = std::make_shared<TDesignSurvey>(f.Plan);
    const auto a = CreateActorAppreciation(f.Mayor, f.Plan, Qualifiers, shared);
    EXPECT_EQ(a->QualifierAppreciation->AppreciationText(), "6/10 positive, 6/10 negative");
    ASSERT_EQ(a->QualifierAppreciation->Items.size(), 2u);
    EXPECT_EQ(a->QualifierAppreciation->Items[0], a->QualifierAppreciation->Items[1]);
    EXPECT_EQ(a->QualifierAppreciation->Items[0]->DesignObject, f.Amsterdam);
    EXPECT_EQ(a->QualifierAppreciation->Items[0]->Qualifier, f.Green);
    EXPECT_EQ(CreateActorAppreciation(council, f.Plan, Qualifiers, shared)->QualifierAppreciation->AppreciationText(),
              "18/30 positive");
    // Built afresh, the figures are the same.
    EXPECT_EQ(Tallies(*f.Appraise(Qualifiers)->QualifierAppreciation), Tallies(*a->QualifierAppreciation));
}

TEST(AppreciationShares, RoundToWholePercentTiesToEven)
{
    const struct { int attained; int percent; } cases[] = { { 1, 12 }, { 3, 38 }, { 5, 62 }, { 7, 88 } };
    for (const auto& c : cases) {
        TAppraisalFixture f;
        for (int i = 0; i < 8; ++i)
            f.Mayor->AddGoal(f.Cost, 1, i < c.attained ? 0 : 1000, 1);
        const auto a = f.Appraise(Objectives);
        EXPECT_EQ(a->PositiveAttained, c.percent) << c.attained << "/8";
        EXPECT_EQ(a->Attained[1], c.percent) << c.attained << "/8";
    }
}

TEST(BarHTML, WidthsAndColspansLineBothBandsUp)
{
    EXPECT_EQ(BarHTML(TMixed()),
              Table("<td width=15 bgcolor=#A0FF80>&nbsp;</td><td width=30 bgcolor=#40FF40>&nbsp;</td>"
                    "<td width=105 colspan=1 bgcolor=#EEEEEE>&nbsp;</td>")
                  + Table("<td width=45 bgcolor=#E00040>&nbsp;</td><td width=105 colspan=2 bgcolor=#EEEEEE>&nbsp;</td>"));

    // A full band has no filler; the other band's filler spans one column.
    TAppreciation full;
    full.CountItem(2, 3);
    full.AttainItem(2, 3);
    EXPECT_EQ(BarHTML(full), Table("<td width=150 bgcolor=#00D000>&nbsp;</td>")
                                 + Table("<td width=150 colspan=1 bgcolor=#EEEEEE>&nbsp;</td>"));

    // Three undesirable levels against an empty upper band.
    TAppreciation low;
    for (int level : { -1, -2, -3 }) {
        low.CountItem(1, level);
        low.AttainItem(1, level);
    }
    EXPECT_EQ(BarHTML(low), Table("<td width=150 colspan=3 bgcolor=#EEEEEE>&nbsp;</td>")
                                + Table("<td width=25 bgcolor=#FFC000>&nbsp;</td><td width=50 bgcolor=#FF4040>&nbsp;</td>"
                                        "<td width=75 bgcolor=#E00040>&nbsp;</td>"));
}

TEST(DrawBar, BandsFromCumulativeBoundariesOnGrey)
{
    QImage canvas(50, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    DrawBar(TMixed(), canvas, 5, 3);
    const auto colour = [&](int x, int y) { return QColor(canvas.pixel(x, y)).name(QColor::HexRgb).toUpper(); };
    const struct { int x, y; const char* colour; } pixels[] = {
        // Upper band: +1 up to 40 * 1/10 = 4, +2 up to 40 * 3/10 = 12, then grey.
        { 5, 4, "#A0FF80" }, { 8, 10, "#A0FF80" }, { 9, 4, "#40FF40" }, { 16, 10, "#40FF40" }, { 17, 4, "#C0C0C0" },
        // Lower band: -3 up to 40 * 3/10 = 12.
        { 5, 11, "#E00040" }, { 16, 17, "#E00040" }, { 17, 11, "#C0C0C0" },
        // The grey frame row on top, and nothing outside 40 x 15.
        { 5, 3, "#C0C0C0" }, { 44, 17, "#C0C0C0" }, { 45, 10, "#FFFFFF" }, { 10, 18, "#FFFFFF" }, { 4, 10, "#FFFFFF" },
    };
    for (const auto& p : pixels)
        EXPECT_EQ(colour(p.x, p.y), p.colour) << p.x << "," << p.y;

    canvas.fill(Qt::white);
    DrawBar(TAppreciation(), canvas, 0, 0);
    EXPECT_EQ(colour(0, 0), "#C0C0C0");
    EXPECT_EQ(colour(39, 14), "#C0C0C0");
    EXPECT_EQ(colour(40, 14), "#FFFFFF");
}
