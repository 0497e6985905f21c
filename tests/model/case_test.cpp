#include "support/modelfixture.h"

#include "model/messagerecorder.h"

#include <gtest/gtest.h>

TEST(Case, StartsEmptyAndUnchanged)
{
    TCase c;
    EXPECT_FALSE(c.Changed);
    EXPECT_TRUE(c.Folder.isEmpty());
    EXPECT_EQ(c.BaseCase, nullptr);
    EXPECT_EQ(c.Contents, TCase::DefaultContents());
    // The contents open on the data pages, each shown in the main frame.
    QStringList links;
    for (const QString& line : c.Contents)
        if (line.contains(QLatin1String("target=main")))
            links << line.section(QLatin1Char('"'), -2, -2);
    EXPECT_EQ(links, QStringList({ "ORVEL case.htm", "ORVEL propro.htm", "ORVEL policies.htm", "ORVEL actors.htm" }));
}

TEST(Case, AddOperationsGiveDefaultsAndMarkChanged)
{
    TCase c;
    c.AddCategory("b");
    EXPECT_TRUE(c.Changed);
    c.AddCategory("a");
    c.AddPhase("p");
    c.AddPhase("q");
    EXPECT_EQ(c.Categories.Find("b")->Number, 1);
    EXPECT_EQ(c.Categories.Find("a")->Number, 2);
    EXPECT_EQ(c.Phases.Find("q")->Order, 1);
    TVariable* v = c.Variables.At(c.AddVariable("v"));
    EXPECT_FALSE(v->HasValue());
    EXPECT_EQ(v->AggregationMode, AggregationConstant);
    TSystemLevel* level = c.SystemLevels.At(c.AddSystemLevel("s"));
    EXPECT_EQ(level->Depth, -1);
    EXPECT_EQ(level->Parent, nullptr);
}

TEST(Case, DeletingTheMiddleCategoryKeepsTheOtherNumbers)
{
    TCase c;
    for (const char* name : { "one", "two", "three" })
        c.AddCategory(QString::fromLatin1(name));
    c.DeleteCategory(c.Categories.Find("two"));
    EXPECT_EQ(c.Categories.Find("one")->Number, 1);
    EXPECT_EQ(c.Categories.Find("three")->Number, 3);
}

TEST(CaseCascades, DeletingACategoryTakesItsAreasWithEveryReferenceToThem)
{
    TModelFixture f;
    TActor* actor = f.Case.Actors.At(f.Case.AddActor("Mayor"));
    auto decision = std::make_unique<TActorDecision>(actor);
    decision->DecisionArea = f.Heating;
    actor->Decisions.push_back(std::move(decision));
    auto feeling = std::make_unique<TActorOption>(actor);
    feeling->Option = f.Gas;
    actor->Options.push_back(std::move(feeling));
    TPolicy* policy = f.Case.Policies.At(f.Case.AddPolicy("Green"));
    policy->Options = { f.Gas, f.Bus };
    auto combination = std::make_unique<TCombination>(&f.Case);
    combination->Options = { f.Gas, f.Walls };
    f.Case.Combinations.push_back(std::move(combination));
    auto other = std::make_unique<TCombination>(&f.Case);
    other->Options = { f.Bus, f.Walls };
    f.Case.Combinations.push_back(std::move(other));
    f.Bus->AddPreclusion(f.Heating);
    f.Case.Changed = false;

    f.Case.DeleteCategory(f.Energy);

    EXPECT_TRUE(f.Case.Changed);
    EXPECT_EQ(f.City->DecisionAreas.Count(), 1);
    EXPECT_EQ(f.District->DecisionAreas.Count(), 0);
    EXPECT_TRUE(actor->Decisions.empty());
    EXPECT_TRUE(actor->Options.empty());
    EXPECT_EQ(policy->Options, std::vector<TOption*>({ f.Bus }));
    EXPECT_TRUE(f.Case.Combinations.empty());
    EXPECT_TRUE(f.Bus->PrecludedAreas.empty());
    EXPECT_EQ(f.Case.Categories.Count(), 1);
    // What remains is still usable.
    EXPECT_EQ(f.Transport->DescriptionRows().size(), 6);
}

TEST(CaseCascades, DeletingAPhaseDeletesItsAreas)
{
    TModelFixture f;
    f.Case.DeletePhase(f.Later);
    EXPECT_EQ(f.City->DecisionAreas.Count(), 1);
    EXPECT_EQ(f.City->DecisionAreas.At(0), f.Heating);
    EXPECT_TRUE(f.District->DecisionAreas.IsEmpty());
}

TEST(CaseCascades, DeletingAScaleDeletesItsVariablesEffectsAndGoals)
{
    TModelFixture f;
    TModelFixture::Effect(f.Gas, f.Cost, "3");
    TModelFixture::Effect(f.Gas, f.Price, "4");
    TActor* actor = f.Case.Actors.At(f.Case.AddActor("Mayor"));
    auto goal = std::make_unique<TActorGoal>(actor);
    goal->Variable = f.Cost;
    actor->Goals.push_back(std::move(goal));
    f.Case.DeleteScale(f.Euro);
    EXPECT_TRUE(f.Case.Variables.IsEmpty());
    EXPECT_TRUE(f.Case.Scales.IsEmpty());
    EXPECT_TRUE(f.Gas->Effects.empty());
    EXPECT_TRUE(actor->Goals.empty());
}

