#include "cli/clicommand.h"

#include "cli/climessagesink.h"
#include "model/case.h"
#include "model/messages.h"
#include "storage/folderreader.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

int ParseCommandLine(QCommandLineParser& parser, const TCliCommand& command, const QStringList& arguments,
                     int folderCount, const QString& missing)
{
    const QCommandLineOption helpOption({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help."));
    parser.addOption(helpOption);
    if (!parser.parse(arguments))
        return WrongCommandLine(command, parser.errorText());
    if (parser.isSet(helpOption)) {
        WrongCommandLine(command, QString());
        return 0;
    }
    if (parser.positionalArguments().size() != folderCount)
        return WrongCommandLine(command, missing);
    return -1;
}

int ReadCaseForCommand(TCase& aCase, const QString& folder, const TCliMessageSink& sink)
{
    const QFileInfo input(folder);
    if (!input.isDir() || !input.isReadable()) {
        ShowError(QStringLiteral("Could not open folder\r\"") + folder + QStringLiteral("\""));
        return ExitWrongCommandLine;
    }
    // Answers from a case read only in part would look right but are not.
    return ReadCaseFolder(aCase, input.absoluteFilePath() + QLatin1Char('/')) && sink.ErrorCount == 0 ? 0 : 1;
}

QString EscapeField(const QString& text)
{
    QString field = text;
    field.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    field.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    field.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    field.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    field.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return field;
}

void PrintFields(const QStringList& fields, const QList<int>& escaped)
{
    QStringList line;
    for (qsizetype i = 0; i < fields.size(); ++i)
        line << (escaped.contains(int(i)) ? fields[i] : EscapeField(fields[i]));
    std::fputs((line.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8().constData(), stdout);
}
