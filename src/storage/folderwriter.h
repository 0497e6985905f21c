#pragma once

#include "storage/pagehead.h"

#include <QString>
#include <memory>

class TCase;
class TPageWriter;
class TSaveTransaction;

/// Snapshot writes only the data pages, as undo keeps them: no contents page,
/// icons, frameset, info page or reports.
enum class TSaveMode { Normal, Export, Snapshot };

/// Writes the whole case into `path` (created when missing, one level):
/// items.htm, img/, index.htm, "ORVEL info.htm" and the data pages, which an
/// export writes compressed as ".cmc" files. The files are replaced all together
/// or not at all (TSaveTransaction). A save clears the case's Changed flag; an
/// export, which writes copies, does not. Answers false after showing the error.
bool WriteCaseFolder(TCase& aCase, const QString& path, TSaveMode mode = TSaveMode::Normal);

/// What the writers of the data pages share.
class TFolderWriter
{
public:
    TFolderWriter(TCase& aCase, TSaveTransaction& save, TSaveMode mode) : Case(aCase), Save(save), Mode(mode) {}

    TCase& Case;
    TSaveTransaction& Save;
    const TSaveMode Mode;

    /// Starts the data page `baseName` (".htm", or ".cmc" in an export) with its head.
    std::unique_ptr<TPageWriter> BeginDataPage(const QString& baseName, TPageKind kind, int number = 0) const;
    /// Writes the closing lines and puts the page in place.
    static void EndDataPage(TPageWriter& page);
};
