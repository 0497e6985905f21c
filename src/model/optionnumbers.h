#pragma once

#include <vector>

class TDecisionArea;
class TOption;

/// The options of an area in the user's order: by number, ties in list order.
std::vector<TOption*> NumberedOptions(const TDecisionArea& area);

/// Gives `option` the place `number` among its area's options: every other
/// option numbered `number` or more moves one up.
void InsertOptionNumber(TOption& option, int number);

/// Moves `dragged` to the place of `target` (same area): the dragged option takes
/// the target's number, and every option from the target up to the dragged one
/// moves one place towards the dragged option's old place. False, changing
/// nothing, for options of different areas or the option itself.
bool MoveOptionNumber(TOption& dragged, TOption& target);
