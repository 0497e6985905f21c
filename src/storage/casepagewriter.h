#pragma once

class TFolderWriter;

/// "ORVEL case": the case's name and comment, its catalogues, the system
/// hierarchy with decision areas, options and effects, and the preclusions.
/// Sorts each option's precluded areas in place.
void WriteCasePage(const TFolderWriter& folder);
