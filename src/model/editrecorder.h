#pragma once

#include <QString>

/// Hears of every step of the user's editing (the outermost TCaseEdit), so
/// that it can be taken back; the program installs one on the open case.
class TEditRecorder
{
public:
    virtual ~TEditRecorder() = default;
    /// Before anything of the step `label` is done.
    virtual void StepBegins(const QString& label) = 0;
    /// After it, before it is announced; `changed` is false when the step
    /// changed nothing after all.
    virtual void StepEnds(bool changed) = 0;
};
