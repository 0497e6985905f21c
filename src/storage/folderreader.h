#pragma once

#include <QString>

class TCase;
class TFileBuffer;

/// Fills a new, empty case from a case folder: the contents page, then each
/// data page. Progress texts and the busy state go through the message sink.
/// A fault stops the reading with one error message and keeps what was read.
/// Answers false when the reading stopped or a page was missing.
bool ReadCaseFolder(TCase& aCase, const QString& path);

/// What the readers of the data pages share.
class TFolderReader
{
public:
    TFolderReader(TCase& aCase, const QString& folder) : Case(aCase), Folder(folder) {}

    TCase& Case;
    const QString Folder;            // ends in a path separator
    bool RebuildContents = false;    // items.htm was missing: the readers add its lines
    bool HadError = false;

    /// Shows the progress text and opens the page; a missing page is
    /// reported ("Could not open file") and answers false.
    bool OpenPage(TFileBuffer& buffer, const QString& fileName, const QString& status);
};
