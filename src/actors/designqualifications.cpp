#include "actors/designqualifications.h"

#include "design/design.h"
#include "policy/qualification.h"

TDesignQualifications::TDesignQualifications(TDesign* design) : Design(design)
{
    for (TDesignObject* top : design->TopObjects) {
        Lists.push_back(BuildQualifications(top));
        for (const auto& qualification : Lists.back()->Items)
            Totals.push_back({ qualification.get(), TotalRelevant(*qualification), TotalQualified(*qualification) });
    }
}

TDesignQualifications::~TDesignQualifications() = default;
