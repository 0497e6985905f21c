#pragma once

class TFolderWriter;

/// "ORVEL policies": every policy with its options.
void WritePoliciesPage(const TFolderWriter& folder);
