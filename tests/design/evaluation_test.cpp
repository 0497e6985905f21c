#include "support/designfixture.h"

#include "formula/vminstruction.h"
#include "model/messagerecorder.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "support/testpaths.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Evaluation : ::testing::Test { TDesignFixture f; TDesignObject* Town = f.Object("Town", nullptr, f.City); };

} // namespace

TEST_F(Evaluation, CumulativeValuesAddUpWeightedByCountAndAConstantIsTheDesignValue)
{
    Town->SetCount(2);
    TDesignObject* north = f.Object("North", Town, f.District, 3);
    Town->SelectDesignOption(f.OptionWithEffect(f.City, "Budget", f.Cost, "10"));
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Paving", f.Cost, "4"));
    EXPECT_EQ(f.Value(Town, f.Cost), 22);
    EXPECT_EQ(DesignValue(*f.Plan, *f.Cost), 44);
    north->SetCount(0);
    EXPECT_EQ(f.Value(Town, f.Cost), 10);

    // A constant is the design value whatever the objects say.
    TVariable* rate = f.Variable("Rate", AggregationConstant);
    rate->Value = 2.5;
    EXPECT_EQ(DesignValue(*f.Plan, *rate), 2.5);   // no object has it
    Town->SelectDesignOption(f.OptionWithEffect(f.City, "Levy", rate, "7"));
    EXPECT_EQ(DesignValue(*f.Plan, *rate), 2.5);
    rate->Value = UndefinedValue;
    EXPECT_EQ(DesignValue(*f.Plan, *rate), 7);   // without its value, the top objects' average
}

TEST_F(Evaluation, AveragesDivideByTheCountsOfChildrenWithValues)
{
    auto object = [&](const QString& name, TDesignObject* parent, int count, const QString& value) {
        TDesignObject* o = f.Object(name, parent, parent ? f.District : f.City, count);
        if (!value.isEmpty())
            o->SelectDesignOption(f.OptionWithEffect(o->SystemLevel, name, f.Price, value));
        return o;
    };
    TDesignObject* east = object("East", nullptr, 2, "");
    object("e1", east, 1, "10");
    object("e3", east, 3, "20");
    TDesignObject* west = object("West", nullptr, 2, "");
    object("w1", west, 1, "5");
    object("w3", west, 3, "15");
    TDesignObject* own = object("Own", nullptr, 0, "5");   // counted twice: (5 + 150 + 70) / 4 + 5
    object("o3", own, 3, "50");
    object("o1", own, 1, "70");
    EXPECT_EQ(f.Value(east, f.Price), 17.5);
    EXPECT_EQ(f.Value(west, f.Price), 12.5);
    EXPECT_EQ(f.Value(own, f.Price), 61.25);
    EXPECT_EQ(DesignValue(*f.Plan, *f.Price), 15);   // Own has count 0

    // Children averaging to 0 give 0, not an undefined value.
    TDesignObject* zero = object("Zero", nullptr, 1, "");
    object("z2", zero, 2, "3");
    object("z1", zero, 1, "-6");
    EXPECT_EQ(ResultText(Compute(*zero->FindAttribute(f.Price))), "0");

    // A child without any value neither adds to nor dilutes the average.
    TOption* dear = f.OptionWithEffect(f.District, "Dear", f.Price, "40");
    TOption* ban = TDesignFixture::Option(f.Area(f.District, "Ban"), "Ban");
    ban->AddPreclusion(dear->DecisionArea);
    f.Object("a", Town, f.District, 1)->SelectDesignOption(f.OptionWithEffect(f.District, "Cheap", f.Price, "10"));
    TDesignObject* b = f.Object("b", Town, f.District, 30);
    b->SelectDesignOption(dear);
    b->SelectDesignOption(ban);
    EXPECT_TRUE(IsUndefined(f.Value(b, f.Price)));
    EXPECT_EQ(f.Value(Town, f.Price), 10);
}

TEST_F(Evaluation, NullWhenStatusQuoEffectsCountOnlyWhereTheDesignChanges)
{
    TOption* pump = f.HeatPump;
    TDesignFixture::Effect(pump, f.Cost, "100", true);
    TDesignFixture::Effect(pump, f.Cost, "1");
    // Gas has no effect on Cost: chosen, it leaves Town without the attribute.
    struct { TOption* statusQuo; TOption* design; const char* text; } steps[] = {
        { f.Gas, pump, "101" }, { pump, pump, "1" }, { f.Gas, pump, "101" }, { f.Gas, f.Gas, "none" }, { pump, pump, "1" } };
    for (const auto& step : steps) {
        Town->SelectStatusQuoOption(step.statusQuo);
        Town->SelectDesignOption(step.design);
        EXPECT_EQ(f.Text(Town, f.Cost), step.text) << step.statusQuo->Name.toStdString();
    }
}

