#include "policy/occurrence.h"

#include "design/designobject.h"
#include "model/decisionarea.h"
#include "model/option.h"
#include "model/systemlevel.h"
#include "policy/combination.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

namespace {

const TDesignObject* AncestorAtLevel(const TDesignObject* object, const TSystemLevel* level)
{
    while (object && object->SystemLevel != level)
        object = object->Parent;
    return object;
}

// Keeps in `list` only the objects that are also in `other`.
void KeepCommon(std::vector<TDesignObject*>& list, const std::vector<TDesignObject*>& other)
{
    const std::unordered_set<TDesignObject*> kept(other.begin(), other.end());
    std::erase_if(list, [&](TDesignObject* d) { return !kept.contains(d); });
}

} // namespace

bool OccursIn(const TCombination& combination, const TDesignObject* object, TSelections* selections)
{
    const std::vector<TOption*>& options = combination.Options;
    if (options.empty() || options.back()->SystemLevel()->Depth < object->Depth())
        return false;
    const TDesignObject* top = AncestorAtLevel(object, options.front()->SystemLevel());
    if (!top)
        return false;
    TSelections found;
    for (const TOption* option : options) {
        found.push_back(top->FindSelections(option));
        if (found.back().empty())
            return false;
    }
    // Options of one level go together only where they are chosen in the same object.
    for (size_t i = 0; i + 1 < options.size(); ++i) {
        if (options[i]->SystemLevel() != options[i + 1]->SystemLevel())
            continue;
        KeepCommon(found[i + 1], found[i]);
        if (found[i + 1].empty())
            return false;
        KeepCommon(found[i], found[i + 1]);
        if (found[i].empty())
            return false;
    }
    if (selections)
        *selections = std::move(found);
    return true;
}

namespace {

qint64 CountBelow(const TCombination& combination, const TConceptList<TDesignObject>& objects)
{
    qint64 total = 0;
    for (const TDesignObject* object : objects) {
        if (OccursIn(combination, object))
            total += object->CumulativeCount();
        // Every object below one of the first option's level would search from
        // that same object again: the answer there is already known.
        else if (object->SystemLevel != combination.Options.front()->SystemLevel())
            total += CountBelow(combination, object->Children);
        total = std::min<qint64>(total, std::numeric_limits<int>::max());
    }
    return total;
}

} // namespace

int CountOccurrences(const TCombination& combination, const TConceptList<TDesignObject>& objects)
{
    if (combination.Options.empty())
        return 0;
    return int(CountBelow(combination, objects));
}
