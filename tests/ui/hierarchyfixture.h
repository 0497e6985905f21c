#pragma once

#include "support/casebuilder.h"
#include "ui/hierarchytree.h"
#include "ui/systemhierarchy.h"
#include "scriptedwindow.h"

/// The main window with the system hierarchy open on a new case that has the
/// catalogues a hierarchy needs; questions are answered from a script and
/// Yes/No questions with Yes.
class HierarchyFixture : public TWindowTest
{
protected:
    HierarchyFixture()
    {
        Messages.Answer = true;
        NewCase(QStringLiteral("Town"));
        Window.show();
    }

    /// Two categories, two phases, a scale with two variables and two qualifiers.
    void AddCatalogues()
    {
        TCase& c = Case();
        Energy = c.Categories.At(c.AddCategory(QStringLiteral("Energy")));
        Energy->Number = 1;
        Mobility = c.Categories.At(c.AddCategory(QStringLiteral("Mobility")));
        Mobility->Number = 2;
        Now = c.Phases.At(c.AddPhase(QStringLiteral("Now")));
        Later = c.Phases.At(c.AddPhase(QStringLiteral("Later")));
        Later->Order = 1;
        TScale* eur = c.Scales.At(c.AddScale(QStringLiteral("EUR")));
        Cost = NewVariable(c, QStringLiteral("Cost"), eur, AggregationCumulative);
        Price = NewVariable(c, QStringLiteral("Price"), eur, AggregationAveraging);
        Green = c.Qualifiers.At(c.AddQualifier(QStringLiteral("Green")));
        Cheap = c.Qualifiers.At(c.AddQualifier(QStringLiteral("Cheap")));
        c.Changed = false;
    }

    void OpenView()
    {
        Window.ToggleView(TViewKind::SystemHierarchy);
        View = static_cast<TSystemHierarchy*>(Window.View(TViewKind::SystemHierarchy));
        ASSERT_NE(View, nullptr);
    }

    void Click(const char* action) { View->Action(action)->trigger(); }
    bool Enabled(const char* action) { return View->Action(action)->isEnabled(); }

    // Steps of a user, each through the window's own commands.
    TSystemLevel* AddLevel(const QString& name, bool sub = false)
    {
        Prompter->ConceptNames.push_back(name);
        Click(sub ? "NewSubBtn" : "NewBtn");
        return View->CurrentLevel();
    }
    TDecisionArea* AddArea(const QString& name, TCategory* category, TPhase* phase)
    {
        Prompter->DecisionAreas.push_back(
            TDecisionAreaAnswer{name, Case().Phases.IndexOf(phase), Case().Categories.IndexOf(category)});
        Click("AddDABtn");
        return dynamic_cast<TDecisionArea*>(View->CurrentItem());
    }
    TOption* AddOption(const QString& name, std::vector<TQualifier*> qualifiers = {})
    {
        Prompter->Options.push_back(TOptionAnswer{name, qualifiers, !qualifiers.empty()});
        Click("AddOptionBtn");
        return dynamic_cast<TOption*>(View->CurrentItem());
    }
    TEffect* AddEffect(TVariable* variable, const QString& formula, bool nullWhenStatusQuo = false)
    {
        Prompter->Variables.push_back(variable);
        Prompter->Formulas.push_back(TFormulaAnswer{formula, nullWhenStatusQuo});
        Click("AddEffectBtn");
        return dynamic_cast<TEffect*>(View->CurrentItem());
    }

    QStringList RightTree() const { return TreeTexts(View->TreeView2); }

    TSystemHierarchy* View = nullptr;
    TCategory* Energy = nullptr;
    TCategory* Mobility = nullptr;
    TPhase* Now = nullptr;
    TPhase* Later = nullptr;
    TVariable* Cost = nullptr;
    TVariable* Price = nullptr;
    TQualifier* Green = nullptr;
    TQualifier* Cheap = nullptr;
};
