#pragma once

#include "design/design.h"
#include "design/evaluation.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"

#include <memory>

/// A case with the levels City > District > Block and one design, "Plan";
/// helpers add the rest.
struct TDesignFixture
{
    TCase Case;
    TCategory* Category = Case.Categories.At(Case.AddCategory("General"));
    TPhase* Phase = Case.Phases.At(Case.AddPhase("Now"));
    TSystemLevel* City = Level("City", nullptr);
    TSystemLevel* District = Level("District", City);
    TSystemLevel* Block = Level("Block", District);
    TDesign* Design = Case.Designs.At(Case.AddDesign("Plan"));

    TSystemLevel* Level(const QString& name, TSystemLevel* parent)
    {
        TSystemLevel* level = Case.SystemLevels.At(Case.AddSystemLevel(name));
        level->PlaceUnder(parent);
        return level;
    }

    TVariable* Variable(const QString& name, quint8 mode = AggregationCumulative)
    {
        TVariable* v = Case.Variables.At(Case.AddVariable(name));
        v->AggregationMode = mode;
        return v;
    }

    TDecisionArea* Area(TSystemLevel* level, const QString& name)
    {
        TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(name));
        area->Category = Category;
        area->Phase = Phase;
        return area;
    }

    static TOption* Option(TDecisionArea* area, const QString& name, int number = 1)
    {
        TOption* option = area->Options.At(area->AddOption(name));
        option->Number = number;
        return option;
    }

    /// An option in an area of its own, of the same name, with one effect.
    TOption* OptionWithEffect(TSystemLevel* level, const QString& name, TVariable* variable, const QString& formula)
    {
        TOption* option = Option(Area(level, name), name);
        Effect(option, variable, formula);
        return option;
    }

    static TEffect* Effect(TOption* option, TVariable* variable, const QString& formula, bool nullWhenStatusQuo = false)
    {
        auto effect = std::make_unique<TEffect>(option, variable);
        effect->NullWhenStatusQuo = nullWhenStatusQuo;
        effect->SetFormula(formula);
        return option->AddEffect(std::move(effect));
    }

    TDesignObject* Object(const QString& name, TDesignObject* parent, TSystemLevel* level, int count = 1,
                          TDesign* design = nullptr)
    {
        TDesignObject* object = (design ? design : Design)->AddDesignObject(name, parent, level);
        object->SetCount(count);
        return object;
    }

    /// The object's value for the variable as the user reads it, or "none".
    static QString Text(TDesignObject* object, const TVariable* variable)
    {
        TAttribute* attribute = object->FindAttribute(variable);
        return attribute ? ResultText(Compute(*attribute)) : QStringLiteral("none");
    }

    static double Value(TDesignObject* object, const TVariable* variable)
    {
        return Compute(*object->FindAttribute(variable)).Value;
    }

    static QStringList Precluded(const TDesignObject* object)
    {
        QStringList names;
        for (const auto& record : object->PrecludedAreas)
            names << record->DecisionArea->Name;
        return names;
    }
};
