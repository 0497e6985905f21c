#pragma once

#include "model/concept.h"
#include "model/helpers.h"

class TCase;
class TScale;

/// How a variable's values combine up the design tree.
enum TAggregationMode : quint8 { AggregationConstant = 0, AggregationCumulative = 1, AggregationAveraging = 2 };

/// What options affect and actors care about. Value is a constant that, when
/// defined, holds everywhere and overrides every formula.
class TVariable : public TConcept
{
public:
    TVariable(const QString& name, TCase* owner) : TConcept(name), Case(owner) {}

    TCase* Case;
    TScale* Scale = nullptr;
    double Value = UndefinedValue;
    quint8 AggregationMode = AggregationConstant;

    /// Cumulative and averaging variables take their values from the design
    /// tree, so they drop a constant; a constant keeps its value (or none).
    void SetAggregationMode(quint8 mode);
    void SetScale(TScale* scale) { Scale = scale; }
    void SetValue(double value) { Value = value; }

    bool HasValue() const { return !IsUndefined(Value); }
    bool IsAveraging() const { return AggregationMode == AggregationAveraging; }
    bool IsCumulative() const { return AggregationMode == AggregationCumulative; }
    /// The name with its scale, as rows show it: "Cost [EUR]".
    QString NameWithScale() const;

    QString IconHTML() const override;
    QStringList DescriptionRows() const override;
};
