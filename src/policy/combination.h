#pragma once

#include "model/nameless.h"

#include <QtGlobal>
#include <vector>

class TCase;
class TOption;

/// A combination of options rated from "impossible" (-3) to "ideal" (+3):
/// a problem or a promise.
class TCombination : public TNameless
{
public:
    explicit TCombination(TCase* owner) : Case(owner) {}

    TCase* Case;
    std::vector<TOption*> Options;   // not owned, in option order
    qint16 Rating = -1;

    bool Contains(const TOption* option) const;
};
