#include "policy/combinationrule.h"

#include "model/decisionarea.h"
#include "model/option.h"
#include "model/systemlevel.h"
#include "policy/combination.h"

bool CanOccur(const TCombination& combination)
{
    const auto& options = combination.Options;
    for (size_t i = 0; i < options.size(); ++i)
        for (size_t j = i + 1; j < options.size(); ++j) {
            if (options[i]->DecisionArea == options[j]->DecisionArea)
                return false;
            const TSystemLevel* a = options[i]->SystemLevel();
            const TSystemLevel* b = options[j]->SystemLevel();
            if (!a->IsWithin(b) && !b->IsWithin(a))
                return false;
        }
    return true;
}