TEST(CaseCascades, DeletingAQualifierClearsOptionsAndFeelings)
{
    TModelFixture f;
    f.Gas->AddQualifier(f.Green);
    f.Walls->AddQualifier(f.Green);
    TActor* actor = f.Case.Actors.At(f.Case.AddActor("Mayor"));
    auto feeling = std::make_unique<TActorQualifier>(actor);
    feeling->Qualifier = f.Green;
    actor->Qualifiers.push_back(std::move(feeling));
    EXPECT_TRUE(f.Heating->HasQualifier(f.Green));
    f.Case.DeleteQualifier(f.Green);
    EXPECT_TRUE(f.Gas->Qualifiers.empty());
    EXPECT_TRUE(f.Walls->Qualifiers.empty());
    EXPECT_TRUE(actor->Qualifiers.empty());
    EXPECT_FALSE(f.Heating->HasQualifier(f.Green));
}

TEST(CaseCascades, DeletingAnActorDeletesTheRelationsTowardsIt)
{
    TCase c;
    TActor* a = c.Actors.At(c.AddActor("a"));
    TActor* b = c.Actors.At(c.AddActor("b"));
    auto link = std::make_unique<TActorConnection>(a);
    link->OtherActor = b;
    a->Connections.push_back(std::move(link));
    c.DeleteActor(b);
    EXPECT_TRUE(a->Connections.empty());
    EXPECT_EQ(c.Actors.Count(), 1);
}

TEST(CaseCascades, DeletingALevelKeepsItsSubLevelsAtTheTop)
{
    TModelFixture f;
    f.Case.DeleteSystemLevel(f.City);
    EXPECT_EQ(f.District->Parent, nullptr);
    EXPECT_EQ(f.District->Depth, 0);
    EXPECT_EQ(f.District->DecisionAreas.Count(), 1);
    EXPECT_EQ(f.Case.SystemLevels.Count(), 2);
    EXPECT_EQ(f.District->DescriptionRows().size(), 3);
}

TEST(CaseCascades, DeletingADesignClearsTheBaseCase)
{
    TCase c;
    TDesign* d = c.Designs.At(c.AddDesign("Plan"));
    c.BaseCase = d;
    c.DeleteDesign(d);
    EXPECT_EQ(c.BaseCase, nullptr);
    EXPECT_TRUE(c.Designs.IsEmpty());
}

TEST(RenameVariable, RewritesEveryFormulaIgnoringCase)
{
    TMessageRecorder messages;
    TModelFixture f;
    TEffect* e1 = TModelFixture::Effect(f.Gas, f.Price, "[cost] * 2 + [COST]");
    TEffect* e2 = TModelFixture::Effect(f.Walls, f.Price, "[Costs] + [Cost]");
    f.Case.Changed = false;
    f.Case.RenameVariable(f.Cost, " Total [cost] ");
    EXPECT_EQ(f.Cost->Name, "Total cost");
    EXPECT_EQ(e1->Formula, "[Total cost] * 2 + [Total cost]");
    EXPECT_EQ(e2->Formula, "[Costs] + [Total cost]");
    EXPECT_EQ(messages.Warnings(), QStringList{ "Unknown variable: \"Costs\"" });
    EXPECT_TRUE(f.Case.Changed);
}

TEST(RenameVariable, EmptyOrTakenNamesChangeNothing)
{
    TMessageRecorder messages;
    TModelFixture f;
    TEffect* e = TModelFixture::Effect(f.Gas, f.Price, "[Cost]");
    f.Case.RenameVariable(f.Cost, " [] ");
    EXPECT_EQ(f.Cost->Name, "Cost");
    f.Case.RenameVariable(f.Cost, "price");
    EXPECT_EQ(f.Cost->Name, "Cost");
    EXPECT_EQ(e->Formula, "[Cost]");
    EXPECT_EQ(messages.Warnings(), QStringList({ "Names must be unique" }));
}

TEST(CaseCascades, DeletingAVariableRecompilesTheFormulasThatReadIt)
{
    TMessageRecorder messages;
    TModelFixture f;
    TVariable* area = f.AddVariable("Area", AggregationCumulative);
    TEffect* reader = TModelFixture::Effect(f.Gas, f.Cost, "[Area] * 2 + [area]");
    TEffect* other = TModelFixture::Effect(f.Walls, f.Cost, "[Price] + 1");
    TModelFixture::Effect(f.Bus, area, "5");
    ASSERT_TRUE(reader->Reads(area));
    ASSERT_TRUE(messages.Messages.isEmpty());

    f.Case.DeleteVariable(area);

    EXPECT_EQ(messages.Warnings(), QStringList({ "Unknown variable: \"Area\"", "Unknown variable: \"area\"" }));
    EXPECT_TRUE(f.Bus->Effects.empty());
    EXPECT_EQ(reader->Formula, "[Area] * 2 + [area]");
    EXPECT_EQ(reader->Code.size(), 5u);
    EXPECT_TRUE(other->Reads(f.Price));
    // Both references now point at nothing rather than at the freed variable.
    EXPECT_TRUE(reader->Reads(nullptr));
}
