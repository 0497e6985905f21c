#include "designfixture.h"

#include "formula/vminstruction.h"
#include "model/messagerecorder.h"

#include <gtest/gtest.h>

TEST(Evaluation, CumulativeValuesAddUpWeightedByCount)
{
    TDesignFixture f;
    TVariable* cost = f.Variable("Cost");
    TDesignObject* town = f.Object("Town", nullptr, f.City, 2);
    TDesignObject* north = f.Object("North", town, f.District, 3);
    town->SelectDesignOption(f.OptionWithEffect(f.City, "Budget", cost, "10"));
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Paving", cost, "4"));
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(town, cost).Value, 22);
    EXPECT_DOUBLE_EQ(DesignValue(*f.Design, *cost), 44);

    // A count of 0: the child's part and its instances vanish.
    north->SetCount(0);
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(town, cost).Value, 10);
    EXPECT_EQ(north->CumulativeCount(), 0);
}

TEST(Evaluation, AveragingDividesByTheCountsOfTheChildrenWithValues)
{
    TDesignFixture f;
    TVariable* price = f.Variable("Price", AggregationAveraging);
    TDecisionArea* rent = f.Area(f.District, "Rent");
    auto rentOf = [&](const QString& name, const QString& value) {
        TOption* option = TDesignFixture::Option(rent, name);
        TDesignFixture::Effect(option, price, value);
        return option;
    };
    TOption* ten = rentOf("Ten", "10");
    TOption* twenty = rentOf("Twenty", "20");
    TOption* five = rentOf("Five", "5");
    TOption* fifteen = rentOf("Fifteen", "15");
    struct { const char* top; TOption* first; TOption* second; double value; } tops[] = {
        { "East", ten, twenty, 17.5 },    // (10 + 3 x 20) / 4
        { "West", five, fifteen, 12.5 },  // (5 + 3 x 15) / 4
    };
    for (const auto& t : tops) {
        TDesignObject* top = f.Object(t.top, nullptr, f.City, 2);
        f.Object("a", top, f.District, 1)->SelectDesignOption(t.first);
        f.Object("b", top, f.District, 3)->SelectDesignOption(t.second);
        EXPECT_DOUBLE_EQ(TDesignFixture::Result(top, price).Value, t.value) << t.top;
    }
    EXPECT_DOUBLE_EQ(DesignValue(*f.Design, *price), 15);
}

TEST(Evaluation, AveragingCountsTheOwnPartTwice)
{
    TDesignFixture f;
    TVariable* price = f.Variable("Price", AggregationAveraging);
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    town->SelectDesignOption(f.OptionWithEffect(f.City, "Base", price, "5"));
    f.Object("a", town, f.District, 3)->SelectDesignOption(f.OptionWithEffect(f.District, "Fifty", price, "50"));
    f.Object("b", town, f.District, 1)->SelectDesignOption(f.OptionWithEffect(f.District, "Seventy", price, "70"));
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(town, price).Value, 61.25);   // (5 + 150 + 70) / 4 + 5
}

TEST(Evaluation, AChildWithoutAnyValueNeitherAddsNorDilutesTheAverage)
{
    TDesignFixture f;
    TVariable* price = f.Variable("Price", AggregationAveraging);
    TVariable* cost = f.Variable("Cost");
    TOption* cheap = f.OptionWithEffect(f.District, "Cheap", price, "10");
    TOption* dear = f.OptionWithEffect(f.District, "Dear", price, "40");
    TDesignFixture::Effect(dear, cost, "5");
    TOption* ban = f.OptionWithEffect(f.District, "Ban", cost, "0");
    ban->AddPreclusion(dear->DecisionArea);
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    f.Object("a", town, f.District, 1)->SelectDesignOption(cheap);
    TDesignObject* b = f.Object("b", town, f.District, 30);
    b->SelectDesignOption(dear);
    b->SelectDesignOption(ban);   // dear stays chosen but has no effect
    EXPECT_TRUE(IsUndefined(TDesignFixture::Result(b, price).Value));
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(town, price).Value, 10);
    EXPECT_DOUBLE_EQ(TDesignFixture::Result(town, cost).Value, 0);
    EXPECT_DOUBLE_EQ(DesignValue(*f.Design, *price), 10);
}

TEST(Evaluation, ChildrenAveragingToZeroGiveZero)
{
    TDesignFixture f;
    TVariable* change = f.Variable("Change", AggregationAveraging);
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    f.Object("a", town, f.District, 2)->SelectDesignOption(f.OptionWithEffect(f.District, "Up", change, "3"));
    f.Object("b", town, f.District, 1)->SelectDesignOption(f.OptionWithEffect(f.District, "Down", change, "-6"));
    const TVMResult result = TDesignFixture::Result(town, change);
    EXPECT_EQ(result.Error, 0);
    EXPECT_EQ(result.Value, 0);
}

