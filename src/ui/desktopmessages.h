#pragma once

#include "model/messages.h"

class TORVEL;

/// How the core talks to the user in the desktop program: message boxes, the
/// busy cursor, the status bar and the formula editor.
class TDesktopMessages : public TMessageSink
{
public:
    explicit TDesktopMessages(TORVEL& window) : Window(window) {}

    void Error(const QString& message) override;
    void Warning(const QString& message) override;
    void Information(const QString& message) override;
    bool Confirm(const QString& question) override;
    void Status(const QString& text) override;
    void Busy(bool on) override;
    void RepairFormula(TEffect& effect) override;

    /// The core breaks lines with CR; message boxes want LF.
    static QString BoxText(const QString& message);

private:
    TORVEL& Window;
    int BusyDepth = 0;
};
