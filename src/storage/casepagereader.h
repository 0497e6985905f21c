#pragma once

class TFolderReader;

/// Reads "ORVEL case.htm" into the case: name, comment, catalogues, the system
/// hierarchy with decision areas, options and effects, and the preclusions.
/// A missing page is reported and answers false; a fault throws TStorageError.
bool ReadCasePage(TFolderReader& folder);
