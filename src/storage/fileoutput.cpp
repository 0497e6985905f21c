#include "storage/fileoutput.h"

#include "storage/storageerror.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TSaveFaultHook& FaultHook()
{
    static TSaveFaultHook hook;
    return hook;
}

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

[[noreturn]] void Fail(const QString& path, int error) { throw TStorageError{ WriteFailure(path, Reason(error)) }; }

// Lets the test hook stop or fail the step before it runs.
void Step(const char* step, const QString& path)
{
    if (FaultHook())
        if (const int error = FaultHook()(step, path))
            Fail(path, error);
}

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

bool LinkStat(const QString& path, struct stat& info) { return ::lstat(Native(path).constData(), &info) == 0; }

} // namespace

void SetSaveFaultHook(TSaveFaultHook hook) { FaultHook() = std::move(hook); }

QString WriteFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Could not write file\r\"") + path + QStringLiteral("\"\r") + reason;
}

TFileOutput::TFileOutput(const QString& path, TWriteMode mode) : FinalPath(path)
{
    Step("create", path);
    if (mode == TWriteMode::Staged) {
        Fd = ::open(Native(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (Fd < 0)
            Fail(path, errno);
        return;
    }
    QByteArray temp = Native(path) + ".XXXXXX";
    Fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (Fd < 0)
        Fail(path, errno);
    TempPath = QFile::decodeName(temp);
    // Pages are as readable as any file the user makes; mkstemp makes them private.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(Fd, 0666 & ~mask);
}

TFileOutput::~TFileOutput()
{
    if (Fd >= 0) {
        ::close(Fd);
        if (!TempPath.isEmpty())
            ::unlink(Native(TempPath).constData());
    }
}

void TFileOutput::Write(const char* data, qint64 size)
{
    while (size > 0) {
        Step("write", FinalPath);
        const ssize_t written = ::write(Fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            Fail(FinalPath, written < 0 ? errno : ENOSPC);
        data += written;
        size -= written;
    }
}

void TFileOutput::Finish()
{
    if (!TempPath.isEmpty()) {
        Step("sync", FinalPath);
        if (::fsync(Fd) != 0)
            Fail(FinalPath, errno);
    }
    const int fd = Fd;
    Fd = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        if (!TempPath.isEmpty())
            ::unlink(Native(TempPath).constData());
        Fail(FinalPath, error);
    }
    if (TempPath.isEmpty())
        return;
    try {
        RenameFile(TempPath, FinalPath);
    } catch (...) {
        ::unlink(Native(TempPath).constData());
        throw;
    }
}

void WriteWholeFile(const QString& path, const QByteArray& bytes, TWriteMode mode)
{
    TFileOutput file(path, mode);
    file.Write(bytes.constData(), bytes.size());
    file.Finish();
}

void SyncFile(const QString& path)
{
    Step("sync", path);
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        Fail(path, errno);
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!synced)
        Fail(path, error);
}

void RenameFile(const QString& from, const QString& to)
{
    Step("rename", to);
    if (::rename(Native(from).constData(), Native(to).constData()) != 0)
        Fail(to, errno);
}

void RemoveFile(const QString& path)
{
    Step("remove", path);
    if (::unlink(Native(path).constData()) != 0 && errno != ENOENT)
        throw TStorageError{ QStringLiteral("Could not delete file\r\"") + path + QStringLiteral("\"\r") + Reason(errno) };
}

void MakeRealFolder(const QString& path)
{
    struct stat info {};
    if (LinkStat(path, info)) {
        if (S_ISDIR(info.st_mode))
            return;
        RemoveFile(path);
    }
    Step("mkdir", path);
    if (::mkdir(Native(path).constData(), 0777) != 0 && errno != EEXIST)
        Fail(path, errno);
}

void SyncFolder(const QString& path)
{
    Step("sync", path);
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        Fail(path, errno);
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;   // some file systems cannot
    const int error = errno;
    ::close(fd);
    if (!synced)
        Fail(path, error);
}

void RemoveFolderTree(const QString& path)
{
    if (!IsRealFolder(path))
        return;
    const QStringList names = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const QString entry = path + QLatin1Char('/') + name;
        if (IsRealFolder(entry))
            RemoveFolderTree(entry);
        else
            RemoveFile(entry);
    }
    Step("remove", path);
    if (::rmdir(Native(path).constData()) != 0 && errno != ENOENT)
        throw TStorageError{ QStringLiteral("Could not delete folder\r\"") + path + QStringLiteral("\"\r") + Reason(errno) };
}

bool IsRealFolder(const QString& path)
{
    struct stat info {};
    return LinkStat(path, info) && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const QString& path)
{
    struct stat info {};
    return LinkStat(path, info) && S_ISREG(info.st_mode);
}

bool ReadRegularFile(const QString& path, qint64 largest, QByteArray& bytes)
{
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > largest
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    bytes = file.read(largest);
    return true;
}
