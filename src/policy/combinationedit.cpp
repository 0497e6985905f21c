#include "policy/combinationedit.h"

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/messages.h"
#include "model/option.h"
#include "model/systemlevel.h"
#include "policy/combination.h"

#include <algorithm>

namespace {

bool SameSet(std::vector<TOption*> a, std::vector<TOption*> b)
{
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

// The highest level must contain every other: options elsewhere are never
// chosen below one design object, so the combination could never match.
bool LevelsNest(const std::vector<TOption*>& options)
{
    const TOption* top = *std::min_element(options.begin(), options.end(), [](const TOption* a, const TOption* b) {
        return a->SystemLevel()->Depth < b->SystemLevel()->Depth;
    });
    return std::all_of(options.begin(), options.end(),
                       [top](const TOption* o) { return top->SystemLevel()->IsWithin(o->SystemLevel()); });
}

TCombination* Refuse(const QString& fault)
{
    ShowInfo(fault);
    return nullptr;
}

} // namespace

QString CombinationFault(const std::vector<TOption*>& options)
{
    for (size_t i = 0; i < options.size(); ++i)
        for (size_t j = i + 1; j < options.size(); ++j) {
            if (options[i] == options[j])
                return QStringLiteral("Option cannot combine with itself");
            if (options[i]->DecisionArea == options[j]->DecisionArea)
                return QStringLiteral("Option cannot combine with another option for same decision area");
        }
    if (options.size() < 2)
        return QStringLiteral("A combination needs at least two options");
    if (!LevelsNest(options))
        return QStringLiteral("These options never occur together in a design: the system level of one of them "
                              "must contain the levels of all the others");
    return QString();
}

TCombination* FindCombination(const TCase& aCase, const std::vector<TOption*>& options)
{
    for (const auto& combination : aCase.Combinations)
        if (combination->Options.size() == options.size() && SameSet(combination->Options, options))
            return combination.get();
    return nullptr;
}

TCombination* CreateCombination(TCase& aCase, const std::vector<TOption*>& options, int rating)
{
    if (const QString fault = CombinationFault(options); !fault.isEmpty())
        return Refuse(fault);
    if (TCombination* existing = FindCombination(aCase, options))
        return existing;
    auto combination = std::make_unique<TCombination>(&aCase);
    combination->Options = options;
    SortOptions(combination->Options);
    combination->Rating = qint16(std::clamp(rating, -3, 3));
    aCase.Combinations.push_back(std::move(combination));
    MarkCaseChanged(&aCase);
    return aCase.Combinations.back().get();
}

TCombination* ExtendCombination(TCombination* combination, TOption* option)
{
    std::vector<TOption*> options = combination->Options;
    options.push_back(option);
    if (const QString fault = CombinationFault(options); !fault.isEmpty())
        return Refuse(fault);
    if (TCombination* existing = FindCombination(*combination->Case, options))
        return existing;
    SortOptions(options);
    combination->Options = std::move(options);
    MarkCaseChanged(combination->Case);
    return combination;
}

bool RateCombination(TCombination* combination, int rating)
{
    if (rating < -3 || rating > 3 || combination->Rating == rating)
        return false;
    combination->Rating = qint16(rating);
    MarkCaseChanged(combination->Case);
    return true;
}

TCombination* RemoveFromCombination(TCombination* combination, TOption* option)
{
    if (!combination->Contains(option))
        return combination;
    std::vector<TOption*> options = combination->Options;
    std::erase(options, option);
    if (options.size() < 2) {
        combination->Case->DeleteCombination(combination);
        return nullptr;
    }
    if (FindCombination(*combination->Case, options)) {
        ShowInfo(QStringLiteral("The combination without this option exists already"));
        return combination;
    }
    combination->Options = std::move(options);
    MarkCaseChanged(combination->Case);
    return combination;
}
