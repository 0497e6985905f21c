// Feeds the case folder reader with folders made from the fuzzer's bytes. The
// input is split at NUL bytes into the files of a folder, in the order of
// FolderFiles, pages and icons; a file the input does not reach, or whose part
// is empty, is left out of the folder, so that the later pages are reached
// without the earlier. Icons hold NUL bytes: in their parts the byte 1 escapes,
// "\x01\x02" standing for a NUL byte and "\x01\x01" for the byte 1. A folder that
// reads without fault is saved, and what was saved must read back and save again
// to the very same pages.
#include "model/case.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "support/pagefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const char* const FolderFiles[] = {
    "ORVEL case.htm", "items.htm", "ORVEL propro.htm", "ORVEL actors.htm",
    "ORVEL design 0.htm", "ORVEL policies.htm", "img/sl0.bmp", "img/cat0.bmp",
    "ORVEL design 1.htm", "img/sl1.bmp", "img/phase0.bmp", "img/qual0.bmp",
};

QTemporaryDir* Folder = nullptr;

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

QByteArray Unescaped(const QByteArray& part)
{
    QByteArray bytes;
    bytes.reserve(part.size());
    for (qsizetype i = 0; i < part.size(); ++i) {
        if (part[i] == '\x01' && i + 1 < part.size())
            bytes.append(part[++i] == '\x02' ? '\0' : part[i]);
        else
            bytes.append(part[i]);
    }
    return bytes;
}

void CheckSavedCaseReadsBack(TCase& read)
{
    const QString first = Folder->filePath(QStringLiteral("first/"));
    const QString second = Folder->filePath(QStringLiteral("second/"));
    if (!WriteCaseFolder(read, first))
        std::abort();
    TCase again;
    if (!ReadCaseFolder(again, first) || !WriteCaseFolder(again, second))
        std::abort();
    for (const char* page : FolderFiles)
        if (QByteArray(page).endsWith(".htm")
            && WithoutDate(ReadBytes(first + QLatin1String(page))) != WithoutDate(ReadBytes(second + QLatin1String(page))))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet);
    static QGuiApplication app(*argc, *argv);
    // Memory-backed where possible: every input that reads is saved twice.
    const bool shm = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    Folder = new QTemporaryDir(shm ? QStringLiteral("/dev/shm/orvel-fuzz-XXXXXX") : QDir::tempPath() + QStringLiteral("/orvel-fuzz-XXXXXX"));
    QDir(Folder->path()).mkpath(QStringLiteral("case/img"));
    // The fuzzer ends by exit(): the folder would outlive the run, in memory.
    std::atexit([] { delete Folder; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = input.split('\0');
    const QString folder = Folder->filePath(QStringLiteral("case/"));
    for (qsizetype i = 0; i < qsizetype(std::size(FolderFiles)); ++i) {
        const QString path = folder + QLatin1String(FolderFiles[i]);
        if (i >= parts.size() || parts[i].isEmpty()) {
            QFile::remove(path);
            continue;
        }
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(path.endsWith(QLatin1String(".bmp")) ? Unescaped(parts[i]) : parts[i]);
    }
    TCase aCase;
    if (ReadCaseFolder(aCase, folder))
        CheckSavedCaseReadsBack(aCase);
    return 0;
}
