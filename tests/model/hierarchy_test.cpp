#include "support/modelfixture.h"

#include "model/hierarchycopy.h"
#include "model/icons.h"
#include "model/messagerecorder.h"
#include "model/optionnumbers.h"

#include <gtest/gtest.h>

struct Hierarchy : ::testing::Test { TModelFixture f; };

TEST_F(Hierarchy, PlacingSetsDepthsOfTheWholeSubtree)
{
    EXPECT_EQ(f.City->Depth, 0);
    EXPECT_EQ(f.District->Depth, 1);
    TSystemLevel* building = f.Level("Building", f.District);
    EXPECT_EQ(building->Depth, 2);
    f.District->PlaceUnder(f.Village);
    EXPECT_EQ(building->Depth, 2);
    EXPECT_TRUE(f.City->Children.empty());
    EXPECT_TRUE(f.Village->IsWithin(building));
    EXPECT_FALSE(f.City->IsWithin(building));
    EXPECT_FALSE(building->IsWithin(f.Village));
    EXPECT_TRUE(building->IsWithin(building));
}

TEST_F(Hierarchy, PreclusionOnlyWithinTheOptionsOwnSystemAndInAreaThenOptionOrder)
{
    TMessageRecorder messages;
    TSystemLevel* school = f.Level("School", f.City);
    TDecisionArea* roof = f.Area(school, "Roof", f.Energy, f.Now);
    f.Case.Changed = false;

    f.Walls->AddPreclusion(f.Heating);    // the parent level
    f.Walls->AddPreclusion(roof);         // a sibling level
    f.Gas->AddPreclusion(f.Heating);      // its own decision area
    EXPECT_EQ(messages.Warnings(), QStringList(3, "Option can only preclude decisions within its own system"));
    EXPECT_TRUE(f.Walls->PrecludedAreas.empty());
    EXPECT_TRUE(f.Gas->PrecludedAreas.empty());
    EXPECT_FALSE(f.Case.Changed);

    f.Gas->AddPreclusion(f.Insulation);
    f.Gas->AddPreclusion(f.Insulation);
    f.Gas->AddPreclusion(f.Transport);
    EXPECT_EQ(f.Gas->PrecludedAreas, std::vector<TDecisionArea*>({ f.Insulation, f.Transport }));
    EXPECT_TRUE(f.Case.Changed);

    f.Case.Changed = false;
    f.Gas->RemovePreclusion(f.Heating);
    EXPECT_FALSE(f.Case.Changed);
    f.Gas->RemovePreclusion(f.Transport);
    EXPECT_TRUE(f.Case.Changed);

    // The options that preclude an area come in area, then option order.
    TDecisionArea* windows = f.Area(f.District, "Windows", f.Energy, f.Now);
    TOption* triple = TModelFixture::Option(windows, "Triple", 1);
    triple->AddPreclusion(f.Insulation);
    f.HeatPump->AddPreclusion(f.Insulation);
    f.Bus->AddPreclusion(f.Insulation);
    // City areas first (depth), Heating (Energy, 1) before Transport (Mobility, 2);
    // within Heating by option number.
    EXPECT_EQ(f.Insulation->PrecludingOptions(), std::vector<TOption*>({ f.Gas, f.HeatPump, f.Bus, triple }));

    // The areas' own order.
    TSystemLevel* alpha = f.Level("alpha", nullptr);
    TDecisionArea* a1 = f.Area(alpha, "zz", f.Mobility, f.Now);
    TDecisionArea* a2 = f.Area(alpha, "yy", f.Energy, f.Later);
    TDecisionArea* a3 = f.Area(alpha, "xx", f.Energy, f.Now);
    std::vector<TDecisionArea*> areas = { f.Insulation, a1, f.Transport, a2, f.Heating, a3 };
    std::sort(areas.begin(), areas.end(), DecisionAreaLess);
    // Depth, level name (alpha before City), category number, phase order, name.
    EXPECT_EQ(areas, std::vector<TDecisionArea*>({ a3, a2, a1, f.Heating, f.Transport, f.Insulation }));
}

// The rows of levels, areas, options, effects and the catalogues are checked
// line for line by the case folder writer's pages (tests/data/casefolder).

