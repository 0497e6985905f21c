#include "designfixture.h"

#include "model/messagerecorder.h"

#include <gtest/gtest.h>

TEST(DesignObject, AddingFindsAnExistingSiblingOrInsertsInNameOrder)
{
    TDesignFixture f;
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    TDesignObject* north = f.Object("north", town, f.District);
    f.Object("East", town, f.District);
    f.Case.Changed = false;
    EXPECT_EQ(f.Design->AddDesignObject("North", town), north);
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_EQ(town->Children.At(0)->Name, "East");
    EXPECT_EQ(north->Count(), 1);
    EXPECT_EQ(north->Design, f.Design);
    EXPECT_EQ(north->Parent, town);
    TDesignObject* plain = f.Design->AddDesignObject(" [Spare] ", nullptr);
    EXPECT_EQ(plain->Name, "Spare");
    EXPECT_EQ(plain->SystemLevel, nullptr);
    EXPECT_TRUE(f.Case.Changed);
}

TEST(DesignObject, CumulativeCountIsAlwaysTheProductUpTheChain)
{
    TDesignFixture f;
    TDesignObject* town = f.Object("Town", nullptr, f.City, 2);
    TDesignObject* north = f.Object("North", town, f.District, 3);
    TDesignObject* block = f.Object("Block", north, f.Block, 5);
    EXPECT_EQ(block->CumulativeCount(), 30);
    f.Case.Changed = false;
    town->SetCount(4);
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_EQ(block->CumulativeCount(), 60);
    TDesignObject* copy = f.Design->DuplicateDesignObject(north, town, true);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Children.First()->CumulativeCount(), 60);
    block->SetCount(1 << 20);
    north->SetCount(1 << 20);
    EXPECT_EQ(block->CumulativeCount(), INT_MAX);
}

TEST(DesignObject, DeletingRemovesTheWholeSubtree)
{
    TDesignFixture f;
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    TDesignObject* north = f.Object("North", town, f.District);
    f.Object("Block", north, f.Block);
    f.Object("South", town, f.District);
    f.Case.Changed = false;
    f.Design->DeleteDesignObject(north);
    EXPECT_TRUE(f.Case.Changed);
    ASSERT_EQ(town->Children.Count(), 1);
    EXPECT_EQ(town->Children.At(0)->Name, "South");
    f.Design->DeleteDesignObject(town);
    EXPECT_TRUE(f.Design->TopObjects.IsEmpty());
}

TEST(DesignObject, DuplicatingCopiesChoicesCountsAndChildrenButNotComments)
{
    TMessageRecorder messages;
    TDesignFixture f;
    TVariable* cost = f.Variable("Cost");
    TOption* pump = f.OptionWithEffect(f.City, "Pump", cost, "10");
    TEffect* nullEffect = TDesignFixture::Effect(pump, cost, "1", true);
    TOption* walls = f.OptionWithEffect(f.District, "Walls", cost, "2");
    TDesignObject* town = f.Object("Town", nullptr, f.City, 2);
    town->Comments << "keep here";
    town->SelectDesignOption(pump);
    town->SelectStatusQuoOption(pump);
    f.Object("North", town, f.District, 3)->SelectDesignOption(walls);

    TDesignObject* copy = f.Design->DuplicateDesignObject(town, nullptr, true);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Name, "Copy of Town");
    EXPECT_EQ(copy->Count(), 2);
    EXPECT_TRUE(copy->Comments.isEmpty());
    EXPECT_EQ(copy->StatusQuoOptions, std::vector<TOption*>{ pump });
    ASSERT_EQ(copy->Children.Count(), 1);
    EXPECT_EQ(copy->Children.At(0)->DesignOptions, std::vector<TOption*>{ walls });
    EXPECT_EQ(TDesignFixture::Text(copy, cost), TDesignFixture::Text(town, cost));
    EXPECT_EQ(copy->FindAttribute(cost)->FindCalculation(nullEffect), nullptr);

    EXPECT_EQ(f.Design->DuplicateDesignObject(town, nullptr, true), nullptr);
    EXPECT_EQ(messages.Warnings(), QStringList{ "Copy of Town already exists" });

    // Into another design, merging into an object of the same name.
    TDesign* other = f.Case.Designs.At(f.Case.AddDesign("Other"));
    TDesignObject* existing = f.Object("Town", nullptr, f.City, 1, other);
    EXPECT_EQ(other->DuplicateDesignObject(town, nullptr, false), existing);
    EXPECT_EQ(TDesignFixture::Text(existing, cost), TDesignFixture::Text(town, cost));
}

TEST(DesignObject, DuplicatingIntoItselfIsRefused)
{
    TMessageRecorder messages;
    TDesignFixture f;
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    TDesignObject* north = f.Object("North", town, f.District);
    for (TDesignObject* target : { town, north })
        EXPECT_EQ(f.Design->DuplicateDesignObject(town, target, true), nullptr);
    EXPECT_EQ(messages.Warnings(), QStringList(2, "A subsystem cannot be duplicated into itself"));
    EXPECT_EQ(town->Children.Count(), 1);
    // Onto itself under its own parent: the same object, unchanged.
    EXPECT_EQ(f.Design->DuplicateDesignObject(north, town, false), north);
    EXPECT_EQ(town->Children.Count(), 1);
}

