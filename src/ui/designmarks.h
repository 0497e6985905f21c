#pragma once

#include <QIcon>
#include <QPixmap>

class TAppreciation;
class TSystemLevel;

// The marks the design windows draw on their entries.

/// A design in the design list: open in its editor, the base design, both or neither.
QIcon DesignMarkIcon(bool open, bool base);
/// A design object: its level's design icon with a red corner while
/// decisions are open, a green one once all are taken.
QIcon ObjectMarkIcon(const TSystemLevel* level, bool undecided);

/// How an option stands at a design object.
enum class TOptionState
{
    Neither,     // another option of its area is chosen
    Open,        // no option of its area is chosen yet
    Chosen,      // chosen for the design
    StatusQuo,   // holds in the status quo
    Both,
};
/// The state mark, after a green dot when the option carries qualifiers.
QIcon OptionMarkIcon(TOptionState state, bool qualified);
/// Width of the option mark; a click within it chooses the option.
inline constexpr int OptionMarkWidth = 26;

/// A feasibility or preference -3..+3 as its face (0: a plain one).
QIcon RatingFaceIcon(int level);   // a neutral dot for 0
/// The appreciation's 40 x 15 bar.
QIcon BarIcon(const TAppreciation& appreciation);
/// An evaluation result: in error, or the aggregation mode of its variable.
QIcon AttributeMarkIcon(bool error, int aggregationMode);
