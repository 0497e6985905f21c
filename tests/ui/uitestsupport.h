#pragma once

#include "model/case.h"
#include "model/messages.h"
#include "ui/casestore.h"
#include "ui/prompter.h"

#include <QStringList>
#include <deque>

/// Answers the main window's questions from a script and logs what was asked.
class TScriptedPrompter : public TPrompter
{
public:
    std::deque<TAnswer> SaveAnswers;             // Cancel once they run out
    std::optional<QString> NameAnswer;           // nothing: the name dialog is cancelled
    QString CaseFolderAnswer;
    std::deque<QString> SaveFolderAnswers;       // empty: the chooser is dismissed
    std::optional<QFont> FontAnswer;
    QStringList Asked;
    int ReportRuns = 0;

    TAnswer AskSaveChanges() override
    {
        Asked << QStringLiteral("Save changes made to case?");
        if (SaveAnswers.empty())
            return TAnswer::Cancel;
        const TAnswer answer = SaveAnswers.front();
        SaveAnswers.pop_front();
        return answer;
    }
    std::optional<QString> AskName(const QString& initial) override
    {
        Asked << QStringLiteral("name: ") + initial;
        return NameAnswer;
    }
    QString ChooseCaseFolder(const QString& start) override
    {
        Asked << QStringLiteral("open folder: ") + start;
        return CaseFolderAnswer;
    }
    QString ChooseSaveFolder(const QString& start) override
    {
        Asked << QStringLiteral("save folder: ") + start;
        if (SaveFolderAnswers.empty())
            return QString();
        const QString answer = SaveFolderAnswers.front();
        SaveFolderAnswers.pop_front();
        return answer;
    }
    QString ChooseDatabase(const QString&) override { return QString(); }
    std::optional<QFont> ChooseFont(const QFont&) override { return FontAnswer; }
    void ViewReports(TCase&) override { ++ReportRuns; }
};

/// Keeps a log of the writes instead of writing, and leaves the case as the
/// case folder writer would: Folder set and, after a save, Changed cleared.
class TLoggingStore : public TCaseStore
{
public:
    struct TWrite
    {
        QString Folder;
        bool Exporting;
    };
    std::vector<TWrite> Writes;
    bool FailWrites = false;
    bool ReadComplete = true;

    bool Write(TCase& aCase, const QString& folder, bool exporting) override
    {
        Writes.push_back({folder, exporting});
        if (FailWrites)
            return false;
        aCase.Folder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
        aCase.Changed = aCase.Changed && exporting;
        return true;
    }
    bool Read(TCase& aCase, const QString& folder) override
    {
        aCase.Folder = folder + QLatin1Char('/');
        aCase.Name = QStringLiteral("Read case");
        aCase.AddScale(QStringLiteral("EUR"));
        return ReadComplete;
    }
    bool WriteContents(const TCase&) override
    {
        if (FailWrites)
            ShowError(QStringLiteral("Could not write the contents"));
        return !FailWrites;
    }
};
