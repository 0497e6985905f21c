#pragma once

#include <QLineEdit>
#include <functional>

class TVariable;

/// The constant value of a variable as typed: digits, ".", "+", "-", "E" and
/// "e" only, any other character is refused with a beep. It shows the exact
/// value, and stores only what was typed, when it is left or asked to; text
/// that is no number beeps and changes nothing.
class TValueBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TValueBox(QWidget* parent = nullptr);

    /// Shows the value of `variable` (empty for none or undefined); enabled for
    /// a constant only. Typing for the same variable is kept.
    void Show(TVariable* variable);
    /// Stores typed text through OnStore; false when it is no number.
    bool StorePending();
    bool Modified() const { return Typed; }

    /// Text as the box shows a value: every digit, "." as separator.
    static QString ValueText(double value);

    std::function<void(TVariable& variable, double value)> OnStore;
    /// Enter was pressed: the view moves the focus on, which stores.
    std::function<void()> OnEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TVariable* Shown = nullptr;
    bool Typed = false;
};
