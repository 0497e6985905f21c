#include "model/ordering.h"

#include "model/case.h"

#include <algorithm>
#include <vector>

namespace {

template <class T>
int NextNumber(const TConceptList<T>& list, int T::*number, int first)
{
    int next = first;
    for (const T* item : list)
        next = std::max(next, item->*number + 1);
    return next;
}

// The items in the order their numbers give, ties in list order.
template <class T>
std::vector<T*> ByNumber(const TConceptList<T>& list, int T::*number)
{
    std::vector<T*> items(list.begin(), list.end());
    std::stable_sort(items.begin(), items.end(), [number](const T* a, const T* b) { return a->*number < b->*number; });
    return items;
}

template <class T>
bool Move(const TConceptList<T>& list, int T::*number, T* dragged, T* target)
{
    if (!list.Contains(dragged) || !list.Contains(target))
        return false;
    const int from = dragged->*number;
    const int to = target->*number;
    if (from == to)
        return false;
    const std::vector<T*> items = ByNumber(list, number);
    const auto d = std::find(items.begin(), items.end(), dragged);
    const auto t = std::find(items.begin(), items.end(), target);
    if (to > from)
        for (auto i = d + 1; i <= t; ++i)
            --((*i)->*number);
    else
        for (auto i = t; i < d; ++i)
            ++((*i)->*number);
    dragged->*number = to;
    return true;
}

} // namespace

int NextPhaseOrder(const TCase& aCase) { return NextNumber(aCase.Phases, &TPhase::Order, 0); }
int NextCategoryNumber(const TCase& aCase) { return NextNumber(aCase.Categories, &TCategory::Number, 1); }

bool MovePhase(TCase& aCase, TPhase* dragged, TPhase* target)
{
    return Move(aCase.Phases, &TPhase::Order, dragged, target);
}

bool MoveCategory(TCase& aCase, TCategory* dragged, TCategory* target)
{
    return Move(aCase.Categories, &TCategory::Number, dragged, target);
}
