#include "casegenerator.h"

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"
#include "policy/combination.h"
#include "support/casebuilder.h"

#include <QGuiApplication>
#include <algorithm>
#include <vector>

TCaseSize TCaseSize::Scaled(int factor) const
{
    TCaseSize size = *this;
    size.Levels *= factor;
    size.DecisionAreas *= factor;
    size.Variables *= factor;
    size.Designs *= factor;
    size.Actors *= factor;
    size.Combinations *= factor;
    size.Policies *= factor;
    return size;
}

TCaseGenerator::TCaseGenerator(const TCaseSize& size)
    : Sizes(size), Engine(size.Seed), Result(std::make_unique<TCase>(QStringLiteral("Generated case")))
{
}

TCaseGenerator::~TCaseGenerator() = default;

std::unique_ptr<TCase> TCaseGenerator::Generate()
{
    AddCatalogues();
    AddVariables();
    AddHierarchy();
    AddDecisionAreas();
    AddPreclusions();
    AddActors();
    AddCombinations();
    AddPolicies();
    Result->Changed = false;
    return std::move(Result);
}

void TCaseGenerator::MaybeComment(TNameless& item, int serial)
{
    if (Sizes.CommentEvery > 0 && serial % Sizes.CommentEvery == 0)
        item.Comments = { QStringLiteral("Generated item %1,").arg(serial),
                          QStringLiteral("with a comment over two lines & a <mark>.") };
}

void TCaseGenerator::AddCatalogues()
{
    TCase& c = *Result;
    for (int i = 0; i < Sizes.Scales; ++i)
        c.AddScale(QStringLiteral("Unit %1").arg(i));
    for (int i = 0; i < Sizes.Categories; ++i)
        MaybeComment(*c.Categories.At(c.AddCategory(QStringLiteral("Category %1").arg(i))), i);
    for (int i = 0; i < Sizes.Phases; ++i)
        c.Phases.At(c.AddPhase(QStringLiteral("Phase %1").arg(i)))
            ->SetColorDerived(QColor::fromHsv(i * 360 / std::max(1, Sizes.Phases), 200, 230));
    for (int i = 0; i < Sizes.Qualifiers; ++i)
        c.AddQualifier(QStringLiteral("Qualifier %1").arg(i));
}

void TCaseGenerator::AddVariables()
{
    TCase& c = *Result;
    for (int i = 0; i < Sizes.Variables; ++i) {
        TVariable* v = NewVariable(c, QStringLiteral("Variable %1").arg(i), c.Scales.At(i % c.Scales.Count()), quint8(i % 3));
        if (v->AggregationMode == AggregationConstant && i % 2 == 0)
            v->Value = std::uniform_real_distribution<double>(-1e4, 1e4)(Engine);
        MaybeComment(*v, i);
    }
}

// Each tree grows from its top level; every further level hangs below a random
// earlier level of the same tree.
void TCaseGenerator::AddHierarchy()
{
    TCase& c = *Result;
    std::vector<std::vector<TSystemLevel*>> trees(size_t(std::max(1, Sizes.Trees)));
    for (int i = 0; i < Sizes.Levels; ++i) {
        auto& tree = trees[size_t(i) % trees.size()];
        TSystemLevel* level = NewLevel(c, QStringLiteral("System %1").arg(i),
                                       tree.empty() ? nullptr : tree[size_t(Pick(int(tree.size())))]);
        tree.push_back(level);
        MaybeComment(*level, i);
    }
}

QString TCaseGenerator::Formula()
{
    const int variables = Result->Variables.Count();
    return QStringLiteral("[Variable %1] * %2 + [Variable %3] / 4")
        .arg(Pick(variables)).arg(Pick(90) + 10).arg(Pick(variables));
}

void TCaseGenerator::AddDecisionAreas()
{
    TCase& c = *Result;
    int serial = 0;
    for (int i = 0; i < Sizes.DecisionAreas; ++i) {
        TSystemLevel* level = c.SystemLevels.At(i % c.SystemLevels.Count());
        TDecisionArea* area = NewArea(*level, QStringLiteral("Decision %1").arg(i), c.Categories.At(Pick(c.Categories.Count())),
                                      c.Phases.At(Pick(c.Phases.Count())));
        MaybeComment(*area, i);
        for (int k = 0; k < Sizes.OptionsPerArea; ++k) {
            TOption* option = NewOption(*area, QStringLiteral("Option %1").arg(k), k + 1);
            if (k % 3 == 0 && c.Qualifiers.Count() > 0)
                option->AddQualifier(c.Qualifiers.At(Pick(c.Qualifiers.Count())));
            MaybeComment(*option, ++serial);
            for (int e = 0; e < Sizes.EffectsPerOption; ++e) {
                TVariable* variable = c.Variables.At(Pick(c.Variables.Count()));
                NewEffect(*option, variable, Formula(), e == 1 && k == 0);
            }
        }
    }
}

