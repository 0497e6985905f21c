#include "model/optionnumbers.h"

#include "model/decisionarea.h"
#include "model/option.h"

#include <algorithm>

std::vector<TOption*> NumberedOptions(const TDecisionArea& area)
{
    std::vector<TOption*> options(area.Options.begin(), area.Options.end());
    std::stable_sort(options.begin(), options.end(),
                     [](const TOption* a, const TOption* b) { return a->Number < b->Number; });
    return options;
}

void InsertOptionNumber(TOption& option, int number)
{
    for (TOption* other : option.DecisionArea->Options)
        if (other != &option && other->Number >= number)
            ++other->Number;
    option.Number = number;
    MarkCaseChanged(option.Case());
}

bool MoveOptionNumber(TOption& dragged, TOption& target)
{
    if (&dragged == &target || dragged.DecisionArea != target.DecisionArea)
        return false;
    const std::vector<TOption*> order = NumberedOptions(*dragged.DecisionArea);
    const auto from = std::find(order.begin(), order.end(), &dragged) - order.begin();
    const auto to = std::find(order.begin(), order.end(), &target) - order.begin();
    const int number = target.Number;
    // Walking from the target towards the dragged option, each takes one step its way.
    const int step = to > from ? -1 : 1;
    for (auto i = to; i != from; i += step)
        order[size_t(i)]->Number += step;
    dragged.Number = number;
    MarkCaseChanged(dragged.Case());
    return true;
}
