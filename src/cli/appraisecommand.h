#pragma once

#include "cli/clicommand.h"

/// appraise FOLDER [--objectives] [--options] [--qualifications] [--base DESIGN]:
/// every actor's appreciation of every design, one line each.
extern const TCliCommand AppraiseCommand;
