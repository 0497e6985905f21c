#pragma once

#include "design/design.h"
#include "design/evaluation.h"
#include "support/modelfixture.h"

/// The model fixture with the level Block below District and the empty design
/// "Plan"; helpers add objects and read their values.
struct TDesignFixture : TModelFixture
{
    TSystemLevel* Block = Level("Block", District);
    TDesign* Plan = Case.Designs.At(Case.AddDesign("Plan"));

    TVariable* Variable(const QString& name, quint8 mode = AggregationCumulative) { return AddVariable(name, mode); }

    /// An option in an area of its own, of the same name, with one effect.
    TOption* OptionWithEffect(TSystemLevel* level, const QString& name, TVariable* variable, const QString& formula)
    {
        TOption* option = Option(Area(level, name), name);
        Effect(option, variable, formula);
        return option;
    }

    TDesignObject* Object(const QString& name, TDesignObject* parent, TSystemLevel* level, int count = 1,
                          TDesign* design = nullptr)
    {
        TDesignObject* object = (design ? design : Plan)->AddDesignObject(name, parent, level);
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

/// Plan holds the city Amsterdam with the districts North (3 alike) and South
/// (2 alike); District has a second decision, Roofs (Solar, Green roof), and
/// Insulation a second option, Foam.
struct TPlanFixture : TDesignFixture
{
    TDecisionArea* Roofs = Area(District, "Roofs", Energy, Now);
    TOption* Solar = Option(Roofs, "Solar", 1);
    TOption* GreenRoof = Option(Roofs, "Green roof", 2);
    TOption* Foam = Option(Insulation, "Foam", 2);
    TDesignObject* Amsterdam = Object("Amsterdam", nullptr, City);
    TDesignObject* North = Object("North", Amsterdam, District, 3);
    TDesignObject* South = Object("South", Amsterdam, District, 2);
};