// An option precludes areas of its own level and of the levels below it.
void TCaseGenerator::AddPreclusions()
{
    if (Sizes.PrecludeEvery <= 0)
        return;
    int serial = 0;
    Result->ForEachOption([&](TOption* option) {
        if (++serial % Sizes.PrecludeEvery != 0)
            return;
        TSystemLevel* level = option->SystemLevel();
        if (!level->Children.empty() && Pick(2) == 0)
            level = level->Children[size_t(Pick(int(level->Children.size())))];
        const int areas = level->DecisionAreas.Count();
        for (int i = 0; i < 2 && areas > 1; ++i) {
            TDecisionArea* area = level->DecisionAreas.At(Pick(areas));
            if (area != option->DecisionArea && !option->Precludes(area))
                option->AddPreclusion(area);
        }
    });
}

// A random option of the case; the case must have some.
TOption* TCaseGenerator::AnyOption()
{
    TSystemLevel* level = Result->SystemLevels.At(Pick(Result->SystemLevels.Count()));
    while (level->DecisionAreas.IsEmpty())
        level = Result->SystemLevels.At(Pick(Result->SystemLevels.Count()));
    TDecisionArea* area = level->DecisionAreas.At(Pick(level->DecisionAreas.Count()));
    return area->Options.At(Pick(area->Options.Count()));
}

void TCaseGenerator::AddActors()
{
    if (!HasOptions())
        return;
    TCase& c = *Result;
    for (int i = 0; i < Sizes.Actors; ++i)
        c.AddActor(QStringLiteral("Actor %1").arg(i));
    for (int i = 0; i < c.Actors.Count(); ++i) {
        TActor* actor = c.Actors.At(i);
        MaybeComment(*actor, i);
        const auto preference = [this] { return Pick(6) < 3 ? Pick(3) - 3 : Pick(3) + 1; };
        for (int k = 0; k < 3; ++k) {
            MaybeComment(*actor->AddConnection(c.Actors.At(Pick(c.Actors.Count())), Pick(4) + 1), k + i);
            actor->AddDecision(AnyOption()->DecisionArea, Pick(4) + 1);
        }
        for (int k = 0; k < 4; ++k) {
            const int direction = Pick(4) - 2;
            actor->AddGoal(c.Variables.At(Pick(c.Variables.Count())), direction >= 0 ? direction + 1 : direction,
                           std::uniform_real_distribution<double>(0, 1e3)(Engine), preference());
        }
        for (int k = 0; k < 6; ++k)
            MaybeComment(*actor->AddOptionFeeling(AnyOption(), preference()), k + i);
        for (int k = 0; k < 2 && c.Qualifiers.Count() > 0; ++k)
            actor->AddQualifierFeeling(c.Qualifiers.At(Pick(c.Qualifiers.Count())), preference());
    }
}

void TCaseGenerator::AddCombinations()
{
    if (!HasOptions())
        return;
    TCase& c = *Result;
    for (int i = 0; i < Sizes.Combinations; ++i) {
        auto combination = std::make_unique<TCombination>(&c);
        combination->Rating = qint16(Pick(6) < 3 ? Pick(3) - 3 : Pick(3) + 1);
        for (int k = 2 + Pick(3); k > 0; --k) {
            TOption* option = AnyOption();
            const auto sameArea = [option](const TOption* o) { return o->DecisionArea == option->DecisionArea; };
            if (std::none_of(combination->Options.begin(), combination->Options.end(), sameArea))
                combination->Options.push_back(option);
        }
        SortOptions(combination->Options);
        MaybeComment(*combination, i);
        c.Combinations.push_back(std::move(combination));
    }
}

void TCaseGenerator::AddPolicies()
{
    if (!HasOptions())
        return;
    TCase& c = *Result;
    for (int i = 0; i < Sizes.Policies; ++i) {
        TPolicy* policy = c.Policies.At(c.AddPolicy(QStringLiteral("Policy %1").arg(i)));
        MaybeComment(*policy, i);
        for (int k = 0; k < 10; ++k) {
            TOption* option = AnyOption();
            const auto sameArea = [option](const TOption* o) { return o->DecisionArea == option->DecisionArea; };
            if (std::none_of(policy->Options.begin(), policy->Options.end(), sameArea))
                policy->Options.push_back(option);
        }
        SortOptions(policy->Options);
    }
}

std::unique_ptr<TCase> GenerateCase(const TCaseSize& size) { return TCaseGenerator(size).Generate(); }

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "orvel_bench";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}
