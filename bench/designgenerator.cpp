#include "designgenerator.h"

#include "casegenerator.h"
#include "design/design.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"

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
        TDesign* design = Case->Designs.At(Case->AddDesign(QStringLiteral("Generated design")));
        for (int i = 0; i < Size.TopObjects; ++i)
            AddObject(*design, nullptr, 0, i);
        Case->Changed = false;
        return std::move(Case);
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(Random); }

    void AddLevels()
    {
        TSystemLevel* parent = nullptr;
        for (int depth = 0; depth <= int(Size.Children.size()); ++depth) {
            TSystemLevel* level = Case->SystemLevels.At(Case->AddSystemLevel(QStringLiteral("Level %1").arg(depth)));
            level->PlaceUnder(parent);
            Levels.push_back(level);
            for (int a = 0; a < Size.AreasPerLevel; ++a)
                AddArea(level, QStringLiteral("Area %1.%2").arg(depth).arg(a));
            parent = level;
        }
    }

    void AddArea(TSystemLevel* level, const QString& name)
    {
        TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(name));
        area->Category = Case->Categories.At(Pick(Case->Categories.Count()));
        area->Phase = Case->Phases.At(Pick(Case->Phases.Count()));
        for (int k = 0; k < Size.OptionsPerArea; ++k) {
            TOption* option = area->Options.At(area->AddOption(QStringLiteral("Option %1").arg(k)));
            option->Number = k + 1;
            for (int e = 0; e < Size.EffectsPerOption; ++e) {
                const int variable = Pick(Size.Variables);
                auto effect = std::make_unique<TEffect>(option, Variables[size_t(variable)]);
                effect->SetFormula(Formula(variable));
                effect->NullWhenStatusQuo = e == 1;
                option->AddEffect(std::move(effect));
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
