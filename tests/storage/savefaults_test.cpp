// A save stopped at any step, by a failure or a kill, leaves a folder that reads
// as exactly the old or exactly the new case, and says which when the save was
// cut short; a full disk and a read-only file
// system are reported as such and keep the old case.
#include "storage/contentspage.h"
#include "storage/fileoutput.h"
#include "storage/savetransaction.h"
#include "folderfixture.h"

#include <cerrno>
#include <sys/mount.h>
#include <unistd.h>

namespace {

using TSnapshot = QMap<QString, QByteArray>;

const QString Report = QStringLiteral("ORVEL report 1.htm");

// The old case: designs, actors, combinations, policies, and a report the user made.
std::unique_ptr<TCase> OldCase()
{
    auto c = BuildRichCase();
    c->Contents << QStringLiteral("<a href=\"") + Report + QStringLiteral("\" target=main><b>Report #1</b></a><br>");
    return c;
}

// The new one differs in every page, has one design page fewer and a new icon.
std::unique_ptr<TCase> NewCase()
{
    auto c = OldCase();
    c->Name = QStringLiteral("Harbour renewed");
    c->DeleteDesign(c->Designs.Find("Plan B"));
    c->AddActor(QStringLiteral("Port authority"));
    c->Combinations.pop_back();
    c->Policies.Find("Coastal")->Comments = { QStringLiteral("Raised dikes") };
    c->SystemLevels.Find("City")->Icon.fill(Qt::darkGreen);
    return c;
}

// Every file as a reader finds it, the generator's date left out.
TSnapshot Snapshot(const QString& folder)
{
    const TFolderFiles files(folder);
    QStringList names;
    for (const QString& root : { folder, folder + QStringLiteral(".orvel-save/") }) {
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString name = it.next().mid(root.size());
            if (!name.startsWith(QLatin1Char('.')) && name != QStringLiteral("deleted"))
                names << name;
        }
    }
    TSnapshot snapshot;
    for (const QString& name : names)
        if (files.Exists(name))
            snapshot[name] = WithoutDate(ReadBytes(files.Path(name)));
    return snapshot;
}

// Files are never changed in place by a save, so a copy by hard links is a true copy.
void LinkCopy(const QString& from, const QString& to)
{
    QDir(to).removeRecursively();
    QDir().mkpath(to + QStringLiteral("img"));
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(to + path.mid(from.size())).constData()), 0);
    }
}

struct SaveFaultsTest : FolderTest
{
    QString Pristine = Temp.filePath(QStringLiteral("pristine/"));
    std::unique_ptr<TCase> Old = OldCase();
    std::unique_ptr<TCase> New = NewCase();

    ~SaveFaultsTest() override { SetSaveFaultHook({}); }

    void SaveOld(const QString& folder)
    {
        ASSERT_TRUE(WriteCaseFolder(*Old, folder));
        WriteBytes(folder + Report, "<html>a report</html>");
        WriteBytes(folder + QStringLiteral("notes.txt"), "the user's own notes");
    }
    // Reads the folder: no error or warning, and a note only where a save was cut short.
    std::unique_ptr<TCase> ExpectReadsCleanly(const QString& folder)
    {
        Messages.Clear();
        auto read = std::make_unique<TCase>();
        EXPECT_TRUE(ReadCaseFolder(*read, folder));
        EXPECT_TRUE(Messages.Errors().isEmpty() && Messages.Warnings().isEmpty()) << Joined(Messages.Messages);
        return read;
    }
};

// Counts the steps of a save, or stops it at one of them.
struct TStepCounter
{
    int Steps = 0;
    int StopAt = 0;
    int Error = 0;          // 0: the process is killed there
    int operator()(const char*, const QString&)
    {
        if (++Steps != StopAt)
            return 0;
        if (Error == 0)
            ::_exit(0);
        return Error;
    }
};

TEST_F(SaveFaultsTest, ASaveStoppedAtAnyStepLeavesTheOldOrTheNewCase)
{
    if (qgetenv("ORVEL_TEST_LOCALE") == "de_DE")
        GTEST_SKIP() << "the steps do not depend on the locale";
    SaveOld(Pristine);
    const TSnapshot oldCase = Snapshot(Pristine);
    const QString reference = Temp.filePath(QStringLiteral("reference/"));
    LinkCopy(Pristine, reference);
    auto counter = std::make_shared<TStepCounter>();
    SetSaveFaultHook([counter](const char* step, const QString& path) { return (*counter)(step, path); });
    ASSERT_TRUE(WriteCaseFolder(*New, reference));
    const TSnapshot newCase = Snapshot(reference);
    ASSERT_NE(oldCase, newCase);
    EXPECT_EQ(newCase.value(Report), oldCase.value(Report));
    EXPECT_FALSE(newCase.contains(QStringLiteral("ORVEL design 1.htm")));
    const int steps = counter->Steps;
    ASSERT_GT(steps, 20);

    int oldSeen = 0, newSeen = 0, namedBefore = 0, namedAfter = 0;
    for (int stop = 1; stop <= steps; ++stop) {
        for (const int error : { EIO, 0 }) {
            SCOPED_TRACE(QStringLiteral("step %1, %2").arg(stop).arg(error ? "failed" : "killed").toStdString());
            LinkCopy(Pristine, Folder);
            *counter = TStepCounter{ 0, stop, error };
            if (error)
                EXPECT_FALSE(WriteCaseFolder(*New, Folder));
            else   // the hook ends the child with 0 at the step
                ASSERT_EQ(InChildProcess([&] { return WriteCaseFolder(*New, Folder) ? 1 : 2; }), 0);
            *counter = TStepCounter{};
            const TSnapshot left = Snapshot(Folder);
            EXPECT_TRUE(left == oldCase || left == newCase);
            (left == oldCase ? oldSeen : newSeen)++;
            ExpectReadsCleanly(Folder);
            // Reading names a save that was cut short, as the case it left.
            const QStringList infos = Messages.Infos();
            EXPECT_LE(infos.size(), 1);
            if (!infos.isEmpty()) {
                EXPECT_TRUE(infos[0].contains(left == oldCase ? "before it was complete" : "after it was complete")) << infos[0].toStdString();
                (left == oldCase ? namedBefore : namedAfter)++;
            }
            // The next save completes or clears what the stopped one left.
            ASSERT_TRUE(WriteCaseFolder(*New, Folder));
            EXPECT_EQ(Snapshot(Folder), newCase);
            EXPECT_EQ(QDir(Folder).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot).filter(QStringLiteral(".orvel")),
                      QStringList());
        }
    }
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
    EXPECT_GT(namedBefore, 0);
    EXPECT_GT(namedAfter, 0);
    std::printf("kill and failure points tried: %d each; left the old case %d times (%d named), the new case %d times (%d named)\n",
                steps, oldSeen, namedBefore, newSeen, namedAfter);
}

