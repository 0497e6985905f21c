#pragma once

#include <QDialog>

class QComboBox;
class TCase;
class TVariable;

/// Asks for the variable an effect works on: one of the variables without a
/// value of their own, or a new one on a chosen scale. The only shared dialog
/// that changes the case: OK adds the new variable.
class TVariableDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TVariableDialog(QWidget* parent = nullptr);

    QComboBox* ScaleBox;
    QComboBox* VariableBox;

    /// The case is used until the dialog has run.
    void Prepare(TCase& aCase);
    bool Run(TCase& aCase);
    /// The variable chosen or added by the last OK.
    TVariable* Variable() const { return Chosen; }

    void accept() override;

private:
    void FollowText(const QString& text);
    TVariable* Existing(const QString& text) const;

    TCase* Case = nullptr;
    TVariable* Chosen = nullptr;
};
