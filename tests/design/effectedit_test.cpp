#include "support/designfixture.h"

#include "model/messagerecorder.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "support/testpaths.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

/// Two designs that choose Solar in two districts each; in the second one a
/// district also keeps Solar as its status quo.
struct TEffectEditFixture : TDesignFixture
{
    TVariable* Size = Variable("Size");
    TOption* Solar = OptionWithEffect(District, "Solar", Cost, "5");
    TOption* Plots = OptionWithEffect(District, "Plots", Size, "10");
    TEffect* Effect = Solar->Effects.front().get();
    TDesign* Other = Case.Designs.At(Case.AddDesign("Other"));

    TEffectEditFixture()
    {
        for (TDesign* design : { Plan, Other }) {
            TDesignObject* town = Object("Town", nullptr, City, 1, design);
            for (const char* name : { "North", "South" }) {
                TDesignObject* district = Object(name, town, District, 2, design);
                district->SelectDesignOption(Solar);
                district->SelectDesignOption(Plots);
            }
        }
        Other->TopObjects.At(0)->Children.At(1)->SelectStatusQuoOption(Solar);
        Case.Changed = false;
    }
};

TEST(EffectEdit, ReachesEveryDesignAndTheOpenPass)
{
    TMessageRecorder messages;
    TEffectEditFixture f;
    const TEvaluation pass;
    f.Solar->EditEffect(*f.Effect, QStringLiteral("5 "), false);   // changes nothing
    EXPECT_FALSE(f.Case.Changed);
    EXPECT_EQ(DesignValue(*f.Plan, *f.Cost), 20);
    EXPECT_EQ(DesignValue(*f.Other, *f.Cost), 20);

    EXPECT_EQ(f.Solar->EditEffect(*f.Effect, QStringLiteral(" 3 * [Size] + 1\n"), true), QString());
    EXPECT_EQ(f.Effect->Formula, QStringLiteral("3 * [Size] + 1"));
    EXPECT_TRUE(f.Case.Changed);
    // The calculations read Size now, and the status quo district has none.
    EXPECT_EQ(DesignValue(*f.Plan, *f.Cost), 124);
    EXPECT_EQ(DesignValue(*f.Other, *f.Cost), 62);

    f.Solar->EditEffect(*f.Effect, QString(), false);
    EXPECT_EQ(DesignValue(*f.Plan, *f.Cost), 0);
    EXPECT_TRUE(messages.Messages.isEmpty());
}

TEST(EffectEdit, EveryValueMatchesAFreshReadOfTheSavedCase)
{
    TMessageRecorder messages;
    TEffectEditFixture f;
    // First off in the status quo district, then on again with another formula.
    f.Solar->EditEffect(*f.Effect, QStringLiteral("2 * [Size]"), true);
    f.Solar->EditEffect(*f.Effect, QStringLiteral("[Size] - 1"), false);
    f.Plots->EditEffect(*f.Plots->Effects.front(), QStringLiteral("7"), true);

    QTemporaryDir dir;
    ASSERT_TRUE(WriteCaseFolder(f.Case, dir.path() + QLatin1Char('/')));
    TCase read;
    ASSERT_TRUE(ReadCaseFolder(read, dir.path() + QLatin1Char('/')));
    EXPECT_EQ(AllValues(f.Case), AllValues(read));
    EXPECT_TRUE(AllValues(f.Case).contains(QStringLiteral("Plan:Cost=24")));
    EXPECT_EQ(messages.Messages, QStringList());
}

} // namespace
