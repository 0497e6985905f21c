#include "designgenerator.h"

#include "casegenerator.h"
#include "design/design.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"
#include "policy/combination.h"
#include "support/casebuilder.h"

#include <algorithm>
#include <cstdlib>
#include <random>

TDesignSize TDesignSize::Scaled(int factor) const
{
    TDesignSize size = *this;
    size.TopObjects *= factor;
    return size;
}

int TDesignSize::ObjectCount() const
{
    int total = 0, perLevel = TopObjects;
    total += perLevel;
    for (int children : Children)
        total += perLevel *= children;
    return total;
}

namespace {

// Builds on the large-case generator's catalogues and variables ("Variable 0",
// ...: constant, cumulative, averaging in turn, half the constant ones with a
// value) and adds a chain of levels, their options and one design.
class TDesignGenerator
{
public:
    explicit TDesignGenerator(const TDesignSize& size) : Size(size), Random(size.Seed)
    {
        TCaseSize base;
        base.Levels = 0;
        base.DecisionAreas = 0;
        base.PrecludeEvery = 0;
        base.Variables = size.Variables;
        base.Seed = size.Seed;
        Case = GenerateCase(base);
        for (int i = 0; i < size.Variables; ++i)
            Variables.push_back(Case->Variables.Find(QStringLiteral("Variable %1").arg(i)));
    }

    std::unique_ptr<TCase> Generate()
    {
        AddLevels();
        AddPreclusions();
        for (int d = 0; d < Size.Designs; ++d) {
            const QString name = QStringLiteral("Generated design") + (d > 0 ? QStringLiteral(" %1").arg(d + 1) : QString());
            TDesign* design = Case->Designs.At(Case->AddDesign(name));
            for (int i = 0; i < Size.TopObjects; ++i)
                AddObject(*design, nullptr, 0, i);
        }
        Case->Changed = false;
        return std::move(Case);
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(Random); }

    void AddLevels()
    {
        TSystemLevel* parent = nullptr;
        for (int depth = 0; depth <= int(Size.Children.size()); ++depth) {
            TSystemLevel* level = NewLevel(*Case, QStringLiteral("Level %1").arg(depth), parent);
            Levels.push_back(level);
            for (int a = 0; a < Size.AreasPerLevel; ++a)
                AddArea(level, QStringLiteral("Area %1.%2").arg(depth).arg(a));
            parent = level;
        }
    }

    void AddArea(TSystemLevel* level, const QString& name)
    {
        TDecisionArea* area = NewArea(*level, name, Case->Categories.At(Pick(Case->Categories.Count())),
                                      Case->Phases.At(Pick(Case->Phases.Count())));
        for (int k = 0; k < Size.OptionsPerArea; ++k) {
            TOption* option = NewOption(*area, QStringLiteral("Option %1").arg(k), k + 1);
            for (int e = 0; e < Size.EffectsPerOption; ++e) {
                const int variable = Pick(Size.Variables);
                NewEffect(*option, Variables[size_t(variable)], Formula(variable), e == 1);
            }
        }
    }

    // The computed variables (every third, all cumulative) read variables made before them.
    QString Formula(int variable)
    {
        if (variable % Size.FormulaEvery != 1 || variable < Size.FormulaEvery)
            return QString::number(Pick(90) + 10) + QStringLiteral(".5");
        return QStringLiteral("[%1] * 0.5 + [%2] / 4")
            .arg(Variables[size_t(Pick(variable))]->Name, Variables[size_t(Pick(variable))]->Name);
    }

    void AddPreclusions()
    {
        int serial = 0;
        for (size_t depth = 0; depth + 1 < Levels.size(); ++depth)
            for (TDecisionArea* area : Levels[depth]->DecisionAreas)
                for (TOption* option : area->Options)
                    if (++serial % Size.PrecludeEvery == 0)
                        option->AddPreclusion(Levels[depth + 1]->DecisionAreas.At(Pick(Size.AreasPerLevel)));
    }

    void AddObject(TDesign& design, TDesignObject* parent, size_t depth, int serial)
    {
        TDesignObject* object = design.AddDesignObject(QStringLiteral("Object %1").arg(serial), parent, Levels[depth]);
        object->SetCount(1 + Pick(4));
        for (TDecisionArea* area : Levels[depth]->DecisionAreas) {
            object->SelectDesignOption(area->Options.At(Pick(area->Options.Count())));
            if (Pick(3) == 0)
                object->SelectStatusQuoOption(area->Options.At(Pick(area->Options.Count())));
        }
        if (depth < Size.Children.size())
            for (int i = 0; i < Size.Children[depth]; ++i)
                AddObject(design, object, depth + 1, i);
    }

    TDesignSize Size;
    std::mt19937 Random;
    std::unique_ptr<TCase> Case;
    std::vector<TVariable*> Variables;   // by number
    std::vector<TSystemLevel*> Levels;
};

} // namespace

std::unique_ptr<TCase> GenerateDesignCase(const TDesignSize& size) { return TDesignGenerator(size).Generate(); }

void AddAppraisalPositions(TCase& aCase, const TAppraisalSize& size)
{
    std::mt19937 random(size.Seed);
    const auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    const auto preference = [&] { return pick(2) == 0 ? -1 - pick(3) : 1 + pick(3); };
    std::vector<TVariable*> computed;
    for (TVariable* variable : aCase.Variables)
        if (variable->AggregationMode != AggregationConstant && !variable->HasValue())
            computed.push_back(variable);
    std::vector<TOption*> options;
    aCase.ForEachOption([&](TOption* option) {
        option->AddQualifier(aCase.Qualifiers.At(pick(aCase.Qualifiers.Count())));
        options.push_back(option);
    });

    for (int i = 0; i < size.Actors; ++i) {
        TActor* actor = aCase.Actors.At(aCase.AddActor(QStringLiteral("Actor %1").arg(i)));
        for (int k = 0; k < size.Goals; ++k) {
            const int direction = pick(4) - 2;
            actor->AddGoal(computed[size_t(pick(int(computed.size())))], direction >= 0 ? direction + 1 : direction,
                           std::abs(direction) == 2 ? pick(50) : pick(10000), preference());
        }
        for (int k = 0; k < size.OptionFeelings; ++k)
            actor->AddOptionFeeling(options[size_t(pick(int(options.size())))], preference());
        for (int k = 0; k < size.QualifierFeelings; ++k)
            actor->AddQualifierFeeling(aCase.Qualifiers.At(pick(aCase.Qualifiers.Count())), preference());
    }

    for (int i = 0; i < size.Combinations; ++i) {
        auto combination = std::make_unique<TCombination>(&aCase);
        combination->Rating = qint16(preference());
        for (int k = 2 + pick(2); k > 0; --k) {
            TOption* option = options[size_t(pick(int(options.size())))];
            if (std::none_of(combination->Options.begin(), combination->Options.end(),
                             [&](const TOption* o) { return o->DecisionArea == option->DecisionArea; }))
                combination->Options.push_back(option);
        }
        SortOptions(combination->Options);
        aCase.Combinations.push_back(std::move(combination));
    }
    aCase.BaseCase = aCase.Designs.First();
    aCase.Changed = false;
}
