#pragma once

#include <QString>
#include <QStringList>

/// The fields of one row brought into their ranges, told in one warning that
/// names the row, so that no value outside a range reaches the model.
class TRangeNotes
{
public:
    /// The value, or the nearest end of low..high (noted) when outside.
    int Clamp(qint64 value, int low, int high, const QString& field);
    /// Notes a field whose value makes the row unusable.
    void Refuse(qint64 value, const QString& field);
    bool Refused() const { return IsRefused; }
    /// Shows the warning, if anything was noted.
    void Report(const QString& row) const;

private:
    QStringList Notes;
    bool IsRefused = false;
};
