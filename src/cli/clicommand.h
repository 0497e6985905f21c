#pragma once

#include <QStringList>

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
