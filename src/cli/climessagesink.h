#pragma once

#include "model/messages.h"

/// Tells the user on stderr what the desktop program would show in message
/// boxes: "ORVEL ERROR: " + text, "Warning: " + text, "Information: " + text,
/// and "Question: " + text + " -> No" (questions are always answered No).
/// Progress and busy state are not shown. Installs itself while it lives.
class TCliMessageSink : public TMessageSink
{
public:
    TCliMessageSink();
    ~TCliMessageSink() override;

    int ErrorCount = 0;

    void Error(const QString& message) override;
    void Warning(const QString& message) override;
    void Information(const QString& message) override;
    bool Confirm(const QString& question) override;
    void Status(const QString&) override {}
    void Busy(bool) override {}
    /// No editor to repair a formula in: the faulty formula is named as a warning.
    void RepairFormula(TEffect& effect) override;

private:
    TMessageSink* Previous;
};
