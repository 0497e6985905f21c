#pragma once

#include "storage/filebuffer.h"
#include "storage/savetransaction.h"

#include <QString>

class TCase;

/// Fills a new, empty case from a case folder: the contents page, then each
/// data page. Progress texts and the busy state go through the message sink.
/// A fault stops the reading with one error message and keeps what was read.
/// Answers false when the reading stopped or a page was missing.
bool ReadCaseFolder(TCase& aCase, const QString& path);

/// What the readers of the data pages share.
class TFolderReader
{
public:
    TFolderReader(TCase& aCase, const QString& folder) : Case(aCase), Folder(folder), Files(folder) {}

    TCase& Case;
    const QString Folder;            // ends in a path separator
    const TFolderFiles Files;        // where each file is, after an interrupted save
    bool RebuildContents = false;    // items.htm was missing: the readers add its lines
    bool HadError = false;

    /// Shows the progress text and opens the page; a missing page is
    /// reported ("Could not open file") and answers false.
    bool OpenPage(TFileBuffer& buffer, const QString& fileName, const QString& status);
    /// Reads a page that is one table of items: `readItem` (TFileBuffer&) once
    /// per row found by `rowMarker`. A missing page is reported and skipped.
    template <class ReadItem>
    void ReadItemsPage(const QString& fileName, const QString& status, const QString& rowMarker, ReadItem readItem);
};

template <class ReadItem>
void TFolderReader::ReadItemsPage(const QString& fileName, const QString& status, const QString& rowMarker,
                                  ReadItem readItem)
{
    TFileBuffer buffer;
    if (!OpenPage(buffer, fileName, status))
        return;
    buffer.ReadTable(rowMarker, [&] { readItem(buffer); });
    buffer.Close();
}
