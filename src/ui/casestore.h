#pragma once

#include <QString>
#include <memory>

class TCase;

/// Where the main window's case commands read and write case folders. The
/// program uses the case folder storage; tests put in stores of their own (a
/// failing write, a recording one).
class TCaseStore
{
public:
    virtual ~TCaseStore() = default;
    /// Writes the whole case into the folder, creating it when missing; the data
    /// pages compressed when exporting. True when every page was written. The
    /// case's Folder then names the folder; a save (not an export, whose pages
    /// cannot be read back) clears its Changed flag.
    virtual bool Write(TCase& aCase, const QString& folder, bool exporting) = 0;
    /// Reads the folder into the new, empty case. False when reading stopped
    /// with an error: the case then holds what was read up to there.
    virtual bool Read(TCase& aCase, const QString& folder) = 0;
    /// Writes the contents page (items.htm) of the case's folder from its Contents.
    /// On failure shows why and answers false.
    virtual bool WriteContents(const TCase& aCase) = 0;

    /// The store that reads and writes real case folders.
    static std::unique_ptr<TCaseStore> CaseFolders();
};
