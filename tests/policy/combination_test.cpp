#include "model/messagerecorder.h"
#include "model/modelfixture.h"
#include "policy/combination.h"

#include <gtest/gtest.h>

namespace {

TCombination* AddCombination(TCase& c, int rating, std::vector<TOption*> options)
{
    auto combination = std::make_unique<TCombination>(&c);
    combination->Rating = qint16(rating);
    combination->Options = std::move(options);
    c.Combinations.push_back(std::move(combination));
    return c.Combinations.back().get();
}

} // namespace

TEST(CompareCombinations, RatingThenOptionsThenTheLongerFirst)
{
    TModelFixture f;
    const struct {
        int ratingA; std::vector<TOption*> a; int ratingB; std::vector<TOption*> b; int sign;
    } cases[] = {
        { 2, { f.Gas, f.Walls }, -3, { f.Gas, f.Walls }, -1 },          // higher rating first
        { -3, { f.Gas, f.Walls }, 2, { f.Gas, f.Walls }, 1 },
        { 1, { f.Gas, f.Walls }, 1, { f.HeatPump, f.Walls }, -1 },      // option number within an area
        { 1, { f.Gas, f.Walls }, 1, { f.Gas, f.Bus }, 1 },              // Transport (City) before Insulation
        { 1, { f.Gas, f.Bus, f.Walls }, 1, { f.Gas, f.Bus }, -1 },      // an extension before what it extends
        { 1, { f.Gas, f.Bus }, 1, { f.Gas, f.Bus, f.Walls }, 1 },
        { 1, { f.Gas, f.Bus }, 1, { f.Gas, f.Bus }, 0 },
    };
    for (const auto& c : cases) {
        TCombination a(&f.Case), b(&f.Case);
        a.Rating = qint16(c.ratingA);
        a.Options = c.a;
        b.Rating = qint16(c.ratingB);
        b.Options = c.b;
        const int result = CompareCombinations(&a, &b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.ratingA << " " << c.ratingB;
    }
}

TEST(SortCombinations, ListsPromisesBeforeProblems)
{
    TModelFixture f;
    TCombination* problem = AddCombination(f.Case, -2, { f.Gas, f.Walls });
    TCombination* shorter = AddCombination(f.Case, 3, { f.Gas, f.Bus });
    TCombination* longer = AddCombination(f.Case, 3, { f.Gas, f.Bus, f.Walls });
    SortCombinations(f.Case.Combinations);
    ASSERT_EQ(f.Case.Combinations.size(), 3u);
    EXPECT_EQ(f.Case.Combinations[0].get(), longer);
    EXPECT_EQ(f.Case.Combinations[1].get(), shorter);
    EXPECT_EQ(f.Case.Combinations[2].get(), problem);
}

TEST(CombinationsOf, KeepsTheCaseOrder)
{
    TModelFixture f;
    TCombination* first = AddCombination(f.Case, 1, { f.Gas, f.Walls });
    AddCombination(f.Case, 1, { f.HeatPump, f.Bus });
    TCombination* third = AddCombination(f.Case, -1, { f.Bus, f.Walls });
    EXPECT_EQ(CombinationsOf(f.Walls), std::vector<TCombination*>({ first, third }));
    EXPECT_TRUE(CombinationsOf(f.Gas).size() == 1);
}

TEST(CombinationRows, RatingCommentAndOptions)
{
    TModelFixture f;
    TCombination* c = AddCombination(f.Case, -2, { f.Gas, f.Walls });
    c->Comments << "too costly";
    const QStringList rows = CombinationRows(*c);
    EXPECT_EQ(rows, QStringList({
        "<tr><td><img src=\"img/face-2.bmp\" alt=\"problematic\"></td><td>[problematic combination]</td></tr>"
        "<tr class=cmnt><td></td><td>too costly</td></tr>",
        "<tr><td>&nbsp;</td><td><table class=c2>",
        OptionRow(*f.Gas, 0),
        OptionRow(*f.Walls, 0),
        "</table></td></tr>",
    }));
}

TEST(CombinationRows, ARatingOutOfRangeReadsNoTextPastTheTable)
{
    TModelFixture f;
    TCombination* c = AddCombination(f.Case, 9, { f.Gas, f.Walls });
    EXPECT_EQ(CombinationRows(*c).first(),
              "<tr><td><img src=\"img/face9.bmp\" alt=\"\"></td><td>[ combination]</td></tr>");
}
