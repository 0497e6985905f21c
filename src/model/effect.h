#pragma once

#include "model/nameless.h"
#include "formula/vmcode.h"

#include <QString>

class TOption;
class TVariable;

/// The effect of an option on a variable: a formula, compiled to Code.
class TEffect : public TNameless
{
public:
    TEffect(TOption* option, TVariable* variable);
    ~TEffect() override;

    TOption* Option;
    TVariable* Variable;
    QString Formula;
    TVMCode Code;
    bool NullWhenStatusQuo = false;

    /// Sets Formula to the trimmed text and compiles it into Code, for an effect
    /// that designs do not use yet (TOption::EditEffect edits one in use).
    /// Returns the compiler's message (empty on success); then Code gives
    /// "#SYNTAX!" in every design. Warnings show only for a formula that
    /// compiles. An empty text gives empty Code.
    QString SetFormula(const QString& text);
    /// Compiles Formula again (after a variable it names came or went).
    QString Recompile();
    /// True when Code reads the variable.
    bool Reads(const TVariable* variable) const;

    QString IconHTML() const;
    QString Row() const;
};
