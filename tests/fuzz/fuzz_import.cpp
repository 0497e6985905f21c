// Feeds the database import with tables filled from the fuzzer's bytes: any
// contents end the import with a case or with a message, never with a crash.
#include "../import/bytesasrows.h"
#include "import/caseimport.h"
#include "model/case.h"
#include "model/messagerecorder.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

namespace {

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TOldDatabaseBuilder db(QStringLiteral(":memory:"));
    FillFromBytes(db, QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    TMessageRecorder quiet;
    ImportCase(db.Database(), QStringLiteral("F"));
    return 0;
}
