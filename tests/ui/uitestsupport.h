#pragma once

#include "model/case.h"
#include "model/messages.h"
#include "ui/casestore.h"
#include "ui/prompter.h"

#include <QStringList>
#include <deque>

/// Answers the main window's questions from a script and logs what was asked.
// GCC 12 takes the copy of an empty optional answer for a read of its unset strings.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
class TScriptedPrompter : public TPrompter
{
public:
    std::deque<TAnswer> SaveAnswers;             // Cancel once they run out
    std::optional<QString> NameAnswer;           // nothing: the name dialog is cancelled
    QString CaseFolderAnswer;
    std::deque<QString> SaveFolderAnswers;       // empty: the chooser is dismissed
    std::optional<QFont> FontAnswer;
    QString DatabaseAnswer;                      // empty: the chooser is dismissed
    QStringList Asked;
    int ReportRuns = 0;
    std::deque<std::optional<QString>> ConceptNames;   // cancelled once they run out
    std::optional<TPhaseColors> PhaseColors;
    std::optional<QImage> IconAnswer;
    std::deque<int> MenuChoices;                       // dismissed once they run out
    QStringList MenuItemsShown;
    std::deque<std::optional<TDecisionAreaAnswer>> DecisionAreas;   // cancelled once they run out
    std::deque<std::optional<TOptionAnswer>> Options;               // cancelled once they run out
    std::deque<TVariable*> Variables;                               // cancelled once they run out
    std::deque<std::optional<TFindRequest>> Finds;                  // cancelled once they run out
    std::deque<std::optional<TFormulaAnswer>> Formulas;             // cancelled once they run out
    std::vector<bool> FormulaChecks;                                // checkOnShow, as asked
    std::deque<int> MenuChoiceAnswers;                              // dismissed once they run out
    std::vector<TMenuChoice> MenuChoicesShown;

    TAnswer AskSaveChanges() override { return Ask(QStringLiteral("Save changes made to case?"), SaveAnswers, TAnswer::Cancel); }
    std::optional<QString> AskName(const QString& initial) override { return Logged(QStringLiteral("name: ") + initial, NameAnswer); }
    QString ChooseCaseFolder(const QString& start) override { return Logged(QStringLiteral("open folder: ") + start, CaseFolderAnswer); }
    QString ChooseSaveFolder(const QString& start) override { return Ask(QStringLiteral("save folder: ") + start, SaveFolderAnswers); }
    QString ChooseDatabase(const QString& start) override { return Logged(QStringLiteral("database: ") + start, DatabaseAnswer); }
    std::optional<QFont> ChooseFont(const QFont&) override { return FontAnswer; }
    void ViewReports(TCase&) override { ++ReportRuns; }
    std::optional<QString> AskConceptName(const QString& caption, const QString& initial) override
    {
        return Ask(caption + QStringLiteral(": ") + initial, ConceptNames);
    }
    std::optional<TPhaseColors> AskPhaseColors() override { return Logged(QStringLiteral("phase colours"), PhaseColors); }
    // No window asks for single files yet: the chooser is dismissed.
    QString ChooseOpenFile(const QString& caption, const QString&) override { return Logged(caption, QString()); }
    QString ChooseSaveFile(const QString& caption, const QString&) override { return Logged(caption, QString()); }
    std::optional<QImage> EditIcon(const TConcept& item) override { return Logged(QStringLiteral("icon: ") + item.Name, IconAnswer); }
    int ChooseMenuItem(const QStringList& items, const QPoint&) override
    {
        MenuItemsShown = items;
        return Next(MenuChoices, -1);
    }

    std::optional<TDecisionAreaAnswer> AskDecisionArea(const TCase&, const TDecisionArea*) override
    {
        return Ask(QStringLiteral("decision area"), DecisionAreas);
    }
    std::optional<TOptionAnswer> AskOption(const TCase&) override { return Ask(QStringLiteral("option"), Options); }
    TVariable* ChooseEffectVariable(TCase&) override { return Ask(QStringLiteral("variable"), Variables); }
    std::optional<TFindRequest> AskFind() override { return Ask(QStringLiteral("find"), Finds); }
    std::optional<TFormulaAnswer> EditFormula(const TEffect&, bool checkOnShow) override
    {
        FormulaChecks.push_back(checkOnShow);
        return Ask(QStringLiteral("formula"), Formulas);
    }
    int ChooseMenuChoice(const std::vector<TMenuChoice>& items, const QPoint&) override
    {
        MenuChoicesShown = items;
        return Next(MenuChoiceAnswers, -1);
    }

private:
    /// Logs the question and gives the one answer scripted for it.
    template <typename T>
    T Logged(const QString& question, const T& answer)
    {
        Asked << question;
        return answer;
    }
    /// Logs the question and takes the next scripted answer.
    template <typename T>
    T Ask(const QString& question, std::deque<T>& answers, T whenNone = T())
    {
        Asked << question;
        return Next(answers, whenNone);
    }
    template <typename T>
    static T Next(std::deque<T>& answers, T whenNone)
    {
        if (answers.empty())
            return whenNone;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
#pragma GCC diagnostic pop

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
