#pragma once

#include <QString>
#include <QStringList>

/// A save that replaces the files of a case folder all together or not at all.
///
/// The new files are written into a staging folder inside the case folder, so
/// nothing that the old case is read from changes meanwhile. One rename decides
/// the save: the staging folder becomes the journal, which holds every new file
/// and the list of old files to delete. Then each file is renamed over its old
/// version, the listed files go, and so does the journal.
///
/// A save stopped before that rename (a kill, a full disk, a read-only page)
/// leaves the old case plus a staging folder that is ignored and cleared later.
/// A save stopped after it leaves a journal: readers take each file from the
/// journal while it is there (TFolderFiles), and the next save completes it
/// first. Either way the folder reads as exactly the old or exactly the new
/// case. Files that a save does not write (reports, the user's own) are never
/// touched, and the folder keeps its name and place.
class TSaveTransaction
{
public:
    /// Completes or clears an interrupted save in `folder` (ending in "/") and
    /// starts a new one. Throws TStorageError.
    explicit TSaveTransaction(const QString& folder);
    /// Without Commit: the staging folder goes and the case folder stays as it was.
    ~TSaveTransaction();
    TSaveTransaction(const TSaveTransaction&) = delete;
    TSaveTransaction& operator=(const TSaveTransaction&) = delete;

    /// Where the new version of `name` ("items.htm", "img/sl0.bmp") is written.
    QString StagedPath(const QString& name) const { return Staging + name; }
    /// Where the current version of `name` is.
    QString LivePath(const QString& name) const { return Folder + name; }
    /// The old file `name` goes with the save.
    void Delete(const QString& name) { Deleted << name; }
    /// Decides the save and puts every file in place. Throws TStorageError; once
    /// the decision is made, a failure leaves a journal that completes later.
    void Commit();
    bool Committed() const { return IsCommitted; }

private:
    QString Folder;
    QString Staging;
    QStringList Deleted;
    bool IsCommitted = false;
};

/// The message with the save's own folders named as the case folder, which is
/// what the user knows.
QString InCaseFolderTerms(QString message, const QString& folder);

/// Completes a save whose journal is in the folder, and clears a save stopped
/// before it was decided. Throws TStorageError.
void FinishInterruptedSave(const QString& folder);

/// How a folder's files are found by a reader, which never writes: while an
/// interrupted save's journal is in the folder, its files stand for the old ones.
class TFolderFiles
{
public:
    enum TInterrupted { NotInterrupted, BeforeDecided, AfterDecided };

    explicit TFolderFiles(const QString& folder);
    /// The file that holds `name` ("ORVEL case.htm", "img/sl0.bmp").
    QString Path(const QString& name) const;
    bool Exists(const QString& name) const;
    TInterrupted Interrupted() const { return State; }

private:
    QString Folder;
    QString Journal;
    QStringList Deleted;
    TInterrupted State = NotInterrupted;
};
