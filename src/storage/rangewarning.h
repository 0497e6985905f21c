#pragma once

#include <QString>

/// A row whose value lies outside its range is left out with a warning that
/// names it, so that no such value reaches the model, and the reading goes on.
/// True when the value is in range.
bool CheckRange(int value, int low, int high, const QString& row, const QString& field);
