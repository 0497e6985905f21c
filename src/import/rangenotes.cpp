#include "import/rangenotes.h"

#include "import/caseimporter.h"

#include <algorithm>

int TRangeNotes::Clamp(qint64 value, int low, int high, const QString& field)
{
    const int clamped = int(std::clamp<qint64>(value, low, high));
    if (clamped != value)
        Notes << QStringLiteral("%1 %2 is outside %3..%4, %5 is used").arg(field).arg(value).arg(low).arg(high).arg(clamped);
    return clamped;
}

void TRangeNotes::Refuse(qint64 value, const QString& field)
{
    Notes << QStringLiteral("%1 %2 has no meaning").arg(field).arg(value);
    IsRefused = true;
}

void TRangeNotes::Report(const QString& row) const
{
    if (Notes.isEmpty())
        return;
    RowWarning(row, Notes.join(QStringLiteral("; ")) + (IsRefused ? QStringLiteral("; the row is skipped") : QString()));
}
