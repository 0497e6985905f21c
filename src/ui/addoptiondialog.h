#pragma once

#include "ui/nameddialog.h"

#include <QImage>
#include <vector>

class QLabel;
class QMenu;
class QToolButton;
class TCase;
class TOption;
class TQualifier;

/// Asks for the name of an option and the qualifiers that apply to it. The
/// chosen qualifiers are not owned; they belong to the case given to Prepare,
/// which the dialog reads only while it runs.
class TAddOptionDialog : public TNamedDialog
{
    Q_OBJECT
public:
    explicit TAddOptionDialog(QWidget* parent = nullptr);

    QToolButton* QualifierBtn;
    QLabel* QualifierStrip;

    void Prepare(const TCase& aCase, const TOption* option = nullptr);
    bool Run(const TCase& aCase, const TOption* option = nullptr);

    const std::vector<TQualifier*>& Qualifiers() const { return Chosen; }
    bool QualifiersChanged() const { return Changed; }
    /// Adds the qualifier of that name to the chosen ones, or takes it out.
    void ToggleQualifier(const QString& name);

    /// White, 80 x 19, the icons drawn left to right 17 pixels apart.
    static QImage StripImage(const std::vector<TQualifier*>& qualifiers);

private:
    void FillMenu();
    void RedrawStrip();

    const TCase* Case = nullptr;
    QMenu* Menu;
    std::vector<TQualifier*> Chosen;
    bool Changed = false;
};
