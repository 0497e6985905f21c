#pragma once

#include "cli/clicommand.h"

/// import DATABASE [OUTFOLDER --case NAME]: lists the cases of an old relational
/// database, or imports one and writes it as a case folder.
extern const TCliCommand ImportCommand;
