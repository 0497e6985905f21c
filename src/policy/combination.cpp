#include "policy/combination.h"

#include <algorithm>

bool TCombination::Contains(const TOption* option) const
{
    return std::find(Options.begin(), Options.end(), option) != Options.end();
}
