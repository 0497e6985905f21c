#pragma once

#include <QLineEdit>

/// A line edit for concept names: typed characters that delimit fields in case
/// folders and formulas (= [ ] " : @) are refused with a beep, and pasted text
/// holding them is refused as a whole.
class TNameEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TNameEdit(QWidget* parent = nullptr);

    static bool HasForbiddenCharacter(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
