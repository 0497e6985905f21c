#include "cli/climessagesink.h"

#include "formula/compiler.h"
#include "formula/vminstruction.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"
#include "model/variable.h"

#include <cstdio>

namespace {

// Messages break lines with CR; a terminal wants LF.
void Print(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fputs((shown + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

} // namespace

TCliMessageSink::TCliMessageSink() : Previous(&MessageSink()) { SetMessageSink(this); }
TCliMessageSink::~TCliMessageSink() { SetMessageSink(Previous); }

void TCliMessageSink::Error(const QString& message)
{
    ++ErrorCount;
    Print(ErrorPrefix + message);
}

void TCliMessageSink::Warning(const QString& message) { Print(QStringLiteral("Warning: ") + message); }
void TCliMessageSink::Information(const QString& message) { Print(QStringLiteral("Information: ") + message); }

bool TCliMessageSink::Confirm(const QString& question)
{
    Print(QStringLiteral("Question: ") + question + QStringLiteral(" -> No"));
    return false;
}

void TCliMessageSink::RepairFormula(TEffect& effect)
{
    const TOption* option = effect.Option;
    const QString message = CompileFormula(effect.Formula, option ? option->Case() : nullptr).Message;
    Print(QStringLiteral("Warning: The formula of \"") + (option ? option->DecisionArea->Name + QStringLiteral(" = ") + option->Name : QString())
          + QStringLiteral("\" for \"") + (effect.Variable ? effect.Variable->Name : QString())
          + QStringLiteral("\" does not compile (") + message + QStringLiteral("): ") + effect.Formula);
}
