#pragma once

#include "formula/vmcode.h"

#include <QString>
#include <QStringList>

class TCase;

/// What the compiler gives back: the code emitted (up to the error, if any),
/// the message (empty on success), the warnings (each once; the caller decides
/// whether to show them), the 1-based position just after the last token read,
/// and that token's length in its internal form.
struct TCompileResult
{
    TVMCode Code;
    QString Message;
    QStringList Warnings;
    int Position = 1;
    int TokenLength = 0;
};

/// Compiles a formula; variable references are looked up in the case's
/// variables (an unknown name gives a warning and compiles to a reference to nothing).
TCompileResult CompileFormula(const QString& text, const TCase* aCase);

/// The formula without the characters of code 32 or below at either end, as it
/// is stored and compiled; `leading` gets how many were cut at the start.
QString TrimFormula(const QString& text, qsizetype* leading = nullptr);
