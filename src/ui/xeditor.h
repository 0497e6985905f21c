#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;
class TCase;
class TEffect;

/// The formula editor: shows the formula of one effect and whether the effect
/// also holds when its option is the status quo, and gives back what the user
/// chose (Formula, NullWhenStatusQuo); the caller applies it through
/// TOption::EditEffect. OK compiles the formula and stays open, with the
/// compiler's message and the faulty token selected, until it compiles or is
/// emptied; while a message shows, the dialog cannot be left at all. In
/// checking mode, OK runs as soon as the dialog shows.
class TXEditor : public QDialog
{
    Q_OBJECT
public:
    explicit TXEditor(QWidget* parent = nullptr);

    QPlainTextEdit* FormulaBox;
    QToolButton* AlwaysBtn;
    QToolButton* NullWhenStatusQuoBtn;
    QComboBox* VariableList;
    QLabel* StatusLine;
    bool CheckOnShow = false;

    /// Shows the effect's stored values; its case must outlive the run.
    void Prepare(const TEffect& effect, bool checkOnShow = false);
    bool Run(const TEffect& effect, bool checkOnShow = false);
    /// What OK accepted: the trimmed formula (empty when emptied) and the setting
    /// (always off for an empty formula).
    QString Formula() const { return AcceptedFormula; }
    bool NullWhenStatusQuo() const { return AcceptedNullWhenStatusQuo; }
    /// Puts "[" + name + "]" in place of the selection, through the clipboard.
    void InsertVariable(const QString& name);

    void accept() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool ShowsMessage() const;
    void AcceptWith(const QString& formula, bool nullWhenStatusQuo);

    const TCase* Case = nullptr;
    QString AcceptedFormula;
    bool AcceptedNullWhenStatusQuo = false;
};
