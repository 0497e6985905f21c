#include "support/designfixture.h"

#include "model/messagerecorder.h"
#include "support/testpaths.h"

#include <gtest/gtest.h>

struct DesignObject : ::testing::Test { TDesignFixture f; TDesignObject* Town = f.Object("Town", nullptr, f.City, 2); };

TEST_F(DesignObject, AddingFindsAnExistingSiblingAndDeletingTakesTheSubtree)
{
    TDesignObject* north = f.Object("north", Town, f.District);
    f.Object("Block", north, f.Block);
    f.Object("East", Town, f.District);
    f.Case.Changed = false;
    EXPECT_EQ(f.Plan->AddDesignObject("North", Town), north);
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_EQ(Town->Children.At(0)->Name, "East");
    f.Plan->DeleteDesignObject(north);
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_EQ(Town->Children.Count(), 1);
}

TEST_F(DesignObject, DuplicatingCopiesChoicesCountsAndChildrenButNotComments)
{
    TMessageRecorder messages;
    TOption* pump = f.OptionWithEffect(f.City, "Pump", f.Cost, "10");
    TDesignFixture::Effect(pump, f.Cost, "1", true);
    TOption* walls = f.OptionWithEffect(f.District, "Walls", f.Cost, "2");
    Town->Comments << "keep here";
    Town->SelectDesignOption(pump);
    Town->SelectStatusQuoOption(pump);
    f.Object("North", Town, f.District, 3)->SelectDesignOption(walls);

    TDesignObject* copy = f.Plan->DuplicateDesignObject(Town, nullptr, true);
    EXPECT_EQ(copy->Name, "Copy of Town");
    EXPECT_EQ(copy->Count(), 2);
    EXPECT_TRUE(copy->Comments.isEmpty());
    EXPECT_EQ(copy->StatusQuoOptions, std::vector<TOption*>{ pump });
    EXPECT_EQ(copy->Children.At(0)->DesignOptions, std::vector<TOption*>{ walls });
    EXPECT_EQ(f.Value(copy, f.Cost), 16);
    EXPECT_EQ(f.Plan->DuplicateDesignObject(Town, nullptr, true), nullptr);

    // Into another design, merging into an object of the same name.
    TDesign* other = f.Case.Designs.At(f.Case.AddDesign("Other"));
    TDesignObject* existing = f.Object("Town", nullptr, f.City, 1, other);
    EXPECT_EQ(other->DuplicateDesignObject(Town, nullptr, false), existing);
    EXPECT_EQ(f.Value(existing, f.Cost), 16);

    // Into itself: refused, since the copy would be copied again.
    TDesignObject* north = Town->Children.At(0);
    for (TDesignObject* target : { Town, north })
        EXPECT_EQ(f.Plan->DuplicateDesignObject(Town, target, true), nullptr);
    EXPECT_EQ(Town->Children.Count(), 1);
    EXPECT_EQ(messages.Warnings(), QStringList({ "Copy of Town already exists",
                                                 "A subsystem cannot be duplicated into itself",
                                                 "A subsystem cannot be duplicated into itself" }));
}

TEST_F(DesignObject, SearchesAndCounts)
{
    TDesignObject* north = f.Object("North", Town, f.District, 3);
    TDesignObject* south = f.Object("South", Town, f.District, 1);
    TDesignObject* block = f.Object("Block", north, f.Block, 4);
    north->SelectDesignOption(f.Walls);
    EXPECT_EQ(Town->OccurrenceCount(f.Walls), 8);
    EXPECT_EQ(block->OccurrenceCount(f.Walls), 0);
    EXPECT_EQ(Town->FindSelections(f.Walls), std::vector<TDesignObject*>{ north });
    EXPECT_EQ(south->UndecidedCount(), 1);
    EXPECT_EQ(north->UndecidedCount(), 0);
    block->ID = 7;
    south->ID = 7;
    EXPECT_EQ(FindDesignObjectById(f.Plan->TopObjects, 7), block);
    EXPECT_EQ(FindDesignObjectById(f.Plan->TopObjects, 9), nullptr);

    // The cumulative count is always the product up the chain, and saturates.
    Town->SetCount(5);
    EXPECT_EQ(block->CumulativeCount(), 60);
    EXPECT_EQ(f.Plan->DuplicateDesignObject(north, Town, true)->Children.First()->CumulativeCount(), 60);
    north->SetCount(1 << 20);
    block->SetCount(1 << 20);
    EXPECT_EQ(block->CumulativeCount(), INT_MAX);
}

TEST_F(DesignObject, RowsForTheCaseFolder)
{
    TOption* pump = TDesignFixture::Option(f.Area(f.City, "Heating"), "Pump", 2);
    TOption* gas = TDesignFixture::Option(pump->DecisionArea, "Gas", 1);
    TOption* bus = TDesignFixture::Option(f.Area(f.City, "Bus lines"), "Bus", 1);
    f.Plan->Comments << "first draft";
    f.Object("North", Town, f.District, 3)->Comments << "a <note>";
    Town->SelectDesignOption(pump);
    Town->SelectDesignOption(bus);
    Town->SelectStatusQuoOption(gas);

    const QStringList block = Town->DesignBlock();
    EXPECT_EQ(Town->DesignOptions, (std::vector<TOption*>{ bus, pump }));   // sorted in place
    // The design's tree, then Town's block with North's nested in it.
    ExpectRows(f.Plan->DescriptionRows() + block, "designrows.htm.expected");
}
