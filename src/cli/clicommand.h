#pragma once

#include <QStringList>

class QCommandLineParser;
class TCase;
class TCliMessageSink;

/// One command of orvel-cli. `Run` gets the command line from the command's
/// name on and answers the exit status: 0 when no error message was shown,
/// 1 when one was, 2 for a wrong command line or unusable input.
struct TCliCommand
{
    const char* Name;
    const char* Synopsis;      // the arguments, as --help shows them
    const char* Description;
    int (*Run)(const QStringList& arguments);
};

inline constexpr int ExitWrongCommandLine = 2;

/// Prints `message` and the command's usage to stderr; answers ExitWrongCommandLine.
int WrongCommandLine(const TCliCommand& command, const QString& message);

/// Adds --help to the parser, parses the arguments and checks that exactly
/// `folderCount` folders are named (`missing` says what is lacking). Answers -1
/// when the command goes on, else the exit status to end with (0 after --help).
int ParseCommandLine(QCommandLineParser& parser, const TCliCommand& command, const QStringList& arguments,
                     int folderCount, const QString& missing);

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
