#include "model/messagerecorder.h"
#include "support/modelfixture.h"
#include "policy/combination.h"
#include "policy/combinationedit.h"

#include <gtest/gtest.h>

namespace {

/// The model fixture with a third level (Building below District) and a
/// sibling of District (Park below City).
struct TCombinationFixture : TModelFixture
{
    TSystemLevel* Building = Level("Building", District);
    TSystemLevel* Park = Level("Park", City);
    TOption* Boiler = Option(Area(Building, "Boiler", Energy, Now), "Condensing", 1);
    TOption* Trees = Option(Area(Park, "Planting", Energy, Now), "Trees", 1);
    TOption* Well = Option(Area(Village, "Water", Energy, Now), "Well", 1);
    TMessageRecorder Messages;

    TCombinationFixture() { Case.Changed = false; }
};

struct CombinationEdit : ::testing::Test { TCombinationFixture f; };

} // namespace

TEST_F(CombinationEdit, CombinationFaultRefusesWhatNeverOccursInADesign)
{
    const QString itself = "Option cannot combine with itself";
    const QString sameArea = "Option cannot combine with another option for same decision area";
    const QString tooFew = "A combination needs at least two options";
    const QString apart = "These options never occur together in a design: the system level of one of them "
                          "must contain the levels of all the others";
    const struct { std::vector<TOption*> options; QString fault; } cases[] = {
        { { f.Gas, f.Bus }, "" },                        // one level
        { { f.Gas, f.Walls }, "" },                      // a level and its sublevel
        { { f.Boiler, f.Gas, f.Walls }, "" },            // a path of three levels, in any order
        { { f.Gas, f.Walls, f.Trees }, "" },             // both below the city's level
        { { f.Gas, f.Gas }, itself },
        { { f.Gas, f.HeatPump }, sameArea },
        { { f.Gas }, tooFew },
        { {}, tooFew },
        { { f.Walls, f.Trees }, apart },                 // sibling levels
        { { f.Boiler, f.Trees }, apart },
        { { f.Gas, f.Well }, apart },                    // two trees
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CombinationFault(c.options), c.fault) << c.options.size();
        EXPECT_EQ(CanOccurTogether(c.options), c.fault.isEmpty());
    }
}

// Created sorted and rated, or the existing one answered, or refused; then
// rated again only to another rating on the scale.
TEST_F(CombinationEdit, CreateCombinationSortsAndRatesOrAnswersTheExistingOneOrRefusesAndRateChangesIt)
{
    TCombination* made = CreateCombination(f.Case, { f.Boiler, f.Walls, f.Gas }, 2);
    ASSERT_TRUE(made);
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_EQ(made->Options, std::vector<TOption*>({ f.Gas, f.Walls, f.Boiler }));
    EXPECT_EQ(made->Rating, 2);
    EXPECT_EQ(made->Case, &f.Case);

    f.Case.Changed = false;
    EXPECT_EQ(CreateCombination(f.Case, { f.Walls, f.Boiler, f.Gas }, 3), made);
    EXPECT_EQ(made->Rating, 2);
    EXPECT_EQ(CreateCombination(f.Case, { f.Walls, f.Trees }, -1), nullptr);
    EXPECT_EQ(CreateCombination(f.Case, { f.Gas, f.HeatPump }, -1), nullptr);
    EXPECT_EQ(f.Case.Combinations.size(), 1u);
    EXPECT_FALSE(f.Case.Changed);
    ASSERT_EQ(f.Messages.Infos().size(), 2);
    EXPECT_EQ(f.Messages.Infos()[1], "Option cannot combine with another option for same decision area");

    EXPECT_FALSE(RateCombination(made, 2));
    EXPECT_FALSE(RateCombination(made, 4));
    EXPECT_FALSE(RateCombination(made, -4));
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_TRUE(RateCombination(made, 3));
    EXPECT_EQ(made->Rating, 3);
    EXPECT_TRUE(f.Case.Changed);
}

// Extending adds in option order or answers an existing combination; removing
// refuses to duplicate another and deletes what is left with one option.
TEST_F(CombinationEdit, ExtendAndRemoveAnswerAnExistingCombinationOrRefuse)
{
    TCombination* made = CreateCombination(f.Case, { f.Walls, f.Boiler }, 1);
    TCombination* longer = CreateCombination(f.Case, { f.Gas, f.Bus, f.Walls }, 2);
    TCombination* shorter = CreateCombination(f.Case, { f.Gas, f.Walls }, -2);
    f.Case.Changed = false;
    EXPECT_EQ(ExtendCombination(made, f.Gas), made);
    EXPECT_EQ(made->Options, std::vector<TOption*>({ f.Gas, f.Walls, f.Boiler }));
    EXPECT_TRUE(f.Case.Changed);

    f.Case.Changed = false;
    EXPECT_EQ(ExtendCombination(shorter, f.Bus), longer);
    EXPECT_EQ(shorter->Options.size(), 2u);
    EXPECT_EQ(ExtendCombination(made, f.HeatPump), nullptr);   // Heating has Gas already
    EXPECT_EQ(ExtendCombination(made, f.Walls), nullptr);
    EXPECT_EQ(ExtendCombination(made, f.Well), nullptr);       // another tree
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_EQ(made->Options.size(), 3u);

    // Without Bus the longer one would be the shorter one.
    f.Messages.Clear();
    EXPECT_EQ(RemoveFromCombination(longer, f.Bus), longer);
    EXPECT_EQ(longer->Options.size(), 3u);
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_EQ(f.Messages.Infos(), QStringList({ "The combination without this option exists already" }));

    EXPECT_EQ(RemoveFromCombination(shorter, f.Walls), nullptr);
    EXPECT_TRUE(f.Case.Changed);
    EXPECT_EQ(f.Case.Combinations.size(), 2u);
    f.Case.Changed = false;
    EXPECT_EQ(RemoveFromCombination(longer, f.Bus), longer);
    EXPECT_EQ(longer->Options, std::vector<TOption*>({ f.Gas, f.Walls }));
    EXPECT_TRUE(f.Case.Changed);
    // An option's combinations come in the case's order.
    EXPECT_EQ(CombinationsOf(f.Walls), std::vector<TCombination*>({ made, longer }));
    EXPECT_EQ(CombinationsOf(f.Boiler), std::vector<TCombination*>({ made }));
}

TEST_F(CombinationEdit, CompareCombinationsByRatingThenOptionsThenTheLongerFirst)
{
    const struct { int ratingA; std::vector<TOption*> a; int ratingB; std::vector<TOption*> b; int sign; } cases[] = {
        { 2, { f.Gas, f.Walls }, -3, { f.Gas, f.Walls }, -1 },          // higher rating first
        { -3, { f.Gas, f.Walls }, 2, { f.Gas, f.Walls }, 1 },
        { 1, { f.Gas, f.Walls }, 1, { f.HeatPump, f.Walls }, -1 },      // option number within an area
        { 1, { f.Gas, f.Walls }, 1, { f.Gas, f.Bus }, 1 },              // Transport (City) before Insulation
        { 1, { f.Gas, f.Bus, f.Walls }, 1, { f.Gas, f.Bus }, -1 },      // an extension before what it extends
        { 1, { f.Gas, f.Bus }, 1, { f.Gas, f.Bus, f.Walls }, 1 },
        { 1, { f.Gas, f.Bus }, 1, { f.Gas, f.Bus }, 0 },
    };
    for (const auto& c : cases) {
        const int result = CompareCombinations(f.Combine(c.ratingA, c.a), f.Combine(c.ratingB, c.b));
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.ratingA << " " << c.ratingB;
    }
}
