#pragma once

class TFolderWriter;

/// "ORVEL propro": the problems and promises. Sorts the case's combinations
/// in place into the order the page lists them.
void WriteProblemsPromisesPage(const TFolderWriter& folder);
