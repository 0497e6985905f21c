#pragma once

#include <QDialog>

class QDialogButtonBox;
class QFormLayout;
class TNameEdit;

/// The common frame of the dialogs with a name box: OK trims the name, writes it
/// back into the box and closes only when the name (and every choice the
/// dialog asks for) is given; otherwise it beeps and stays open. Enter acts as
/// OK and Escape as Cancel; the name box has the focus when the dialog opens.
class TNamedDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TNamedDialog(const QString& caption, QWidget* parent = nullptr);

    TNameEdit* NameBox;
    QString Name() const;

    void accept() override;

protected:
    /// Whether the choices besides the name are complete.
    virtual bool HasChoices() const { return true; }
    /// Called when OK is accepted, before the dialog closes.
    virtual void StoreChoices() {}
    /// Puts the name into the box and gives the box the focus.
    void ResetName(const QString& name);

    QFormLayout* Form;
    QDialogButtonBox* Buttons;
};