TEST(Evaluation, NullWhenStatusQuoEffectsCountOnlyWhereTheDesignChanges)
{
    TDesignFixture f;
    TVariable* cost = f.Variable("Cost");
    TDecisionArea* heating = f.Area(f.City, "Heating");
    TOption* pump = TDesignFixture::Option(heating, "Pump", 1);
    TOption* gas = TDesignFixture::Option(heating, "Gas", 2);
    TDesignFixture::Effect(pump, cost, "100", true);
    TDesignFixture::Effect(pump, cost, "1");
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    struct { TOption* statusQuo; TOption* design; double value; } steps[] = {
        { gas, pump, 101 },    // a change: the effect occurs
        { pump, pump, 1 },     // the design keeps the status quo
        { gas, pump, 101 },    // and changes it again
        { gas, gas, 0 },
        { pump, pump, 1 },
    };
    for (const auto& step : steps) {
        town->SelectStatusQuoOption(step.statusQuo);
        town->SelectDesignOption(step.design);
        EXPECT_DOUBLE_EQ(TDesignFixture::Result(town, cost).Value, step.value)
            << step.statusQuo->Name.toStdString() << " / " << step.design->Name.toStdString();
    }
    EXPECT_EQ(town->StatusQuoOptions, std::vector<TOption*>{ pump });
}

TEST(Evaluation, ErrorsTravelUpAndLeaveTheDesignValueUndefined)
{
    TDesignFixture f;
    TVariable* cost = f.Variable("Cost");
    TVariable* price = f.Variable("Price", AggregationAveraging);
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    TDesignObject* north = f.Object("North", town, f.District, 2);
    TDesignObject* south = f.Object("South", town, f.District, 1);
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Broken", cost, "1/0"));
    south->SelectDesignOption(f.OptionWithEffect(f.District, "Fine", cost, "7"));
    TOption* mean = f.OptionWithEffect(f.District, "Mean", price, "4");
    TDesignFixture::Effect(mean, price, "1/0");
    south->SelectDesignOption(mean);
    EXPECT_EQ(TDesignFixture::Text(north, cost), "#DIV0!");
    EXPECT_EQ(TDesignFixture::Text(town, cost), "#DIV0!");
    EXPECT_EQ(TDesignFixture::Text(town, price), "#DIV0!");
    EXPECT_TRUE(IsUndefined(DesignValue(*f.Design, *cost)));
    EXPECT_TRUE(IsUndefined(DesignValue(*f.Design, *price)));
}

TEST(Evaluation, APlaceholderBecomesTheRealAttributeAtOnce)
{
    TMessageRecorder messages;
    TDesignFixture f;
    TVariable* a = f.Variable("A");
    TVariable* b = f.Variable("B");
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    TDesignObject* north = f.Object("North", town, f.District);
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Double", a, "[B] * 2"));
    EXPECT_EQ(TDesignFixture::Text(north, a), "#ATTRIBUTE?");
    EXPECT_EQ(TDesignFixture::Text(town, a), "#ATTRIBUTE?");
    ASSERT_EQ(north->InheritedAttributes.size(), 1u);

    // An ancestor's attribute serves until the object has its own.
    town->SelectDesignOption(f.OptionWithEffect(f.City, "Town B", b, "100"));
    EXPECT_EQ(TDesignFixture::Text(north, a), "200");
    north->SelectDesignOption(f.OptionWithEffect(f.District, "Set B", b, "3"));
    EXPECT_EQ(TDesignFixture::Text(north, a), "6");
    EXPECT_TRUE(north->InheritedAttributes.empty());
    EXPECT_EQ(north->FindAttribute(b)->Dependents, std::vector<TAttribute*>{ north->FindAttribute(a) });
    EXPECT_TRUE(messages.Messages.isEmpty());
}

TEST(Evaluation, AConstantValueOverridesEveryFormula)
{
    TDesignFixture f;
    TVariable* a = f.Variable("A");
    TVariable* rate = f.Variable("Rate");
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    town->SelectDesignOption(f.OptionWithEffect(f.City, "Scaled", a, "[Rate] * 10"));
    EXPECT_EQ(TDesignFixture::Text(town, a), "#ATTRIBUTE?");
    rate->Value = 3;
    EXPECT_EQ(TDesignFixture::Text(town, a), "30");
}

