#include "storage/rangewarning.h"

#include "storage/storageerror.h"

bool CheckRange(int value, int low, int high, const QString& row, const QString& field)
{
    if (value >= low && value <= high)
        return true;
    ShowReadWarning(row + QStringLiteral(" skipped: %1 %2 is outside %3..%4").arg(field).arg(value).arg(low).arg(high));
    return false;
}
