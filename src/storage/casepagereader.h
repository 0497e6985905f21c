#pragma once

class TFolderReader;

/// Reads "ORVEL case.htm" into the case: name, comment, catalogues, the system
/// hierarchy with decision areas, options and effects, and the preclusions.
/// A missing page is reported and skipped; a fault throws TStorageError.
void ReadCasePage(TFolderReader& folder);