TEST(Icons, DefaultAndDerivedIcons)
{
    const QImage rect = DefaultRectangleIcon();
    EXPECT_EQ(rect.size(), QSize(16, 16));
    const QColor color(0x20, 0xC0, 0x40), middle(0x10, 0x60, 0x20), dark(0, 0, 0x10);
    const QImage clock = PhaseClockIcon(color, middle, dark);

    TCase c;
    TPhase* phase = c.Phases.At(c.AddPhase("p"));
    phase->SetColorDerived(QColor(0xFF, 0, 0));
    EXPECT_EQ(phase->MiddleColor, QColor(0x7F, 0, 0));
    EXPECT_EQ(phase->DarkColor, QColor(0x3F, 0, 0));
    phase->SetColors(color, middle, dark);
    QImage level = DefaultRectangleIcon();
    level.setPixelColor(5, 5, Qt::black);
    level.setPixelColor(6, 6, QColor(0xC0, 0xC0, 0xC0));
    level.setPixelColor(7, 7, QColor(0x12, 0x34, 0x56));
    const QImage inPhase = LevelInPhaseIcon(level, *phase);
    const QImage variant = LevelInPhaseVariantIcon(level, *phase);
    const QImage design = DesignIcon(rect);
    const QColor grey(0x80, 0x80, 0x80), white(Qt::white);

    const struct { const char* what; const QImage& image; int x, y; QColor colour; } pixels[] = {
        { "rectangle", rect, 1, 2, grey }, { "rectangle", rect, 13, 14, grey },
        { "rectangle", rect, 14, 15, white }, { "rectangle", rect, 7, 8, white },
        { "hour mark", clock, 7, 1, middle }, { "hand", clock, 7, 5, dark },
        { "face", clock, 4, 7, color }, { "clock", clock, 15, 15, white },
        // The level's icon in the phase's colours: grey, black, silver, and anything else.
        { "in phase", inPhase, 1, 2, middle }, { "in phase", inPhase, 5, 5, dark },
        { "in phase", inPhase, 6, 6, color }, { "in phase", inPhase, 7, 7, white },
        { "variant", variant, 0, 5, QColor(Qt::black) }, { "variant", variant, 1, 6, white },
        { "design", design, 1, 9, QColor(0, 0xFF, 0xFF) }, { "design", design, 3, 12, white },
    };
    for (const auto& p : pixels)
        EXPECT_EQ(p.image.pixelColor(p.x, p.y), p.colour) << p.what << " " << p.x << "," << p.y;
    EXPECT_EQ(DesignIcon(rect, true).pixelColor(1, 9), QColor(0xFF, 0, 0));
}

namespace {

// The options' numbers, in the order given.
std::vector<int> Numbers(const std::vector<TOption*>& options)
{
    std::vector<int> numbers;
    for (const TOption* option : options)
        numbers.push_back(option->Number);
    return numbers;
}

// Options O0, O1, ... numbered 0, 1, ... in a new area of the city.
std::vector<TOption*> NumberedArea(TModelFixture& f, int count)
{
    TDecisionArea* area = f.Area(f.City, "Parking", f.Energy, f.Now);
    std::vector<TOption*> options;
    for (int i = 0; i < count; ++i)
        options.push_back(TModelFixture::Option(area, QString("O%1").arg(i), i));
    f.Case.Changed = false;
    return options;
}

// Each effect as "variable = formula", marked when null in the status quo;
// every one belongs to the option and is compiled.
QStringList Effects(const TOption& option)
{
    QStringList texts;
    for (const auto& effect : option.Effects) {
        EXPECT_EQ(effect->Option, &option);
        EXPECT_FALSE(effect->Code.empty()) << effect->Formula.toStdString();
        texts << effect->Variable->Name + " = " + effect->Formula + (effect->NullWhenStatusQuo ? " (null)" : "");
    }
    return texts;
}

TEST_F(Hierarchy, CopiesTakeWhatLiesWithinTheTargetLevelAsItemsOfTheirOwn)
{
    TDecisionArea* roof = f.Area(f.Level("Building", f.District), "Roof", f.Energy, f.Now);
    f.Gas->AddQualifier(f.Green);
    f.Gas->AddPreclusion(f.Insulation);   // district, below the city
    f.Gas->AddPreclusion(roof);           // building, two below
    f.Gas->AddPreclusion(f.Transport);    // the city itself
    TModelFixture::Effect(f.Gas, f.Cost, "2 * [Price]")->NullWhenStatusQuo = true;
    TModelFixture::Effect(f.Gas, f.Price, "7");
    f.Case.Changed = false;
    const QStringList gasEffects = { "Cost = 2 * [Price] (null)", "Price = 7" };
    TCopyReport report;
    TOption* copy = CopyOption(*f.Gas, *f.Heating, "Gas (copy)", 3, &report);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->DecisionArea, f.Heating);
    EXPECT_EQ(copy->Number, 3);
    EXPECT_EQ(copy->Qualifiers, f.Gas->Qualifiers);
    EXPECT_EQ(copy->PrecludedAreas, f.Gas->PrecludedAreas);
    EXPECT_EQ(Effects(*copy), gasEffects);
    EXPECT_TRUE(report.FaultyEffects.empty() && report.DroppedPreclusions.empty());
    EXPECT_TRUE(f.Case.Changed);

