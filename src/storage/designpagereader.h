#pragma once

class TFolderReader;

/// Reads "ORVEL design 0.htm", "ORVEL design 1.htm", ... up to the first
/// missing number: each design with its objects and their chosen options,
/// chosen again through the same operations that editing uses. When the
/// contents page is being rebuilt, adds a link per page read. A fault throws
/// TStorageError.
void ReadDesignPages(TFolderReader& folder);
