#include "design/precludedarea.h"

#include "design/designobject.h"
#include "model/decisionarea.h"
#include "model/option.h"
#include "model/systemlevel.h"

#include <algorithm>

namespace {

void AddRecord(TPrecludedAreas& records, TDecisionArea* area, TOption* option)
{
    auto it = std::find_if(records.begin(), records.end(),
                           [area](const auto& r) { return r->DecisionArea == area; });
    if (it == records.end()) {
        records.push_back(std::make_unique<TPrecludedArea>());
        records.back()->DecisionArea = area;
        it = records.end() - 1;
    }
    if (std::find((*it)->Options.begin(), (*it)->Options.end(), option) == (*it)->Options.end())
        (*it)->Options.push_back(option);
}

bool HasRecord(const TPrecludedAreas& records, const TDecisionArea* area)
{
    return std::any_of(records.begin(), records.end(), [area](const auto& r) { return r->DecisionArea == area; });
}

// Option order, then the places in the lists, so that no two options tie.
bool ComesFirst(const TOption* a, const TOption* b)
{
    if (OptionLess(a, b))
        return true;
    if (OptionLess(b, a))
        return false;
    auto place = [](const TOption* o) {
        const TDecisionArea* area = o->DecisionArea;
        return std::make_tuple(area->SystemLevel->Index(), area->SystemLevel->DecisionAreas.IndexOf(area),
                               area->Options.IndexOf(o));
    };
    return place(a) < place(b);
}

// Which of an object's own choices keep their effect, given the areas that
// choices above already rule out.
class TOwnChoices
{
public:
    TOwnChoices(const TDesignObject& object, const TPrecludedAreas& fromAbove)
        : Level(object.SystemLevel), Options(object.DesignOptions), Count(Options.size()),
          State(Count, Open), Ignored(Count * Count, false)
    {
        for (size_t x = 0; x < Count; ++x)
            if (HasRecord(fromAbove, Options[x]->DecisionArea))
                State[x] = Without;
        while (Settle())
            IgnoreCycleInto(FirstOpen());
    }

    bool HasEffect(size_t x) const { return State[x] == With; }

    /// The option at x rules out the area of the option at y here.
    bool RulesOut(size_t x, size_t y) const
    {
        const TDecisionArea* area = Options[y]->DecisionArea;
        return area->SystemLevel == Level && Options[x]->Precludes(area) && !Ignored[x * Count + y];
    }

    bool IsIgnored(size_t x, const TDecisionArea* area) const
    {
        for (size_t y = 0; y < Count; ++y)
            if (Options[y]->DecisionArea == area && Ignored[x * Count + y])
                return true;
        return false;
    }

private:
    enum TState { Open, With, Without };

    // Settles what follows from what is settled; true while some stay open.
    bool Settle()
    {
        for (bool progress = true; progress;) {
            progress = false;
            for (size_t y = 0; y < Count; ++y) {
                if (State[y] != Open)
                    continue;
                bool ruledOut = false, allWithout = true;
                for (size_t x = 0; x < Count; ++x) {
                    if (!RulesOut(x, y))
                        continue;
                    ruledOut = ruledOut || State[x] == With;
                    allWithout = allWithout && State[x] == Without;
                }
                if (ruledOut || allWithout) {
                    State[y] = ruledOut ? Without : With;
                    progress = true;
                }
            }
        }
        return std::find(State.begin(), State.end(), Open) != State.end();
    }

    size_t FirstOpen() const
    {
        size_t first = Count;
        for (size_t y = 0; y < Count; ++y)
            if (State[y] == Open && (first == Count || ComesFirst(Options[y], Options[first])))
                first = y;
        return first;
    }

    // Only open choices rule out an open choice: they all lie on cycles.
    void IgnoreCycleInto(size_t y)
    {
        for (size_t x = 0; x < Count; ++x)
            if (State[x] == Open && RulesOut(x, y))
                Ignored[x * Count + y] = true;
    }

    const TSystemLevel* Level;
    const std::vector<TOption*>& Options;
    size_t Count;
    std::vector<TState> State;
    std::vector<bool> Ignored;   // [x * Count + y]: x's preclusion of y's area does not apply
};

} // namespace

TPrecludedAreas DerivePrecludedAreas(const TDesignObject& object)
{
    TPrecludedAreas records;
    const TSystemLevel* level = object.SystemLevel;
    if (!level)
        return records;
    std::vector<const TDesignObject*> chain;
    for (const TDesignObject* o = object.Parent; o; o = o->Parent)
        chain.push_back(o);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (TOption* option : (*it)->DesignOptions)
            if ((*it)->HasEffect(option))
                for (TDecisionArea* area : option->PrecludedAreas)
                    if (area->SystemLevel == level)
                        AddRecord(records, area, option);
    const TOwnChoices own(object, records);
    for (size_t x = 0; x < object.DesignOptions.size(); ++x) {
        if (!own.HasEffect(x))
            continue;
        TOption* option = object.DesignOptions[x];
        for (TDecisionArea* area : option->PrecludedAreas)
            if (area->SystemLevel == level && !own.IsIgnored(x, area))
                AddRecord(records, area, option);
    }
    return records;
}
