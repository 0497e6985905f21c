#pragma once

#include <QString>

/// The fixed texts of the model's small ranges. Each lookup answers empty text
/// for a value outside its range, so a bad value never reads past the table.
QString InfluenceLevelText(int influence);       // 1..4
QString PreferenceLevelText(int preference);     // -3..+3
QString FeasibilityLevelText(int feasibility);   // -3..+3
QString ChangeDirectionText(int direction);      // -2..+2, 0 has no text
QString VMErrorText(int errorCode);              // -6..0

/// The directions of a goal: the sign says which way the value should go; the
/// relative ones count in percent of the base design's value.
enum TGoalDirection : int
{
    GoalDecreaseBy = -2,   // "decrease with X" (%)
    GoalAtMost = -1,       // "X or less"
    GoalAtLeast = 1,       // "X or more"
    GoalIncreaseBy = 2,    // "increase with X" (%)
};
inline bool IsRelativeDirection(int direction) { return direction == GoalDecreaseBy || direction == GoalIncreaseBy; }

/// "<img src="img/face-2.bmp" alt="word">": the face of a preference or feasibility.
QString FaceImage(int value, const QString& word);
/// "<img src="img/wght3.bmp" alt="word">": the weight of an influence.
QString WeightImage(int influence, const QString& word);
