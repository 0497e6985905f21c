#include "policy/combination.h"

#include "model/case.h"
#include "model/enumerations.h"
#include "model/helpers.h"
#include "model/option.h"

#include <algorithm>

bool TCombination::Contains(const TOption* option) const
{
    return std::find(Options.begin(), Options.end(), option) != Options.end();
}

std::vector<TCombination*> CombinationsOf(const TOption* option)
{
    std::vector<TCombination*> result;
    for (const auto& combination : option->Case()->Combinations)
        if (combination->Contains(option))
            result.push_back(combination.get());
    return result;
}

int CompareCombinations(const TCombination* a, const TCombination* b)
{
    if (a->Rating != b->Rating)
        return b->Rating - a->Rating;
    const size_t common = std::min(a->Options.size(), b->Options.size());
    for (size_t i = 0; i < common; ++i) {
        if (OptionLess(a->Options[i], b->Options[i]))
            return -1;
        if (OptionLess(b->Options[i], a->Options[i]))
            return 1;
    }
    // A combination that extends another lists before it.
    if (a->Options.size() != b->Options.size())
        return a->Options.size() > b->Options.size() ? -1 : 1;
    return 0;
}

void SortCombinations(std::vector<std::unique_ptr<TCombination>>& combinations)
{
    std::stable_sort(combinations.begin(), combinations.end(),
                     [](const auto& a, const auto& b) { return CompareCombinations(a.get(), b.get()) < 0; });
}

void SortCombinations(std::vector<TCombination*>& combinations)
{
    std::stable_sort(combinations.begin(), combinations.end(),
                     [](const TCombination* a, const TCombination* b) { return CompareCombinations(a, b) < 0; });
}

QStringList CombinationRows(const TCombination& combination)
{
    const QString word = FeasibilityLevelText(combination.Rating);
    QStringList rows;
    rows << QStringLiteral("<tr><td>") + FaceImage(combination.Rating, word) + QStringLiteral("</td><td>[") + word
                + QStringLiteral(" combination]</td></tr>") + CommentRow(combination);
    QStringList options;
    for (const TOption* option : combination.Options)
        options << OptionRow(*option, 0);
    return rows << NestedTable(qsizetype(combination.Options.size()), options);
}
