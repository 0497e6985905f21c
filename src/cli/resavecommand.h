#pragma once

#include "cli/clicommand.h"

/// resave FOLDER OUTFOLDER [--export]: reads a case folder and writes it again,
/// as a save or as an export.
extern const TCliCommand ResaveCommand;