TEST_F(Evaluation, ErrorsTravelUpAndLeaveTheDesignValueUndefined)
{
    f.Object("North", Town, f.District, 2)->SelectDesignOption(f.OptionWithEffect(f.District, "Bad", f.Cost, "1/0"));
    TDesignObject* south = f.Object("South", Town, f.District);
    TOption* mean = f.OptionWithEffect(f.District, "Mean", f.Price, "4");
    TDesignFixture::Effect(mean, f.Price, "1/0");
    south->SelectDesignOption(mean);
    EXPECT_EQ(f.Text(Town, f.Cost), "#DIV0!");
    EXPECT_EQ(f.Text(Town, f.Price), "#DIV0!");
    EXPECT_TRUE(IsUndefined(DesignValue(*f.Plan, *f.Cost)));
    EXPECT_TRUE(IsUndefined(DesignValue(*f.Plan, *f.Price)));
}

TEST_F(Evaluation, APlaceholderBecomesTheRealAttributeAtOnce)
{
    TVariable* a = f.Variable("A");
    TVariable* b = f.Variable("B");
    TDesignObject* north = f.Object("North", Town, f.District);
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Double", a, "[B] * 2"));
    EXPECT_EQ(f.Text(north, a), "#ATTRIBUTE?");
    EXPECT_EQ(f.Text(Town, a), "#ATTRIBUTE?");
    Town->SelectDesignOption(f.OptionWithEffect(f.City, "Town B", b, "100"));
    EXPECT_EQ(f.Text(north, a), "200");   // the nearest ancestor's
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Set B", b, "3"));
    EXPECT_EQ(f.Text(north, a), "6");
    EXPECT_TRUE(north->InheritedAttributes.empty());
    b->Value = 7;                         // a constant overrides every formula
    TEvaluation::Invalidate();
    EXPECT_EQ(f.Text(north, a), "14");
}

TEST_F(Evaluation, CircularReadsGiveAConflictWhereverTheReadStarts)
{
    TDesignObject* north = f.Object("North", Town, f.District);
    struct { TDesignObject* object; const char* variable; const char* formula; const char* text; } reads[] = {
        { Town, "Self", "[Self] + 1", "#CONFLICT!" },
        { Town, "A", "[B] + 1", "#CONFLICT!" },
        { Town, "B", "[A] * 2", "#CONFLICT!" },
        { Town, "After", "[A] + 1", "#CONFLICT!" },      // reads the circle without being on it
        { Town, "W", "[V]", "#CONFLICT!" },              // the town's V adds North's V, which reads W
        { north, "V", "[W] + 1", "#CONFLICT!" },
        { Town, "Fine", "2", "2" },
    };
    for (const auto& r : reads)
        f.Variable(r.variable);
    for (const auto& r : reads)
        r.object->SelectDesignOption(
            f.OptionWithEffect(r.object->SystemLevel, r.variable, f.Case.Variables.Find(r.variable), r.formula));
    const int n = int(std::size(reads));
    for (int first = 0; first < n; ++first) {   // each order of reads within a pass, and alone
        const TEvaluation pass;
        for (int i = 0; i < n; ++i) {
            const auto& r = reads[(first + i) % n];
            EXPECT_EQ(f.Text(r.object, f.Case.Variables.Find(r.variable)), r.text) << first;
        }
    }
    EXPECT_EQ(f.Text(Town, f.Case.Variables.Find("V")), "#CONFLICT!");
}

TEST_F(Evaluation, MalformedCodeReportsAStackErrorEvenWhenRuledOut)
{
    TMessageRecorder messages;
    TOption* odd = f.OptionWithEffect(f.City, "Odd", f.Cost, "1");
    odd->Effects.front()->Code.push_back(std::make_unique<TVM_PUSHCON>(2));   // two entries left
    TOption* ban = f.OptionWithEffect(f.City, "Ban", f.Cost, "5");
    Town->SelectDesignOption(odd);
    for (int ruledOut = 0; ruledOut < 2; ++ruledOut) {
        messages.Clear();
        EXPECT_EQ(f.Text(Town, f.Cost), "#STACK?");
        EXPECT_EQ(messages.Errors(), QStringList{ "VM stack error in subsystem \"Town\"" });
        ban->AddPreclusion(odd->DecisionArea);
        Town->SelectDesignOption(ban);
    }
}

