// Feeds the case folder reader with folders made from the fuzzer's bytes. The
// input is split at NUL bytes into the files of a folder, in the order of
// FolderFiles; a file the input does not reach is left out of the folder.
#include "model/case.h"
#include "storage/folderreader.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

const char* const FolderFiles[] = {
    "ORVEL case.htm", "items.htm", "ORVEL propro.htm", "ORVEL actors.htm",
    "ORVEL design 0.htm", "ORVEL policies.htm", "img/sl0.bmp", "img/cat0.bmp",
};

QTemporaryDir* Folder = nullptr;

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet);
    static QGuiApplication app(*argc, *argv);
    Folder = new QTemporaryDir;
    QDir(Folder->path()).mkdir(QStringLiteral("img"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = input.split('\0');
    const QString folder = Folder->path() + QLatin1Char('/');
    for (qsizetype i = 0; i < qsizetype(std::size(FolderFiles)); ++i) {
        const QString path = folder + QLatin1String(FolderFiles[i]);
        if (i >= parts.size()) {
            QFile::remove(path);
            continue;
        }
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(parts[i]);
    }
    TCase aCase;
    ReadCaseFolder(aCase, folder);
    return 0;
}
