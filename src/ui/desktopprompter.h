#pragma once

#include "ui/prompter.h"

class TORVEL;

/// Asks the user with message boxes, the name dialog and file dialogs.
class TDesktopPrompter : public TPrompter
{
public:
    explicit TDesktopPrompter(TORVEL& window) : Window(window) {}

    TAnswer AskSaveChanges() override;
    std::optional<QString> AskName(const QString& initial) override;
    QString ChooseCaseFolder(const QString& start) override;
    QString ChooseSaveFolder(const QString& start) override;
    QString ChooseDatabase(const QString& start) override;
    std::optional<QFont> ChooseFont(const QFont& current) override;
    void ViewReports(TCase& aCase) override;
    std::optional<QString> AskConceptName(const QString& caption, const QString& initial) override;
    std::optional<TPhaseColors> AskPhaseColors() override;
    QString ChooseOpenFile(const QString& caption, const QString& filter) override;
    QString ChooseSaveFile(const QString& caption, const QString& filter) override;
    std::optional<QImage> EditIcon(const TConcept& item) override;
    int ChooseMenuItem(const QStringList& items, const QPoint& globalPos) override;
    std::optional<TDecisionAreaAnswer> AskDecisionArea(const TCase& aCase, const TDecisionArea* presets) override;
    std::optional<TOptionAnswer> AskOption(const TCase& aCase) override;
    TVariable* ChooseEffectVariable(TCase& aCase) override;
    std::optional<TFindRequest> AskFind() override;
    std::optional<TFormulaAnswer> EditFormula(const TEffect& effect, bool checkOnShow) override;
    int ChooseMenuChoice(const std::vector<TMenuChoice>& items, const QPoint& globalPos) override;

private:
    TORVEL& Window;
};