// Two designs choose Solar in two districts each; in the second one a district
// also keeps Solar as its status quo. An edit reaches every design that uses
// the option and the open pass, and what a save writes matches the values shown.
TEST(EffectEdit, ReachesEveryDesignAndTheOpenPassAndMatchesAFreshReadOfTheSavedCase)
{
    TDesignFixture f;
    TVariable* size = f.Variable("Size");
    TOption* solar = f.OptionWithEffect(f.District, "Solar", f.Cost, "5");
    TOption* plots = f.OptionWithEffect(f.District, "Plots", size, "10");
    TEffect* effect = solar->Effects.front().get();
    TDesign* other = f.Case.Designs.At(f.Case.AddDesign("Other"));
    for (TDesign* design : { f.Plan, other }) {
        TDesignObject* town = f.Object("Town", nullptr, f.City, 1, design);
        for (const char* name : { "North", "South" }) {
            TDesignObject* district = f.Object(name, town, f.District, 2, design);
            district->SelectDesignOption(solar);
            district->SelectDesignOption(plots);
        }
    }
    other->TopObjects.At(0)->Children.At(1)->SelectStatusQuoOption(solar);
    f.Case.Changed = false;
    {
        const TEvaluation pass;
        solar->EditEffect(*effect, QStringLiteral("5 "), false);   // changes nothing
        EXPECT_FALSE(f.Case.Changed);
        EXPECT_EQ(DesignValue(*f.Plan, *f.Cost), 20);
        EXPECT_EQ(DesignValue(*other, *f.Cost), 20);

        EXPECT_EQ(solar->EditEffect(*effect, QStringLiteral(" 3 * [Size] + 1\n"), true), QString());
        EXPECT_EQ(effect->Formula, QStringLiteral("3 * [Size] + 1"));
        EXPECT_TRUE(f.Case.Changed);
        // The calculations read Size now, and the status quo district has none.
        EXPECT_EQ(DesignValue(*f.Plan, *f.Cost), 124);
        EXPECT_EQ(DesignValue(*other, *f.Cost), 62);

        solar->EditEffect(*effect, QString(), false);
        EXPECT_EQ(DesignValue(*f.Plan, *f.Cost), 0);
    }
    // On again in the status quo district, with another formula.
    solar->EditEffect(*effect, QStringLiteral("[Size] - 1"), false);
    plots->EditEffect(*plots->Effects.front(), QStringLiteral("7"), true);
    QTemporaryDir dir;
    ASSERT_TRUE(WriteCaseFolder(f.Case, dir.path() + QLatin1Char('/')));
    TCase read;
    ASSERT_TRUE(ReadCaseFolder(read, dir.path() + QLatin1Char('/')));
    EXPECT_EQ(AllValues(f.Case), AllValues(read));
    EXPECT_TRUE(AllValues(f.Case).contains(QStringLiteral("Plan:Cost=24")));
}

// An attribute that nothing needs any more goes: left behind, it would read 0
// and weigh in its parent's average, where the reread case has none.
TEST(Attributes, GoWhenNothingNeedsThemAsInTheReadCase)
{
    TPlanFixture f;
    TVariable* temperature = f.Variable("Temperature", AggregationAveraging);
    f.Effect(f.Solar, temperature, "10");
    TDesignObject* west = f.Object("West", f.Amsterdam, f.District);
    for (TDesignObject* district : { f.North, f.South, west })
        district->SelectDesignOption(f.Solar);
    const auto asRead = [&f] {
        QTemporaryDir dir;
        TCase read;
        EXPECT_TRUE(WriteCaseFolder(f.Case, dir.path() + QLatin1Char('/')));
        EXPECT_TRUE(ReadCaseFolder(read, dir.path() + QLatin1Char('/')));
        return AllValues(read);
    };
    f.South->SelectDesignOption(f.GreenRoof);   // chosen away
    EXPECT_EQ(TDesignFixture::Text(f.South, temperature), QStringLiteral("none"));
    EXPECT_EQ(TDesignFixture::Text(f.Amsterdam, temperature), QStringLiteral("10"));
    EXPECT_EQ(AllValues(f.Case), asRead());
    f.North->SelectDesignOption(f.GreenRoof);
    f.Plan->DeleteDesignObject(west);           // the last child that needed it goes
    EXPECT_EQ(TDesignFixture::Text(f.Amsterdam, temperature), QStringLiteral("none"));
    EXPECT_EQ(AllValues(f.Case), asRead());
    f.North->SelectDesignOption(f.Solar);
    f.Solar->DeleteEffect(f.Solar->Effects.front().get());   // the only effect goes
    EXPECT_EQ(TDesignFixture::Text(f.North, temperature), QStringLiteral("none"));
    EXPECT_EQ(AllValues(f.Case), asRead());
}
