#pragma once

#include <QFont>
#include <QString>
#include <optional>

class TCase;

/// The modal questions and choosers of the main window's commands. The program
/// asks the user through message boxes and file dialogs; tests answer from a
/// script so that no command ever waits on a window.
class TPrompter
{
public:
    enum class TAnswer { Yes, No, Cancel };

    virtual ~TPrompter() = default;
    /// "Save changes made to case?" with Yes, No and Cancel.
    virtual TAnswer AskSaveChanges() = 0;
    /// A case name from the name dialog; nothing when cancelled.
    virtual std::optional<QString> AskName(const QString& initial) = 0;
    /// The folder of a case to open, starting at `start`; empty when dismissed.
    virtual QString ChooseCaseFolder(const QString& start) = 0;
    /// The folder to write the case into (it may not exist yet); empty when dismissed.
    virtual QString ChooseSaveFolder(const QString& start) = 0;
    /// An Access database file to import; empty when dismissed.
    virtual QString ChooseDatabase(const QString& start) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont& current) = 0;
    /// Shows the case folder's pages in the report viewer, modally.
    virtual void ViewReports(TCase& aCase) = 0;
};
