#pragma once

#include <QProcess>
#include <QStringList>
#include <ostream>

/// What one run of the command-line program printed, and its exit status.
struct TCliRun
{
    int Status = -1;
    QString Out;
    QString Errors;
    bool operator==(const TCliRun&) const = default;
};

/// A run is compared whole, so a failure shows all it printed.
inline void PrintTo(const TCliRun& run, std::ostream* os)
{
    *os << "status " << run.Status << ", out \"" << run.Out.toStdString() << "\", errors \"" << run.Errors.toStdString() << '"';
}

inline TCliRun RunCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ORVEL_CLI_PATH), arguments);
    process.waitForFinished(60000);
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
             QString::fromUtf8(process.readAllStandardError()) };
}
