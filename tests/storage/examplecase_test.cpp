#include "design/design.h"
#include "design/evaluation.h"
#include "model/decisionarea.h"
#include "folderfixture.h"

#include <set>

namespace {

// The example case that ships with the program is the first case a new user
// opens: it must open without a message, evaluate without an error and come
// back page for page from a save.
const QString Example = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown/");

struct ExampleCaseTest : FolderTest
{
    std::unique_ptr<TCase> Open(const QString& folder)
    {
        auto aCase = std::make_unique<TCase>();
        EXPECT_TRUE(ReadCaseFolder(*aCase, folder));
        EXPECT_EQ(Messages.Messages, QStringList());
        return aCase;
    }
    double Value(const TCase& c, const char* design, const char* variable)
    {
        return DesignValue(*c.Designs.Find(design), *c.Variables.Find(variable));
    }
};

TEST_F(ExampleCaseTest, OpensWithEveryKindOfItemAndItsDesignsCompareAsItTells)
{
    const auto c = Open(Example);
    ASSERT_FALSE(HasFailure());   // it opened without a message
    int areas = 0, options = 0;
    c->ForEachDecisionArea([&](TDecisionArea*) { ++areas; });
    c->ForEachOption([&](TOption*) { ++options; });
    EXPECT_EQ(c->SystemLevels.Count(), 3);
    EXPECT_GE(areas, 12);
    EXPECT_GE(options, 40);
    std::set<int> modes, ratings;
    for (const TVariable* variable : c->Variables)
        modes.insert(variable->AggregationMode);
    EXPECT_EQ(modes.size(), 3u);
    EXPECT_EQ(c->Actors.Count(), 4);
    for (const TActor* actor : c->Actors)
        EXPECT_FALSE(actor->Goals.empty() || actor->Options.empty() || actor->Qualifiers.empty()
                     || actor->Decisions.empty()) << actor->Name.toStdString();
    for (const auto& combination : c->Combinations)
        ratings.insert(combination->Rating > 0 ? 1 : -1);
    EXPECT_EQ(ratings.size(), 2u);   // problems and promises
    EXPECT_EQ(c->Policies.Count(), 2);
    EXPECT_EQ(c->Designs.Count(), 3);

    // The designs compare as the example tells; that every value is defined,
    // the command-line tests show on the printed values.
    // The status quo choices came back: keeping them costs nothing.
    EXPECT_EQ(Value(*c, "Business as usual", "Investment cost"), 0);
    for (const char* alternative : { "All-electric", "Heat networks" })
        EXPECT_LT(Value(*c, alternative, "CO2 emissions"), Value(*c, "Business as usual", "CO2 emissions") / 2);
    // The heat network of the Old Town rules out its buildings' gas boilers.
    const TDesignObject* oldTown = c->Designs.Find("Heat networks")->TopObjects.First()->Children.Find("Old Town");
    EXPECT_LT(Compute(*oldTown->FindAttribute(c->Variables.Find("Gas use"))).Value, 1e-9);
}

TEST_F(ExampleCaseTest, SavingGivesTheSamePagesAgain)
{
    ASSERT_TRUE(WriteCaseFolder(*Open(Example), Folder));
    const QString second = Temp.filePath(QStringLiteral("second/"));
    ASSERT_TRUE(WriteCaseFolder(*Open(Folder), second));
    ExpectSameFiles(FolderFiles(second), FolderFiles(Folder), "in a second save");
    // The generator writes numbers with "." whatever the locale.
    if (DecimalSeparator() == QLatin1String("."))
        ExpectSameFiles(FolderFiles(Example), FolderFiles(Folder), "in examples/Rivertown: rebuild it with the target example_case");
}

} // namespace
