#pragma once

class TFolderReader;

/// Reads the policies of "ORVEL policies.htm" with their options into the
/// case. A missing page is reported and skipped; a fault throws TStorageError.
void ReadPoliciesPage(TFolderReader& folder);
