#include "policy/qualification.h"

#include "design/designobject.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/helpers.h"
#include "model/option.h"

#include <algorithm>

const std::vector<std::unique_ptr<TQualificationList>>& TQualification::SubQualifications() const
{
    return List->SubLists;
}

TQualification* TQualificationList::Find(const TQualifier* qualifier) const
{
    for (const auto& item : Items)
        if (item->Qualifier == qualifier)
            return item.get();
    return nullptr;
}

namespace {

void CountOwnDecisions(TQualificationList& list)
{
    const TDesignObject* object = list.DesignObject;
    for (const TOption* option : object->DesignOptions)
        if (object->IsPrecluded(option->DecisionArea) < 0)
            for (const auto& q : list.Items)
                if (option->HasQualifier(q->Qualifier))
                    ++q->QualifiedCount;
    if (!object->SystemLevel)
        return;
    for (const TDecisionArea* area : object->SystemLevel->DecisionAreas)
        if (object->IsPrecluded(area) < 0)
            for (const auto& q : list.Items)
                if (area->HasQualifier(q->Qualifier))
                    ++q->RelevantCount;
}

template <class Own>
int Total(const TQualification& q, Own own)
{
    qint64 total = own(q);
    for (const auto& sub : q.SubQualifications())
        if (const TQualification* child = sub->Find(q.Qualifier))
            total += qint64(Total(*child, own)) * sub->DesignObject->Count();
    return Saturated(total);
}

QString Text(const TQualification& q, int qualified, int relevant)
{
    if (relevant == 0)
        return q.Qualifier->Name + QStringLiteral(": n/a");
    return q.Qualifier->Name + QStringLiteral(": %1/%2 (").arg(qualified).arg(relevant)
           + FormatPercentage(double(qualified) / relevant) + QLatin1Char(')');
}

} // namespace

std::unique_ptr<TQualificationList> BuildQualifications(TDesignObject* object)
{
    auto list = std::make_unique<TQualificationList>(object);
    for (TQualifier* qualifier : object->Design->Case->Qualifiers)
        list->Items.push_back(std::make_unique<TQualification>(object, qualifier, list.get()));
    CountOwnDecisions(*list);
    for (TDesignObject* child : object->Children)
        list->SubLists.push_back(BuildQualifications(child));
    return list;
}

int TotalRelevant(const TQualification& qualification)
{
    return Total(qualification, [](const TQualification& q) { return q.RelevantCount; });
}

int TotalQualified(const TQualification& qualification)
{
    return Total(qualification, [](const TQualification& q) { return q.QualifiedCount; });
}

QString QualificationText(const TQualification& qualification)
{
    return Text(qualification, qualification.QualifiedCount, qualification.RelevantCount);
}

QString TotalQualificationText(const TQualification& qualification)
{
    return Text(qualification, TotalQualified(qualification), TotalRelevant(qualification));
}