TEST(Evaluation, CircularReadsGiveAConflictWhereverTheReadStarts)
{
    TMessageRecorder messages;
    TDesignFixture f;
    TVariable* self = f.Variable("Self");
    TVariable* a = f.Variable("A");
    TVariable* b = f.Variable("B");
    TVariable* after = f.Variable("After");
    TVariable* v = f.Variable("V");
    TVariable* w = f.Variable("W");
    TVariable* fine = f.Variable("Fine");
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    TDesignObject* north = f.Object("North", town, f.District);
    town->SelectDesignOption(f.OptionWithEffect(f.City, "Self", self, "[Self] + 1"));
    town->SelectDesignOption(f.OptionWithEffect(f.City, "A", a, "[B] + 1"));
    town->SelectDesignOption(f.OptionWithEffect(f.City, "B", b, "[A] * 2"));
    town->SelectDesignOption(f.OptionWithEffect(f.City, "After", after, "[A] + 1"));
    // Through the tree: the town's V adds North's V, which reads the town's W,
    // which reads the town's V.
    town->SelectDesignOption(f.OptionWithEffect(f.City, "W", w, "[V]"));
    north->SelectDesignOption(f.OptionWithEffect(f.District, "V", v, "[W] + 1"));
    town->SelectDesignOption(f.OptionWithEffect(f.City, "Fine", fine, "2"));

    const std::vector<std::pair<TDesignObject*, const TVariable*>> reads = {
        { town, self }, { town, a }, { town, b }, { town, after }, { town, v }, { town, w }, { north, v },
        { town, fine } };
    const QStringList expected = { "#CONFLICT!", "#CONFLICT!", "#CONFLICT!", "#CONFLICT!", "#CONFLICT!",
                                   "#CONFLICT!", "#CONFLICT!", "2" };
    // Each alone, in every order of starting points within one pass.
    for (size_t first = 0; first < reads.size(); ++first) {
        const TEvaluation pass;
        for (size_t i = 0; i < reads.size(); ++i) {
            const auto& [object, variable] = reads[(first + i) % reads.size()];
            EXPECT_EQ(TDesignFixture::Text(object, variable), expected[int((first + i) % reads.size())])
                << "starting at " << first;
        }
    }
    for (size_t i = 0; i < reads.size(); ++i)
        EXPECT_EQ(TDesignFixture::Text(reads[i].first, reads[i].second), expected[int(i)]);
    EXPECT_TRUE(IsUndefined(DesignValue(*f.Design, *a)));
    EXPECT_TRUE(messages.Messages.isEmpty());
}

TEST(Evaluation, MalformedCodeReportsAStackErrorEvenWhenRuledOut)
{
    TMessageRecorder messages;
    TDesignFixture f;
    TVariable* cost = f.Variable("Cost");
    TOption* odd = f.OptionWithEffect(f.City, "Odd", cost, "1");
    // Code the compiler never makes: two entries left on the stack.
    TEffect* effect = odd->Effects.front().get();
    effect->Code.push_back(std::make_unique<TVM_PUSHCON>(2));
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    town->SelectDesignOption(odd);
    EXPECT_EQ(TDesignFixture::Text(town, cost), "#STACK?");
    EXPECT_EQ(messages.Errors(), QStringList{ "VM stack error in subsystem \"Town\"" });

    TOption* ban = f.OptionWithEffect(f.City, "Ban", cost, "5");
    ban->AddPreclusion(odd->DecisionArea);
    town->SelectDesignOption(ban);
    messages.Clear();
    EXPECT_EQ(TDesignFixture::Text(town, cost), "#STACK?");
    EXPECT_EQ(messages.Errors(), QStringList{ "VM stack error in subsystem \"Town\"" });
}

TEST(Evaluation, APassReusesResultsUntilTheDesignChanges)
{
    TDesignFixture f;
    TVariable* cost = f.Variable("Cost");
    TDesignObject* town = f.Object("Town", nullptr, f.City);
    TDesignObject* north = f.Object("North", town, f.District);
    TOption* cheap = f.OptionWithEffect(f.District, "Cheap", cost, "1");
    TOption* dear = TDesignFixture::Option(cheap->DecisionArea, "Dear", 2);
    TDesignFixture::Effect(dear, cost, "9");
    north->SelectDesignOption(cheap);
    const TEvaluation pass;
    EXPECT_EQ(TDesignFixture::Text(town, cost), "1");
    north->SelectDesignOption(dear);
    EXPECT_EQ(TDesignFixture::Text(town, cost), "9");
    north->SetCount(2);
    EXPECT_EQ(TDesignFixture::Text(town, cost), "18");
    f.Object("South", town, f.District)->SelectDesignOption(cheap);
    EXPECT_EQ(TDesignFixture::Text(town, cost), "19");
    TEffect* effect = dear->Effects.front().get();
    std::unique_ptr<TEffect> taken = dear->TakeEffect(effect);
    taken->SetFormula("4");
    dear->AddEffect(std::move(taken));
    EXPECT_EQ(TDesignFixture::Text(town, cost), "9");
    TVariable* rate = f.Variable("Rate");
    town->SelectDesignOption(f.OptionWithEffect(f.City, "Levy", cost, "[Rate]"));
    EXPECT_EQ(TDesignFixture::Text(town, cost), "#ATTRIBUTE?");
    // Edits outside the design operations ask for a fresh start themselves.
    rate->Value = 10;
    TEvaluation::Invalidate();
    EXPECT_EQ(TDesignFixture::Text(town, cost), "19");
}

TEST(Evaluation, ResultTextShowsTheErrorOrTheValue)
{
    EXPECT_EQ(ResultText({ 0, 0 }), "0");
    EXPECT_EQ(ResultText({ 0, 12 }), "12");
    EXPECT_EQ(ResultText({ VMNoAttribute, 12 }), "#ATTRIBUTE?");
    EXPECT_EQ(ResultText({ VMConflict, 12 }), "#CONFLICT!");
}