    // Copied down to District, Insulation and Roof lie within the target level; Transport (the city) does not.
    TCopyReport down;
    TDecisionArea* district = CopyDecisionArea(*f.Heating, *f.District, "Heating", &down);
    ASSERT_NE(district, nullptr);
    EXPECT_EQ(district->SystemLevel, f.District);
    EXPECT_EQ(district->Phase, f.Heating->Phase);
    EXPECT_EQ(district->Category, f.Heating->Category);
    TOption* gas = district->Options.Find("Gas");
    EXPECT_EQ(gas->Number, 1);
    EXPECT_EQ(district->Options.Find("Heat pump")->Number, 2);
    EXPECT_EQ(gas->PrecludedAreas, std::vector<TDecisionArea*>({ f.Insulation, roof }));
    EXPECT_EQ(Effects(*gas), gasEffects);
    ASSERT_EQ(down.DroppedPreclusions.size(), 2u);   // Gas and its copy
    EXPECT_EQ(down.DroppedPreclusions[0].Option, gas);
    EXPECT_EQ(down.DroppedPreclusions[0].Count, 1);
    // Onto a sibling of District nothing of the district's may be precluded:
    // dropped, not refused by AddPreclusion.
    TCopyReport school;
    TDecisionArea* atSchool = CopyDecisionArea(*f.Heating, *f.Level("School", f.City), "Heating", &school);
    EXPECT_TRUE(atSchool->Options.Find("Gas")->PrecludedAreas.empty());
    EXPECT_EQ(school.DroppedPreclusions[0].Count, 3);

    // A taken name is refused.
    f.Case.Changed = false;
    EXPECT_EQ(CopyOption(*f.Gas, *f.Heating, "heat PUMP", 4), nullptr);
    EXPECT_EQ(CopyDecisionArea(*f.Heating, *f.City, "transport"), nullptr);
    EXPECT_EQ(f.Heating->Options.Count(), 3);
    EXPECT_EQ(f.City->DecisionAreas.Count(), 2);
    EXPECT_FALSE(f.Case.Changed);

    // A formula stored faulty (as read from a damaged page) stays faulty in the copy.
    f.Gas->Effects[1]->Formula = "1 +";
    TCopyReport faulty;
    TOption* again = CopyOption(*f.Gas, *f.Heating, "Gas 2", 4, &faulty);
    ASSERT_EQ(faulty.FaultyEffects.size(), 1u);
    EXPECT_EQ(faulty.FaultyEffects[0], again->Effects[1].get());
    EXPECT_EQ(again->Effects[1]->Formula, "1 +");

    // A copy is whole without its original.
    f.Heating->DeleteOption(f.Gas);
    EXPECT_EQ(Effects(*copy), gasEffects);
    EXPECT_EQ(copy->PrecludedAreas.size(), 3u);
}

TEST(OptionNumbers, InsertingMovesTheRestUpAndMovingShiftsTheOptionsInBetween)
{
    // Inserting: the numbers of the old options 0, 1, 2, then of the new one.
    const struct { int Number; std::vector<int> Expected; } inserts[] = { { 2, { 0, 1, 3, 2 } }, { 1, { 0, 2, 3, 1 } }, { 5, { 0, 1, 2, 5 } }, { -1, { 1, 2, 3, -1 } } };
    for (const auto& row : inserts) {
        TModelFixture f;
        std::vector<TOption*> options = NumberedArea(f, 3);
        options.push_back(TModelFixture::Option(options[0]->DecisionArea, "New", 0));
        InsertOptionNumber(*options.back(), row.Number);
        EXPECT_EQ(Numbers(options), row.Expected) << row.Number;
        EXPECT_TRUE(f.Case.Changed);
    }

    // Moving: the numbers of options 0..3, which start as 0..3.
    const struct { int Dragged, Target; std::vector<int> Expected; } moves[] = {
        { 3, 1, { 0, 2, 3, 1 } },   // upwards: the target and those below it move down one
        { 0, 2, { 2, 0, 1, 3 } },   // downwards: they move up one
        { 1, 2, { 0, 2, 1, 3 } },   // neighbours swap
    };
    for (const auto& row : moves) {
        TModelFixture f;
        const std::vector<TOption*> options = NumberedArea(f, 4);
        EXPECT_TRUE(MoveOptionNumber(*options[size_t(row.Dragged)], *options[size_t(row.Target)]));
        EXPECT_EQ(Numbers(options), row.Expected) << row.Dragged << " onto " << row.Target;
        EXPECT_TRUE(f.Case.Changed);
    }
    TModelFixture f;
    f.Case.Changed = false;
    EXPECT_FALSE(MoveOptionNumber(*f.Gas, *f.Bus));   // another area
    EXPECT_FALSE(MoveOptionNumber(*f.Gas, *f.Gas));
    EXPECT_EQ(f.Gas->Number, 1);
    EXPECT_FALSE(f.Case.Changed);
}

} // namespace
