#pragma once

class TFolderReader;

/// Reads the combinations of "ORVEL propro.htm" into the case, in the order
/// the writer keeps them. A missing page is reported and skipped; a fault
/// throws TStorageError.
void ReadProblemsPromisesPage(TFolderReader& folder);
