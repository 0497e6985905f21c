#pragma once

#include <QString>
#include <vector>

class TCase;
class TCombination;
class TOption;

// The operations that create and change combinations. Each checks that the
// options can ever be chosen together in one design, reports a refusal through
// ShowInfo, and marks the case changed when it changes something.

/// Why these options can never occur together in a design, or an empty text
/// when they can: the same option twice, two options of one decision area, or
/// system levels of which none contains all the others (two sibling districts).
/// Fewer than two options are no combination either.
QString CombinationFault(const std::vector<TOption*>& options);
inline bool CanOccurTogether(const std::vector<TOption*>& options) { return CombinationFault(options).isEmpty(); }

/// The case's combination holding exactly these options (in any order), or nullptr.
TCombination* FindCombination(const TCase& aCase, const std::vector<TOption*>& options);

/// Appends a new combination of the options with the rating. Returns the
/// existing one, unchanged, when the case has it already; nullptr when refused.
TCombination* CreateCombination(TCase& aCase, const std::vector<TOption*>& options, int rating);

/// Adds the option to the combination. Returns the combination that now holds
/// the options: this one, or, when another already holds them, that other one
/// (this one is left as it was); nullptr when refused.
TCombination* ExtendCombination(TCombination* combination, TOption* option);

/// Sets the rating (-3..+3). False, with nothing changed, for a rating outside
/// the scale or the rating the combination has.
bool RateCombination(TCombination* combination, int rating);

/// Takes the option out of the combination. A combination left with one option
/// is deleted, and nullptr returned. Refused, with the combination returned
/// unchanged, when what remains is another combination of the case.
TCombination* RemoveFromCombination(TCombination* combination, TOption* option);
