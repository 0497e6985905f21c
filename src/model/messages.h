#pragma once

#include <QString>

class TEffect;

/// How the core talks to the user. The program installs one sink at start-up
/// (message boxes in the desktop program, stderr in orvel-cli, a recorder in tests);
/// the core never opens a window itself.
class TMessageSink
{
public:
    virtual ~TMessageSink() = default;
    virtual void Error(const QString& message) = 0;       // shown with the "ORVEL ERROR: " prefix
    virtual void Warning(const QString& message) = 0;
    virtual void Information(const QString& message) = 0;
    virtual bool Confirm(const QString& question) = 0;     // Yes/No; true for Yes
    virtual void Status(const QString& text) = 0;          // progress text after the case name
    virtual void Busy(bool on) = 0;
    /// A stored formula failed to compile: let the user repair it (the formula
    /// editor in its checking mode). The effect's Formula holds the faulty text.
    virtual void RepairFormula(TEffect& effect) = 0;
};

/// Installs the sink (not owned) for the calling thread; nullptr restores the
/// silent default. Other threads keep theirs, silent unless they install one.
void SetMessageSink(TMessageSink* sink);
TMessageSink& MessageSink();

inline const QString ErrorPrefix = QStringLiteral("ORVEL ERROR: ");

void ShowError(const QString& message);
void ShowWarning(const QString& message);
void ShowInfo(const QString& message);
bool AskYesNo(const QString& question);
void ShowStatus(const QString& text);
void RepairFormula(TEffect& effect);

/// Busy state for the lifetime of the object, so that an early return or an
/// exception never leaves the busy cursor behind.
class TBusyScope
{
public:
    TBusyScope();
    ~TBusyScope();
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;
};
