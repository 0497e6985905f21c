#pragma once

#include "model/conceptlist.h"

#include <vector>

class TCombination;
class TDesignObject;

/// The design objects, one list per option of a combination, where that option
/// is chosen and has effect.
using TSelections = std::vector<std::vector<TDesignObject*>>;

/// True when the combination occurs at the design object: all its options are
/// chosen with effect under the one object of the first option's level that
/// holds `object`, and options of one level are chosen in the same objects.
/// `selections`, when given, receives where each option is chosen.
bool OccursIn(const TCombination& combination, const TDesignObject* object, TSelections* selections = nullptr);

/// How often the combination occurs among the objects and below them, each
/// occurrence counted with the cumulative count of the object where it occurs.
int CountOccurrences(const TCombination& combination, const TConceptList<TDesignObject>& objects);
