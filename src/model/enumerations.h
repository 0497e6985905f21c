#pragma once

#include <QString>

/// The fixed texts of the model's small ranges. Each lookup answers empty text
/// for a value outside its range, so a bad value never reads past the table.
QString InfluenceLevelText(int influence);       // 1..4
QString PreferenceLevelText(int preference);     // -3..+3
QString FeasibilityLevelText(int feasibility);   // -3..+3
QString ChangeDirectionText(int direction);      // -2..+2, 0 has no text
QString VMErrorText(int errorCode);              // -5..0

bool IsInfluence(int value);
bool IsPreferenceOrFeasibility(int value);
