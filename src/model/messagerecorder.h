#pragma once

#include "model/messages.h"

#include <QStringList>
#include <functional>

/// A message sink that remembers everything said, for tests and for programs
/// that report after the fact. Each entry is prefixed by its kind:
/// "error: ", "warning: ", "info: ", "question: ", "status: ", "repair: ".
class TMessageRecorder : public TMessageSink
{
public:
    TMessageRecorder();                  // installs itself
    ~TMessageRecorder() override;        // restores the sink it replaced

    QStringList Messages;
    bool Answer = false;                 // the answer to every question
    std::function<void(TEffect&)> OnRepair;   // optional repair action
    int BusyDepth = 0;

    QStringList Errors() const { return Filtered(QStringLiteral("error: ")); }
    QStringList Warnings() const { return Filtered(QStringLiteral("warning: ")); }
    QStringList Infos() const { return Filtered(QStringLiteral("info: ")); }
    void Clear() { Messages.clear(); }

    void Error(const QString& message) override;
    void Warning(const QString& message) override;
    void Information(const QString& message) override;
    bool Confirm(const QString& question) override;
    void Status(const QString& text) override;
    void Busy(bool on) override;
    void RepairFormula(TEffect& effect) override;

private:
    QStringList Filtered(const QString& prefix) const;
    TMessageSink* Previous;
};
