#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

/// The file operations of a save. Each one is a step that a test can make fail
/// or stop (see SetSaveFaultHook), so that a save can be cut short at every
/// write and every rename. Failures throw TStorageError naming the file and
/// the system's reason ("No space left on device", "Read-only file system").

/// Called before every step with its name ("write", "rename", ...) and path;
/// answers 0 to let it run, or an errno value to make it fail with that error.
using TSaveFaultHook = std::function<int(const char* step, const QString& path)>;
/// Installs the hook (tests only); an empty function removes it.
void SetSaveFaultHook(TSaveFaultHook hook);

/// How a file is written: on its own, through a temporary file beside it that
/// is flushed to the disk and renamed over the old file; or as part of a save,
/// straight into the save's staging folder, which is flushed as a whole.
enum class TWriteMode { Replace, Staged };

/// Writes one file. A symbolic link in its place is replaced, never written
/// through. Without Finish the old file stays (Replace) or the new one is
/// incomplete (Staged, where the save then fails).
class TFileOutput
{
public:
    explicit TFileOutput(const QString& path, TWriteMode mode = TWriteMode::Replace);
    ~TFileOutput();
    TFileOutput(const TFileOutput&) = delete;
    TFileOutput& operator=(const TFileOutput&) = delete;

    void Write(const char* data, qint64 size);
    void Finish();
    const QString& Path() const { return FinalPath; }

private:
    QString FinalPath;
    QString TempPath;   // empty when staged
    int Fd = -1;
};

/// A whole small file through TFileOutput.
void WriteWholeFile(const QString& path, const QByteArray& bytes, TWriteMode mode = TWriteMode::Replace);
/// Flushes a file's contents to the disk.
void SyncFile(const QString& path);
void RenameFile(const QString& from, const QString& to);
/// Removes a file or a symbolic link; a file that is not there is no fault.
void RemoveFile(const QString& path);
/// Makes the folder, replacing a symbolic link or a file of that name.
void MakeRealFolder(const QString& path);
/// Flushes a folder's entries (new names, renames) to the disk.
void SyncFolder(const QString& path);
/// Removes a folder with everything in it, without following links.
void RemoveFolderTree(const QString& path);

/// True when the path is a real folder, not a symbolic link to one.
bool IsRealFolder(const QString& path);
/// True when the path is a regular file, not a symbolic link or anything else.
bool IsRegularFile(const QString& path);

/// "Could not write file" + CR + quoted path + CR + reason.
QString WriteFailure(const QString& path, const QString& reason);

/// Reads a regular file of at most `largest` bytes; a pipe or a device, which
/// could block or never end, a larger file or a missing one answer false.
bool ReadRegularFile(const QString& path, qint64 largest, QByteArray& bytes);
