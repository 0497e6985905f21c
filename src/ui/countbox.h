#pragma once

#include <QLineEdit>
#include <functional>
#include <optional>

/// The count of a design object as typed: digits only (any other key beeps
/// and is ignored), read back clamped to the counts the model holds. It
/// remembers that it was typed into and commits through OnCommit when it
/// loses the focus, on Enter, or when asked to.
class TCountBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TCountBox(QWidget* parent = nullptr);

    /// Shows a count (or nothing), dropping what was typed.
    void ShowCount(std::optional<int> count);
    /// Hands a typed count to OnCommit, once.
    void CommitPending();
    /// The typed number clamped to 0 .. the largest int; empty reads 0.
    int Count() const;
    bool Typed() const { return Modified; }

    std::function<void(int count)> OnCommit;
    /// Enter was pressed (after the commit).
    std::function<void()> OnEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool Modified = false;
};
