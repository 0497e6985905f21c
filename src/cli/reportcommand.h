#pragma once

#include "cli/clicommand.h"

/// report FOLDER --design NAME [--design NAME ...] [--base DESIGN] [flags]:
/// writes an impact report into the case folder.
extern const TCliCommand ReportCommand;
