#include "cli/clicommand.h"

#include "cli/climessagesink.h"
#include "model/case.h"
#include "model/messages.h"
#include "storage/folderreader.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

namespace {

// The positional arguments are the synopsis's words before its first option;
// a bracketed word in capitals right after them ("[OUTFOLDER") may be left out.
QStringList PositionalNames(const TCliCommand& command, int* optional = nullptr)
{
    QStringList names;
    int left = 0;
    for (const QString& word : QString::fromLatin1(command.Synopsis).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1Char('[')) && word.size() > 1 && word[1].isUpper() && left == 0) {
            ++left;
            continue;
        }
        if (word.startsWith(QLatin1Char('[')) || word.startsWith(QLatin1Char('-')))
            break;
        names << word;
    }
    if (optional)
        *optional = left;
    return names;
}

} // namespace

int RunCommand(QCommandLineParser& parser, const TCliCommand& command, const QStringList& arguments,
               const TCommandWork& work)
{
    const QCommandLineOption helpOption({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help."));
    parser.addOption(helpOption);
    if (!parser.parse(arguments))
        return WrongCommandLine(command, parser.errorText());
    if (parser.isSet(helpOption)) {
        WrongCommandLine(command, QString());
        return 0;
    }
    int optional = 0;
    const QStringList names = PositionalNames(command, &optional);
    const qsizetype given = parser.positionalArguments().size();
    if (given < names.size() || given > names.size() + optional)
        return WrongCommandLine(command, QLatin1String(command.Name) + QStringLiteral(" needs ")
                                             + names.join(QStringLiteral(" and ")) + QLatin1Char('.'));
    TCliMessageSink sink;
    if (const int status = work(parser.positionalArguments(), sink))
        return status;
    return sink.ErrorCount > 0 ? 1 : 0;
}

int RunOnCase(QCommandLineParser& parser, const TCliCommand& command, const QStringList& arguments,
              const TCaseWork& work)
{
    return RunCommand(parser, command, arguments, [&work](const QStringList& positional, const TCliMessageSink& sink) {
        TCase aCase;
        if (const int status = ReadCaseForCommand(aCase, positional[0], sink))
            return status;
        return work(aCase, positional);
    });
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
