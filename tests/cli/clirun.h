#pragma once

#include <QProcess>
#include <QStringList>

/// What one run of the command-line program printed, and its exit status.
struct TCliRun
{
    int Status = -1;
    QString Out;
    QString Errors;
};

inline TCliRun RunCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ORVEL_CLI_PATH), arguments);
    process.waitForFinished(60000);
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
             QString::fromUtf8(process.readAllStandardError()) };
}
