#include "storage/savetransaction.h"

#include "storage/fileoutput.h"
#include "storage/pagetext.h"

#include <QDir>
#include <QFile>

namespace {

// Hidden, so that a browser's view of the folder stays that of the case.
const QString StagingName = QStringLiteral(".orvel-save.new");
const QString JournalName = QStringLiteral(".orvel-save");
const QString DeletedList = QStringLiteral("deleted");

// Only plain file names of the folder itself may be deleted.
bool IsPlainName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\'));
}

QStringList ReadDeletedList(const QString& journal)
{
    QFile file(journal + DeletedList);
    if (!IsRegularFile(file.fileName()) || !file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QString& name : PageLines(file.read(1 << 20)))
        if (IsPlainName(name))
            names << name;
    return names;
}

QStringList RegularFiles(const QString& folder)
{
    QStringList files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        if (IsRegularFile(folder + name))
            files << name;
    return files;
}

void MoveFiles(const QString& from, const QString& to, const QString& except = QString())
{
    for (const QString& name : RegularFiles(from))
        if (name != except)
            RenameFile(from + name, to + name);
}

// Puts the journal's files in place, deletes the listed ones, then the journal.
// Every step may be repeated, so a completion that is itself stopped completes later.
void CompleteJournal(const QString& folder)
{
    const QString journal = folder + JournalName + QLatin1Char('/');
    const QString images = journal + QStringLiteral("img/");
    if (IsRealFolder(images) && !RegularFiles(images).isEmpty()) {
        MakeRealFolder(folder + QStringLiteral("img"));
        MoveFiles(images, folder + QStringLiteral("img/"));
        SyncFolder(folder + QStringLiteral("img"));
    }
    MoveFiles(journal, folder, DeletedList);
    for (const QString& name : ReadDeletedList(journal))
        RemoveFile(folder + name);
    SyncFolder(folder);
    RemoveFolderTree(folder + JournalName);
}

} // namespace

QString InCaseFolderTerms(QString message, const QString& folder)
{
    for (const QString& name : { StagingName, JournalName }) {
        message.replace(folder + name + QLatin1Char('/'), folder);
        message.replace(folder + name, folder);
    }
    return message;
}

void FinishInterruptedSave(const QString& folder)
{
    if (IsRealFolder(folder + JournalName))
        CompleteJournal(folder);
    else
        RemoveFile(folder + JournalName);   // a file or a link of that name is no journal
    RemoveFolderTree(folder + StagingName);
}

TSaveTransaction::TSaveTransaction(const QString& folder)
    : Folder(folder), Staging(folder + StagingName + QLatin1Char('/'))
{
    FinishInterruptedSave(Folder);
    MakeRealFolder(Folder + StagingName);
}

TSaveTransaction::~TSaveTransaction()
{
    if (IsCommitted)
        return;
    try {
        RemoveFolderTree(Folder + StagingName);
    } catch (...) {
        // Left for the next save to clear; readers never look at it.
    }
}

namespace {

// Files are flushed all together once written, which costs far less than one
// flush after each.
void SyncFiles(const QString& folder)
{
    if (!IsRealFolder(folder))
        return;
    for (const QString& name : RegularFiles(folder + QLatin1Char('/')))
        SyncFile(folder + QLatin1Char('/') + name);
    SyncFolder(folder);
}

} // namespace

void TSaveTransaction::Commit()
{
    WriteWholeFile(Staging + DeletedList, Deleted.join(QLatin1Char('\n')).toUtf8(), TWriteMode::Staged);
    SyncFiles(Staging + QStringLiteral("img"));
    SyncFiles(Folder + StagingName);
    RenameFile(Folder + StagingName, Folder + JournalName);   // the save is decided here
    IsCommitted = true;
    SyncFolder(Folder);
    CompleteJournal(Folder);
}

TFolderFiles::TFolderFiles(const QString& folder) : Folder(folder), Journal(folder + JournalName + QLatin1Char('/'))
{
    if (IsRealFolder(folder + JournalName)) {
        State = AfterDecided;
        Deleted = ReadDeletedList(Journal);
    } else if (IsRealFolder(folder + StagingName)) {
        State = BeforeDecided;
    }
}

QString TFolderFiles::Path(const QString& name) const
{
    if (State == AfterDecided && (Deleted.contains(name) || IsRegularFile(Journal + name)))
        return Journal + name;
    return Folder + name;
}

bool TFolderFiles::Exists(const QString& name) const { return QFile::exists(Path(name)); }
