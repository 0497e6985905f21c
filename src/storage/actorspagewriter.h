#pragma once

class TFolderWriter;

/// "ORVEL actors": every actor with its positions. Sorts each actor's lists
/// in place into the order the page lists them.
void WriteActorsPage(const TFolderWriter& folder);
