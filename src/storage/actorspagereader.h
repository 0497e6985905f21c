#pragma once

class TFolderReader;

/// Reads the actors of "ORVEL actors.htm" with their positions into the case.
/// A missing page is reported and skipped; a fault throws TStorageError.
void ReadActorsPage(TFolderReader& folder);
