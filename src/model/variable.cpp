#include "model/variable.h"

#include "model/helpers.h"
#include "model/scale.h"

void TVariable::SetAggregationMode(quint8 mode)
{
    AggregationMode = mode;
    if (mode == AggregationCumulative || mode == AggregationAveraging)
        Value = UndefinedValue;
}

QString TVariable::NameWithScale() const
{
    return Name + QStringLiteral(" [") + (Scale ? Scale->Name : QString()) + QStringLiteral("]");
}

QString TVariable::IconHTML() const
{
    switch (AggregationMode) {
    case AggregationCumulative:
        return QStringLiteral("<img src=\"img/ceff.bmp\">");
    case AggregationAveraging:
        return QStringLiteral("<img src=\"img/aeff.bmp\">");
    default:
        return QStringLiteral("<img src=\"img/varc.bmp\">");
    }
}

QStringList TVariable::DescriptionRows() const
{
    QString line = QStringLiteral("  <tr><td>") + IconHTML() + QStringLiteral("</td><td>") + PageText(NameWithScale());
    if (HasValue())
        line += QStringLiteral(" = ") + FormatExactValue(Value);
    return { line + QStringLiteral("</td></tr>") + CommentRow(*this) };
}
