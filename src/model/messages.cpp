#include "model/messages.h"

namespace {

// Used when no program installed a sink: says nothing and answers No.
class TSilentSink final : public TMessageSink
{
public:
    void Error(const QString&) override {}
    void Warning(const QString&) override {}
    void Information(const QString&) override {}
    bool Confirm(const QString&) override { return false; }
    void Status(const QString&) override {}
    void Busy(bool) override {}
    void RepairFormula(TEffect&) override {}
};

TSilentSink silentSink;
// Each thread has its own: a case read ahead on a worker thread says nothing
// unless that thread installs a sink of its own.
thread_local TMessageSink* currentSink = &silentSink;

} // namespace

void SetMessageSink(TMessageSink* sink) { currentSink = sink ? sink : &silentSink; }
TMessageSink& MessageSink() { return *currentSink; }

void ShowError(const QString& message) { currentSink->Error(message); }
void ShowWarning(const QString& message) { currentSink->Warning(message); }
void ShowInfo(const QString& message) { currentSink->Information(message); }
bool AskYesNo(const QString& question) { return currentSink->Confirm(question); }
void ShowStatus(const QString& text) { currentSink->Status(text); }
void RepairFormula(TEffect& effect) { currentSink->RepairFormula(effect); }

TBusyScope::TBusyScope() { currentSink->Busy(true); }
TBusyScope::~TBusyScope() { currentSink->Busy(false); }
