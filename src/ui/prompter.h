#pragma once

#include "ui/phasecolordlg.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TCase;
class TConcept;
class TDecisionArea;
class TEffect;
class TQualifier;
class TVariable;

/// What the add-decision-area dialog returns: indexes into the case's lists.
struct TDecisionAreaAnswer
{
    QString Name;
    int PhaseIndex = -1;
    int CategoryIndex = -1;
};

/// What the add-option dialog returns; the qualifiers belong to the case.
struct TOptionAnswer
{
    QString Name;
    std::vector<TQualifier*> Qualifiers;
    bool QualifiersChanged = false;
};

/// What the find dialog asks for: the text and where to look for it.
struct TFindRequest
{
    QString Text;
    bool Areas = true;
    bool Options = true;
    bool Variables = true;
    bool Formulas = false;
};

/// What the formula editor accepted: the trimmed formula and the setting.
struct TFormulaAnswer
{
    QString Formula;
    bool NullWhenStatusQuo = false;
};

/// One item of a popup menu with an icon, checked or not.
struct TMenuChoice
{
    QString Text;
    QImage Icon;
    bool Checkable = false;
    bool Checked = false;
};

/// Every modal question and chooser of the main window and its views (Yes/No
/// questions go through the core's message sink). The program asks the user
/// through dialogs, menus and file choosers; tests answer from a script so that
/// no command ever waits on a window.
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

    /// A name from the name dialog with its caption; nothing when cancelled.
    virtual std::optional<QString> AskConceptName(const QString& caption, const QString& initial) = 0;
    /// The three colours of a phase from the phase colour dialog.
    virtual std::optional<TPhaseColors> AskPhaseColors() = 0;
    /// A file to read or write; empty when dismissed. `filter` as QFileDialog takes it.
    virtual QString ChooseOpenFile(const QString& caption, const QString& filter) = 0;
    virtual QString ChooseSaveFile(const QString& caption, const QString& filter) = 0;
    /// The icon of a system level, a category or a qualifier as painted in the
    /// icon editor; nothing when cancelled. The caller stores it.
    virtual std::optional<QImage> EditIcon(const TConcept& item) = 0;
    /// One of `items` from a popup menu at `globalPos`; -1 when dismissed.
    virtual int ChooseMenuItem(const QStringList& items, const QPoint& globalPos) = 0;

    /// Name, phase and category of a new decision area. With `presets`, the
    /// dialog starts at that area's phase and category, else at its last choices.
    virtual std::optional<TDecisionAreaAnswer> AskDecisionArea(const TCase& aCase, const TDecisionArea* presets) = 0;
    /// Name and qualifiers of a new option.
    virtual std::optional<TOptionAnswer> AskOption(const TCase& aCase) = 0;
    /// The variable of a new effect from the variable dialog, which may add it
    /// to the case; nullptr when cancelled.
    virtual TVariable* ChooseEffectVariable(TCase& aCase) = 0;
    /// What to search for in the system hierarchy; nothing when cancelled.
    virtual std::optional<TFindRequest> AskFind() = 0;
    /// The effect's formula and setting from the formula editor; nothing when
    /// cancelled. The caller applies them (TOption::EditEffect).
    virtual std::optional<TFormulaAnswer> EditFormula(const TEffect& effect, bool checkOnShow) = 0;
    /// One of `items` from a popup menu with icons and checks; -1 when dismissed.
    virtual int ChooseMenuChoice(const std::vector<TMenuChoice>& items, const QPoint& globalPos) = 0;
};
