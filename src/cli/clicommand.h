#pragma once

#include <QStringList>

#include <functional>

class QCommandLineParser;
class TCase;
class TCliMessageSink;

/// One command of orvel-cli. `Run` gets the command line from the command's
/// name on and answers the exit status: 0 when no error message was shown,
/// 1 when one was, 2 for a wrong command line or unusable input.
struct TCliCommand
{
    const char* Name;
    const char* Synopsis;      // the arguments, as --help shows them: the positional ones first
    const char* Description;
    int (*Run)(const QStringList& arguments);
};

inline constexpr int ExitWrongCommandLine = 2;

/// Prints `message` and the command's usage to stderr; answers ExitWrongCommandLine.
int WrongCommandLine(const TCliCommand& command, const QString& message);

/// What a command does once its command line is parsed, with the positional
/// arguments and the installed sink: answers 0, or the exit status to end with.
using TCommandWork = std::function<int(const QStringList& positional, const TCliMessageSink& sink)>;
/// What a command does with the case read from the folder named first.
using TCaseWork = std::function<int(TCase& aCase, const QStringList& positional)>;

/// The course of every command: adds --help to the parser (which already holds
/// the command's own options), parses the arguments, checks that the positional
/// arguments of the synopsis are all there, installs the message sink and runs
/// `work`. Answers its status, or 1 when an error message was shown.
int RunCommand(QCommandLineParser& parser, const TCliCommand& command, const QStringList& arguments,
               const TCommandWork& work);
/// RunCommand for a command on a case folder: reads the case first.
int RunOnCase(QCommandLineParser& parser, const TCliCommand& command, const QStringList& arguments,
              const TCaseWork& work);

/// Reads the case folder for a command. Answers 0 when it was read without an
/// error message, else the exit status to end with (2: no folder to read, 1:
/// the folder had faults). `sink` is the installed sink that counts errors.
int ReadCaseForCommand(TCase& aCase, const QString& folder, const TCliMessageSink& sink);

/// A field of output: backslash, tab and line breaks written as "\\", "\t" and
/// "\n", so that every line is one record and every tab separates fields.
QString EscapeField(const QString& text);
/// Prints one line of output: the fields, each passed through EscapeField
/// unless it is listed in `escaped`, separated by tabs.
void PrintFields(const QStringList& fields, const QList<int>& escaped = {});
