#pragma once

#include "ui/catalogueviewof.h"

class QComboBox;
class TValueBox;
class TVariable;

/// The variables by name: add, rename, delete, and the selected variable's
/// scale, aggregation mode and constant value.
class TVariableView : public TCatalogueViewOf<TVariable>
{
    Q_OBJECT
public:
    TVariableView(TORVEL& main, TCase& aCase);
    static QWidget* Create(TORVEL& main, TCase& aCase) { return new TVariableView(main, aCase); }

    /// Shows `mode` on AggModeBtn (for variables added next) and applies it to the selected variable.
    void ChooseMode(int mode);
    /// Applies the mode shown to the selected variable.
    void ApplyMode();
    int ShownMode() const { return Mode; }
    /// Gives the selected variable the scale at that index of the case's list.
    void ChooseScale(int index);

    void StorePendingEdits() override;

    QToolButton* AggModeBtn;
    QComboBox* ScaleBox;
    TValueBox* ValueBox;

protected:
    bool ReadyToAdd() override;
    TConcept* AddConcept(const QString& name) override;
    bool RenameConcept(TConcept* item, const QString& name) override;
    QIcon Picture(const TConcept* item) const override;
    void ShowCurrentDetails() override;

private:
    TVariable* Variable() const;
    void StoreValue(TVariable& variable, double value);

    int Mode;
};
