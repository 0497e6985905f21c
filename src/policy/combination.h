#pragma once

#include "model/nameless.h"

#include <QStringList>
#include <QtGlobal>
#include <memory>
#include <vector>

class TCase;
class TOption;

/// A combination of options rated from "impossible" (-3) to "ideal" (+3):
/// a problem or a promise. The case's Combinations list owns it.
class TCombination : public TNameless
{
public:
    explicit TCombination(TCase* owner) : Case(owner) {}

    TCase* Case;
    std::vector<TOption*> Options;   // not owned, in option order, one per decision area
    qint16 Rating = -1;

    bool Contains(const TOption* option) const;
};

/// The case's combinations that contain the option, in the case's list order.
std::vector<TCombination*> CombinationsOf(const TOption* option);

/// The order in which combinations are listed: higher rating first, then the
/// options pairwise in option order, then the longer first. Negative when a
/// comes first.
int CompareCombinations(const TCombination* a, const TCombination* b);
void SortCombinations(std::vector<std::unique_ptr<TCombination>>& combinations);
void SortCombinations(std::vector<TCombination*>& combinations);

/// The rows of the combination: its rating with the comment, then its options.
QStringList CombinationRows(const TCombination& combination);