TEST(DesignObject, FindingByIdSearchesDepthFirst)
{
    TDesignFixture f;
    TDesignObject* a = f.Object("A", nullptr, f.City);
    TDesignObject* a1 = f.Object("A1", a, f.District);
    TDesignObject* b = f.Object("B", nullptr, f.City);
    a1->ID = 7;
    b->ID = 7;
    a->ID = 3;
    EXPECT_EQ(FindDesignObjectById(f.Design->TopObjects, 7), a1);
    EXPECT_EQ(FindDesignObjectById(f.Design->TopObjects, 3), a);
    EXPECT_EQ(FindDesignObjectById(f.Design->TopObjects, 9), nullptr);
}

TEST(DesignObject, OccurrencesCountInstancesAtTheOptionsLevel)
{
    TDesignFixture f;
    TOption* walls = TDesignFixture::Option(f.Area(f.District, "Insulation"), "Walls");
    TDesignObject* town = f.Object("Town", nullptr, f.City, 2);
    TDesignObject* north = f.Object("North", town, f.District, 3);
    TDesignObject* south = f.Object("South", town, f.District, 1);
    f.Object("Block", north, f.Block, 4);
    north->SelectDesignOption(walls);
    EXPECT_EQ(town->OccurrenceCount(walls), 8);
    EXPECT_EQ(north->OccurrenceCount(walls), 6);
    EXPECT_EQ(north->Children.At(0)->OccurrenceCount(walls), 0);
    EXPECT_EQ(town->FindSelections(walls), std::vector<TDesignObject*>{ north });
    EXPECT_EQ(south->UndecidedCount(), 1);
    EXPECT_EQ(north->UndecidedCount(), 0);
}

TEST(DesignObject, RowsForTheCaseFolder)
{
    TDesignFixture f;
    TOption* pump = TDesignFixture::Option(f.Area(f.City, "Heating"), "Pump", 2);
    TOption* gas = TDesignFixture::Option(pump->DecisionArea, "Gas", 1);
    TOption* bus = TDesignFixture::Option(f.Area(f.City, "Bus lines"), "Bus", 1);
    f.Design->Comments << "first draft";
    TDesignObject* town = f.Object("Town", nullptr, f.City, 2);
    TDesignObject* north = f.Object("North", town, f.District, 3);
    north->Comments << "a <note>";
    town->SelectDesignOption(pump);
    town->SelectDesignOption(bus);
    town->SelectStatusQuoOption(gas);

    EXPECT_EQ(f.Design->DescriptionRows(), QStringList({
        "<tr class=subsection><td><img src=\"img/design.bmp\" alt=\"design\"></td><td>Plan</td></tr>"
        "<tr class=cmnt><td></td><td>first draft</td></tr>",
        "<tr><td>&nbsp;</td><td><table class=c1>",
        "<tr><td><img src=\"img/sld1.bmp\" alt=\"City\"></td><td>[2x] Town</td></tr>",
        "<tr><td>&nbsp;</td><td><table class=c1>",
        "<tr><td><img src=\"img/sld2.bmp\" alt=\"District\"></td><td>[3x] North</td></tr>"
        "<tr class=cmnt><td></td><td>a &lt;note&gt;</td></tr>",
        "<tr><td>&nbsp;</td><td><table class=c0>",
        "</table></td></tr>",
        "</table></td></tr>",
        "</table></td></tr>",
    }));
    const QString heating = pump->DecisionArea->IconHTML() + f.Category->IconHTML();
    const QString lines = bus->DecisionArea->IconHTML() + f.Category->IconHTML();
    const QStringList townRows = {
        "<tr><td><img src=\"img/sld1.bmp\" alt=\"City\"></td><td>Town <i>(subsystem of "
        "<img src=\"img/design.bmp\" alt=\"design\">Plan)</i></td></tr>",
        "<tr><td>&nbsp;</td><td><table class=c1>",
        "  <tr><td colspan=2><i>Selected options in status quo:</i></td></tr>",
        "<tr><td><img src=\"img/smopt1.bmp\">" + heating + "</td><td>Heating = Gas</td></tr>",
        "</table></td></tr>",
        "<tr><td>&nbsp;</td><td><table class=c2>",
        "  <tr><td colspan=2><i>Selected options for this design:</i></td></tr>",
        "<tr><td><img src=\"img/smopt0.bmp\">" + lines + "</td><td>Bus lines = Bus</td></tr>",
        "<tr><td><img src=\"img/smopt0.bmp\">" + heating + "</td><td>Heating = Pump</td></tr>",
        "</table></td></tr>",
        "<tr><td>&nbsp;</td><td><table class=c0>",
        "  <tr><td colspan=2><i>Specific values for variables in this design:</i></td></tr>",
        "</table></td></tr>",
    };
    EXPECT_EQ(town->DescriptionRows(), townRows);
    EXPECT_EQ(town->DesignOptions, (std::vector<TOption*>{ pump, bus }));   // rows leave the lists alone

    const QStringList block = town->DesignBlock();
    EXPECT_EQ(town->DesignOptions, (std::vector<TOption*>{ bus, pump }));   // the writer sorts them
    ASSERT_EQ(block.size(), townRows.size() + 1 + (10 + 2) + 1);   // North holds no options and no children
    EXPECT_EQ(block.mid(0, townRows.size()), townRows);
    EXPECT_EQ(block[townRows.size()], "<tr><td>&nbsp;</td><td><table class=c1>");
    EXPECT_EQ(block[townRows.size() + 1], "<tr><td><img src=\"img/sld2.bmp\" alt=\"District\"></td><td>North "
                                          "<i>(subsystem of <img src=\"img/sld1.bmp\" alt=\"City\">Town)</i></td></tr>");
    EXPECT_EQ(block.last(), "</table></td></tr>");
}
