#include "model/messagerecorder.h"

#include "model/effect.h"

TMessageRecorder::TMessageRecorder() : Previous(&MessageSink()) { SetMessageSink(this); }
TMessageRecorder::~TMessageRecorder() { SetMessageSink(Previous); }

void TMessageRecorder::Error(const QString& message) { Messages << QStringLiteral("error: ") + message; }
void TMessageRecorder::Warning(const QString& message) { Messages << QStringLiteral("warning: ") + message; }
void TMessageRecorder::Information(const QString& message) { Messages << QStringLiteral("info: ") + message; }

bool TMessageRecorder::Confirm(const QString& question)
{
    Messages << QStringLiteral("question: ") + question;
    return Answer;
}

void TMessageRecorder::Status(const QString&) {}   // progress is too chatty to assert on
void TMessageRecorder::Busy(bool on) { BusyDepth += on ? 1 : -1; }

void TMessageRecorder::RepairFormula(TEffect& effect)
{
    Messages << QStringLiteral("repair: ") + effect.Formula;
    if (OnRepair)
        OnRepair(effect);
}

QStringList TMessageRecorder::Filtered(const QString& prefix) const
{
    QStringList result;
    for (const QString& m : Messages)
        if (m.startsWith(prefix))
            result << m.mid(prefix.size());
    return result;
}