// A contents page written on its own (a new report) while a save stopped after
// it was decided completes that save first, so that the save's older contents
// page never overtakes it.
TEST_F(SaveFaultsTest, AContentsPageWrittenAloneCompletesAnInterruptedSaveFirst)
{
    SaveOld(Folder);
    // Stop the save at the first rename after the journal is in place.
    bool decided = false;
    SetSaveFaultHook([&decided](const char* step, const QString& path) {
        if (path.endsWith(QStringLiteral(".orvel-save")))
            decided = true;
        return decided && QByteArray(step) == "rename" && !path.endsWith(QStringLiteral(".orvel-save")) ? EIO : 0;
    });
    EXPECT_FALSE(WriteCaseFolder(*New, Folder));
    SetSaveFaultHook({});
    const auto read = ExpectReadsCleanly(Folder);
    const QString link = QStringLiteral("<a href=\"ORVEL report 2.htm\" target=main><b>Report #2</b></a><br>");
    WriteContentsPage(Folder, read->Contents + QStringList{ link }, false);
    EXPECT_EQ(ExpectReadsCleanly(Folder)->Contents.last(), link);
    EXPECT_TRUE(Messages.Infos().isEmpty());
}

// A small file system of its own where the tests run as root (as in CI); a
// simulated failure of the same kind otherwise.
struct TSmallFileSystem
{
    explicit TSmallFileSystem(const QString& path) : Path(path)
    {
        QDir().mkpath(path);
        Mounted = ::geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, "size=1m") == 0;
    }
    ~TSmallFileSystem()
    {
        SetSaveFaultHook({});
        if (Mounted)
            ::umount2(QFile::encodeName(Path).constData(), MNT_DETACH);
    }
    // Makes the file system read-only, or every step fail as if it were.
    void MakeReadOnly()
    {
        if (Mounted)
            ASSERT_EQ(::mount("tmpfs", QFile::encodeName(Path).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=1m"), 0);
        else
            SetSaveFaultHook([](const char*, const QString&) { return EROFS; });
    }
    // Without a mount: the disk fills up at the first write of the case page.
    void FillUpUnlessMounted()
    {
        if (!Mounted)
            SetSaveFaultHook([](const char* step, const QString& path) {
                return QByteArray(step) == "write" && path.endsWith(QStringLiteral("ORVEL case.htm")) ? ENOSPC : 0;
            });
    }
    QString Path;
    bool Mounted = false;
};

TEST_F(SaveFaultsTest, AFullDiskOrAReadOnlyFileSystemIsReportedAndKeepsTheOldCase)
{
    TSmallFileSystem disk(Temp.filePath(QStringLiteral("small")));
    std::printf("small file system: %s\n", disk.Mounted ? "tmpfs" : "simulated failures");
    const QString folder = disk.Path + QStringLiteral("/case/");
    SaveOld(folder);
    const TSnapshot before = Snapshot(folder);

    New->Comments = { QString(3 << 20, QLatin1Char('x')) };   // more than the disk holds
    disk.FillUpUnlessMounted();
    Messages.Clear();
    New->Changed = true;
    EXPECT_FALSE(WriteCaseFolder(*New, folder));
    EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("Could not write file\r\"") + folder
                                              + QStringLiteral("ORVEL case.htm\"\rNo space left on device") });
    EXPECT_TRUE(New->Changed);
    EXPECT_EQ(Messages.BusyDepth, 0);
    EXPECT_EQ(Snapshot(folder), before);

    disk.MakeReadOnly();
    New->Comments.clear();
    Messages.Clear();
    EXPECT_FALSE(WriteCaseFolder(*New, folder));
    ASSERT_EQ(Messages.Errors().size(), 1);
    EXPECT_TRUE(Messages.Errors().first().endsWith(QStringLiteral("\rRead-only file system"))) << Messages.Errors().first().toStdString();
    EXPECT_EQ(Snapshot(folder), before);
    ExpectReadsCleanly(folder);
}

} // namespace
