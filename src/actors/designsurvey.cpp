#include "actors/designsurvey.h"

#include "design/design.h"
#include "policy/qualification.h"

TDesignSurvey::TDesignSurvey(TDesign* design) : Design(design) {}

TDesignSurvey::~TDesignSurvey() = default;

const TDesignSurvey::TOccurrence& TDesignSurvey::Occurrence(const TOption* option)
{
    const auto [at, added] = Occurrences.try_emplace(option);
    TOccurrence& occurrence = at->second;
    if (!added)
        return occurrence;
    for (TDesignObject* top : Design->TopObjects) {
        const int count = top->OccurrenceCount(option);
        occurrence.Count += count;
        if (count <= 0)
            continue;
        for (TDesignObject* object : top->FindSelections(option)) {
            occurrence.Selections.push_back(object);
            occurrence.Chosen += object->CumulativeCount();
        }
    }
    return occurrence;
}

const std::vector<TDesignSurvey::TQualificationTotal>& TDesignSurvey::Qualifications()
{
    if (QualificationsBuilt)
        return Totals;
    QualificationsBuilt = true;
    for (TDesignObject* top : Design->TopObjects) {
        Lists.push_back(BuildQualifications(top));
        for (const auto& q : Lists.back()->Items)
            Totals.push_back({ q.get(), TotalRelevant(*q), TotalQualified(*q) });
    }
    return Totals;
}
