#pragma once

#include "model/helpers.h"
#include "model/messagerecorder.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "support/testpaths.h"
#include "samplecase.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

inline std::string Joined(const QStringList& messages)
{
    return messages.join(QLatin1Char('|')).toStdString();
}

/// The messages with the page and line that reading messages start with taken
/// out, after checking that each names a page and a line.
inline QStringList WithoutPlace(QStringList messages)
{
    static const QRegularExpression place(QStringLiteral("^((?:warning|error): )?ORVEL [^,]+\\.htm, line [1-9][0-9]*: "));
    for (QString& message : messages) {
        EXPECT_TRUE(place.match(message).hasMatch()) << message.toStdString();
        message.replace(place, QStringLiteral("\\1"));
    }
    return messages;
}

/// Every file of the folder by its path inside it; pages without their date line.
/// Icons drawn in a phase's colours are left out unless asked for: a phase keeps
/// only its main colour, so they may change on a round trip.
inline QMap<QString, QByteArray> FolderFiles(const QString& folder, bool phaseIcons = true)
{
    static const QRegularExpression phaseIcon(QStringLiteral("^img/slv?\\d+p"));
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = QDir(folder).relativeFilePath(it.next());
        if (phaseIcons || !phaseIcon.match(name).hasMatch())
            files[name] = WithoutDate(ReadBytes(it.filePath()));
    }
    return files;
}

/// The same files with the same bytes; a difference is named, not printed.
inline void ExpectSameFiles(const QMap<QString, QByteArray>& got, const QMap<QString, QByteArray>& expected,
                            const char* note = "")
{
    EXPECT_EQ(got.keys(), expected.keys()) << note;
    for (auto file = expected.begin(); file != expected.end(); ++file)
        EXPECT_TRUE(got.value(file.key()) == file.value()) << file.key().toStdString() << " differs " << note;
}

/// Runs `work` in a child process: its exit status, or 128 + the signal that ended it.
inline int InChildProcess(const std::function<int()>& work)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work());
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

/// A case folder in a temporary folder, and what reading and writing it said.
struct FolderTest : ::testing::Test
{
    TMessageRecorder Messages;
    // Memory-backed where there is such a folder: the save tests flush hundreds
    // of saves to the disk, which costs only time.
    QTemporaryDir Temp{ (QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath())
                        + QStringLiteral("/orvel-XXXXXX") };
    QString Folder = Temp.filePath(QStringLiteral("case/"));

    std::unique_ptr<TCase> Read(const QString& folder = QString())
    {
        auto aCase = std::make_unique<TCase>();
        ReadCaseFolder(*aCase, folder.isEmpty() ? Folder : folder);
        return aCase;
    }
    std::unique_ptr<TCase> WriteAndRead(TCase& aCase)
    {
        EXPECT_TRUE(WriteCaseFolder(aCase, Folder));
        return Read();
    }
    /// Replaces text in a written page, which must hold it.
    void Edit(const QString& page, const QByteArray& from, const QByteArray& to)
    {
        QByteArray bytes = ReadBytes(Folder + page);
        ASSERT_TRUE(bytes.contains(from)) << from.toStdString();
        WriteBytes(Folder + page, bytes.replace(from, to));
    }
    /// Writes the case, reads it without a message and writes what was read
    /// elsewhere: every file must come out the same. Answers what was read.
    std::unique_ptr<TCase> RoundTrip(TCase& aCase)
    {
        auto read = WriteAndRead(aCase);
        EXPECT_TRUE(Messages.Messages.isEmpty()) << Joined(Messages.Messages);
        const QString again = Temp.filePath(QStringLiteral("again/"));
        QDir(again).removeRecursively();
        EXPECT_TRUE(WriteCaseFolder(*read, again));
        ExpectSameFiles(FolderFiles(again, false), FolderFiles(Folder, false));
        return read;
    }
};
