#pragma once

#include "model/helpers.h"

#include <QtGlobal>

/// One stack entry, and the result of an attribute: an error code (0 none,
/// negative codes as in VMErrorText) travelling with its value.
struct TVMResult
{
    qint32 Error = 0;
    double Value = UndefinedValue;
};

enum TVMErrorCode : qint32 {
    VMNoError = 0,
    VMDivisionByZero = -1,   // "#DIV0!"
    VMNumericFault = -2,     // "#NEG.LOG!"
    VMConflict = -3,         // "#CONFLICT!"
    VMStackError = -4,       // "#STACK?"
    VMNoAttribute = -5,      // "#ATTRIBUTE?"
    VMSyntaxError = -6,      // "#SYNTAX!": the formula does not compile
};
