#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;
class TCase;
class TEffect;

/// The formula editor: edits the formula of one effect and whether the effect
/// also holds when its option is the status quo. OK compiles the formula and
/// stays open, with the compiler's message and the faulty token selected,
/// until it compiles or is emptied; while a message shows, the dialog cannot be
/// left at all. In checking mode, OK runs as soon as the dialog shows.
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

    /// Shows the effect's stored values; the effect must outlive the run.
    void Prepare(TEffect& effect, bool checkOnShow = false);
    bool Run(TEffect& effect, bool checkOnShow = false);
    /// Puts "[" + name + "]" in place of the selection, through the clipboard.
    void InsertVariable(const QString& name);

    void accept() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool ShowsMessage() const;
    void Store(const QString& formula, bool nullWhenStatusQuo);

    TEffect* Effect = nullptr;
};
