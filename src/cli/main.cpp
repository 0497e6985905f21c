#include <QCommandLineParser>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvel-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ORVEL without a display: batch work on case folders."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    parser.showHelp(0);
}
