#pragma once

class TCase;
class TCategory;
class TPhase;

// Phases (Order, from 0) and categories (Number, from 1) carry the user's
// ordering as numbers. A new item goes after the highest number, so that no two
// items share one after a delete; moving an item onto another takes that one's
// number and shifts the items in between by one.

/// The order a new phase takes: the highest order plus one (0 for the first).
int NextPhaseOrder(const TCase& aCase);
/// The number a new category takes: the highest number plus one (1 for the first).
int NextCategoryNumber(const TCase& aCase);

/// Moves `dragged` to the place of `target`; false when that changes nothing.
bool MovePhase(TCase& aCase, TPhase* dragged, TPhase* target);
bool MoveCategory(TCase& aCase, TCategory* dragged, TCategory* target);
