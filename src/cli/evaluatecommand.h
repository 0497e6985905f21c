#pragma once

#include "cli/clicommand.h"

/// evaluate FOLDER [--objects]: reads a case folder and prints the value of
/// every variable for every design, and with --objects every attribute of
/// every design object.
extern const TCliCommand EvaluateCommand;
