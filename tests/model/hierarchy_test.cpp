#include "support/modelfixture.h"

#include "model/icons.h"
#include "model/messagerecorder.h"

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

TEST_F(Hierarchy, PreclusionOnlyWithinTheOptionsOwnSystem)
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
}

TEST_F(Hierarchy, PrecludingOptionsComeInAreaThenOptionOrder)
{
    TDecisionArea* windows = f.Area(f.District, "Windows", f.Energy, f.Now);
    TOption* triple = TModelFixture::Option(windows, "Triple", 1);
    triple->AddPreclusion(f.Insulation);
    f.HeatPump->AddPreclusion(f.Insulation);
    f.Bus->AddPreclusion(f.Insulation);
    f.Gas->AddPreclusion(f.Insulation);
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
