// Writes the example case that ships under examples/: orvel_example_generator FOLDER.
// The folder must be new or empty, so that no page of an older example stays behind.
#include "examplebuilder.h"
#include "model/case.h"
#include "model/messagerecorder.h"
#include "rivertown.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>

namespace {

int Fail(const QString& message)
{
    std::fputs((message + QLatin1Char('\n')).toUtf8().constData(), stderr);
    return 1;
}

// The example must open without a word: anything the model said is a fault here.
bool Silent(const TMessageRecorder& messages, const QString& stage)
{
    if (messages.Messages.isEmpty())
        return true;
    Fail(stage + QStringLiteral(" said:\n  ") + messages.Messages.join(QStringLiteral("\n  ")));
    return false;
}

// Qt's own notes (about the runtime folder of the offscreen platform) are not ours to show.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        Fail(message);
}

int Generate(const QString& folder)
{
    TMessageRecorder messages;
    std::unique_ptr<TCase> example = BuildRivertown();
    if (!Silent(messages, QStringLiteral("Building the case")))
        return 1;
    if (!WriteCaseFolder(*example, folder) || !Silent(messages, QStringLiteral("Writing the case")))
        return 1;
    TCase check;
    if (!ReadCaseFolder(check, QDir(folder).absolutePath() + QLatin1Char('/'))
        || !Silent(messages, QStringLiteral("Reading the case back")))
        return 1;
    std::printf("Wrote %s\n", qPrintable(QDir(folder).absolutePath()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Icons are drawn with QPainter, which needs a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication app(argc, argv);
    // The shipped pages use "." as decimal separator, whoever runs the generator.
    QLocale::setDefault(QLocale::c());
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2)
        return Fail(QStringLiteral("Usage: orvel_example_generator FOLDER"));
    const QDir folder(arguments[1]);
    if (folder.exists() && !folder.isEmpty())
        return Fail(QStringLiteral("%1 is not empty; remove it first").arg(arguments[1]));
    try {
        return Generate(arguments[1]);
    } catch (const TExampleError& error) {
        return Fail(QString::fromStdString(error.what()));
    }
}
