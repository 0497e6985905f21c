#include "cli/climessagesink.h"

#include "formula/compiler.h"
#include "formula/vminstruction.h"
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
    // Nothing can be repaired here: the formula's own warnings, then its error, each once.
    const TOption* option = effect.Option;
    const TCompileResult compiled = CompileFormula(effect.Formula, option ? option->Case() : nullptr);
    for (const QString& warning : compiled.Warnings)
        Warning(warning);
    Warning(QStringLiteral("The formula of \"") + (option ? option->AreaAndName() : QString()) + QStringLiteral("\" for \"")
            + (effect.Variable ? effect.Variable->Name : QString()) + QStringLiteral("\" does not compile (")
            + compiled.Message + QStringLiteral("): ") + effect.Formula);
}
