#pragma once

#include "storage/fileoutput.h"

#include <QStringList>

/// items.htm, the contents pane: the case's Contents lines as they are.

/// Writes the lines; an export keeps only the header line and the report links.
/// Throws TStorageError when the page cannot be written.
void WriteContentsPage(const QString& folder, QStringList lines, bool exportMode,
                       TWriteMode mode = TWriteMode::Replace);
/// The lines of the folder's contents page; false when it is missing,
/// unreadable or empty.
bool LoadContentsPage(const QString& folder, QStringList& lines);
/// The same for the contents page at `path`.
bool LoadContentsFile(const QString& path, QStringList& lines);
