#include "support/casebuilder.h"

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"

#include <memory>

TVariable* NewVariable(TCase& aCase, const QString& name, TScale* scale, quint8 mode, double value)
{
    TVariable* variable = aCase.Variables.At(aCase.AddVariable(name));
    variable->Scale = scale;
    variable->AggregationMode = mode;
    variable->Value = value;
    return variable;
}

TSystemLevel* NewLevel(TCase& aCase, const QString& name, TSystemLevel* parent)
{
    TSystemLevel* level = aCase.SystemLevels.At(aCase.AddSystemLevel(name));
    level->PlaceUnder(parent);
    return level;
}

TDecisionArea* NewArea(TSystemLevel& level, const QString& name, TCategory* category, TPhase* phase)
{
    TDecisionArea* area = level.DecisionAreas.At(level.AddDecisionArea(name));
    area->Category = category;
    area->Phase = phase;
    return area;
}

TOption* NewOption(TDecisionArea& area, const QString& name, int number)
{
    TOption* option = area.Options.At(area.AddOption(name));
    option->Number = number;
    return option;
}

TEffect* NewEffect(TOption& option, TVariable* variable, const QString& formula, bool nullWhenStatusQuo,
                   QString* message)
{
    auto effect = std::make_unique<TEffect>(&option, variable);
    effect->NullWhenStatusQuo = nullWhenStatusQuo;
    const QString compiled = effect->SetFormula(formula);
    if (message)
        *message = compiled;
    return option.AddEffect(std::move(effect));
}
