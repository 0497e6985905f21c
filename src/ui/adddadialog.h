#pragma once

#include "ui/nameddialog.h"

class QComboBox;
class TCase;
class TDecisionArea;

/// Asks for the name, phase and category of a decision area. The phase and
/// category indexes are both the presets the caller may set and the result;
/// OK keeps them for the next use.
class TAddDADialog : public TNamedDialog
{
    Q_OBJECT
public:
    explicit TAddDADialog(QWidget* parent = nullptr);

    QComboBox* PhaseBox;
    QComboBox* CategoryBox;
    int PhaseIndex = 0;      // in the case's phase list; -1 selects nothing
    int CategoryIndex = 0;   // in the case's category list

    /// Fills the boxes from the case; with an area, shows its name, phase and
    /// category, otherwise an empty name and the presets.
    void Prepare(const TCase& aCase, const TDecisionArea* area = nullptr);
    bool Run(const TCase& aCase, const TDecisionArea* area = nullptr);

protected:
    bool HasChoices() const override;
    void StoreChoices() override;
};
