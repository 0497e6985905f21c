#include "cli/appraisecommand.h"
#include "cli/clicommand.h"
#include "cli/evaluatecommand.h"
#include "cli/importcommand.h"
#include "cli/reportcommand.h"
#include "cli/resavecommand.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>

namespace {

// Every command of the program, in the order --help lists them.
const TCliCommand* const Commands[] = {
    &ResaveCommand,
    &EvaluateCommand,
    &AppraiseCommand,
    &ReportCommand,
    &ImportCommand,
};

QString Usage(const TCliCommand& command)
{
    return QStringLiteral("  orvel-cli %1 %2\n      %3\n")
        .arg(QLatin1String(command.Name), QLatin1String(command.Synopsis), QLatin1String(command.Description));
}

QString Help()
{
    QString text = QStringLiteral("Usage: orvel-cli COMMAND [ARGUMENTS]\n"
                                  "ORVEL without a display: batch work on case folders.\n"
                                  "Numbers are written with \".\" as decimal separator.\n"
                                  "Messages go to stderr; exit status 0 without error messages, 1 with,\n"
                                  "2 for a wrong command line or an unreadable input.\n\nCommands:\n");
    for (const TCliCommand* command : Commands)
        text += Usage(*command);
    return text + QStringLiteral("\nOptions:\n  -h, --help     Show this help.\n  -v, --version  Show the version.\n");
}

// Stderr carries the user's messages only: Qt's own notes (about the runtime
// folder of the offscreen platform, for one) stay out of it.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((message + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

} // namespace

int WrongCommandLine(const TCliCommand& command, const QString& message)
{
    const QString text = (message.isEmpty() ? QString() : message + QLatin1Char('\n')) + QStringLiteral("Usage:\n")
                         + Usage(command);
    std::fputs(text.toUtf8().constData(), message.isEmpty() ? stdout : stderr);
    return ExitWrongCommandLine;
}

int main(int argc, char** argv)
{
    // Icons are drawn with QPainter, which needs a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvel-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
    QLocale::setDefault(QLocale::c());

    const QStringList arguments = app.arguments();
    const QString first = arguments.value(1);
    for (const TCliCommand* command : Commands)
        if (first == QLatin1String(command->Name))
            return command->Run(arguments.mid(1));
    if (first == QLatin1String("-h") || first == QLatin1String("--help") || first == QLatin1String("help")) {
        std::fputs(Help().toUtf8().constData(), stdout);
        return 0;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        std::fputs("orvel-cli 3.0\n", stdout);
        return 0;
    }
    const QString problem = first.isEmpty() ? QStringLiteral("No command given.\n")
                                            : QStringLiteral("Unknown command \"%1\".\n").arg(first);
    std::fputs((problem + Help()).toUtf8().constData(), stderr);
    return ExitWrongCommandLine;
}
