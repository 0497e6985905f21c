#pragma once

#include "actors/actor.h"
#include "model/case.h"
#include "model/caseedit.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/messagerecorder.h"
#include "model/option.h"
#include "policy/combination.h"
#include "ui/mainwindow.h"
#include "scriptedwindow.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

/// A main window on a small case: City > District, a design "Plan" with the
/// city Rivertown and its districts North (2x) and South; an option that rules
/// out a district decision, a qualified option, a combination, a policy and an
/// actor with a goal. Questions are answered from the script.
class DesignWindowTest : public ::testing::Test, protected TScriptedWindow
{
protected:
    DesignWindowTest()
    {
        Window.SetCaseStore(TCaseStore::CaseFolders());
        Prompter->NameAnswer = QStringLiteral("Test case");
        Window.New();
        Build(*Window.Case());
        Window.Case()->Changed = false;
        Window.resize(1200, 800);
        Window.show();
    }

    void Build(TCase& c)
    {
        c.AddCategory(QStringLiteral("General"));
        c.AddPhase(QStringLiteral("Now"));
        Green = c.Qualifiers.At(c.AddQualifier(QStringLiteral("Green")));
        EUR = c.Scales.At(c.AddScale(QStringLiteral("EUR")));
        Cost = Variable(c, QStringLiteral("cost"), AggregationCumulative);
        Comfort = Variable(c, QStringLiteral("Comfort"), AggregationAveraging);
        City = c.SystemLevels.At(c.AddSystemLevel(QStringLiteral("City")));
        City->PlaceUnder(nullptr);
        District = c.SystemLevels.At(c.AddSystemLevel(QStringLiteral("District")));
        District->PlaceUnder(City);
        TDecisionArea* energy = Area(City, QStringLiteral("Energy"));
        Gas = Option(energy, QStringLiteral("Gas"), 1, Cost, QStringLiteral("10"));
        HeatNet = Option(energy, QStringLiteral("Heat net"), 2, Cost, QStringLiteral("50"));
        Boiler = Area(District, QStringLiteral("Boiler"));
        OldBoiler = Option(Boiler, QStringLiteral("Old"), 1, Cost, QStringLiteral("1"));
        NewBoiler = Option(Boiler, QStringLiteral("New"), 2, Cost, QStringLiteral("5"));
        NewBoiler->AddQualifier(Green);
        TDecisionArea* insulation = Area(District, QStringLiteral("Insulation"));
        NoInsulation = Option(insulation, QStringLiteral("None"), 1, Comfort, QStringLiteral("1"));
        Thick = Option(insulation, QStringLiteral("Thick"), 2, Comfort, QStringLiteral("3"));
        AddEffect(Thick, Cost, QStringLiteral("7"));
        HeatNet->AddPreclusion(Boiler);
        auto combination = std::make_unique<TCombination>(&c);
        combination->Options = {HeatNet, Thick};
        combination->Rating = 2;
        c.Combinations.push_back(std::move(combination));
        Policy = c.Policies.At(c.AddPolicy(QStringLiteral("Green plan")));
        Policy->Options = {Gas, NewBoiler, Thick};
        Mayor = c.Actors.At(c.AddActor(QStringLiteral("Mayor")));
        Mayor->AddGoal(Cost, -1, 100, 2);
        Plan = c.Designs.At(c.AddDesign(QStringLiteral("Plan")));
        Rivertown = Plan->AddDesignObject(QStringLiteral("Rivertown"), nullptr, City);
        North = Plan->AddDesignObject(QStringLiteral("North"), Rivertown, District);
        North->SetCount(2);
        South = Plan->AddDesignObject(QStringLiteral("South"), Rivertown, District);
    }

    static TVariable* Variable(TCase& c, const QString& name, quint8 mode)
    {
        TVariable* variable = c.Variables.At(c.AddVariable(name));
        variable->AggregationMode = mode;
        variable->Scale = c.Scales.First();
        return variable;
    }
    TDecisionArea* Area(TSystemLevel* level, const QString& name)
    {
        TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(name));
        area->Category = Window.Case()->Categories.First();
        area->Phase = Window.Case()->Phases.First();
        return area;
    }
    static TEffect* AddEffect(TOption* option, TVariable* variable, const QString& formula)
    {
        auto effect = std::make_unique<TEffect>(option, variable);
        effect->SetFormula(formula);
        return option->AddEffect(std::move(effect));
    }
    static TOption* Option(TDecisionArea* area, const QString& name, int number, TVariable* variable, const QString& formula)
    {
        TOption* option = area->Options.At(area->AddOption(name));
        option->Number = number;
        AddEffect(option, variable, formula);
        return option;
    }

    /// The texts of the tree's entries, depth first, children indented by two blanks.
    static QStringList Texts(const QTreeWidget* tree)
    {
        QStringList texts;
        std::function<void(QTreeWidgetItem*, const QString&)> walk = [&](QTreeWidgetItem* item, const QString& indent) {
            texts << indent + item->text(0);
            for (int i = 0; i < item->childCount(); ++i)
                walk(item->child(i), indent + QStringLiteral("  "));
        };
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            walk(tree->topLevelItem(i), QString());
        return texts;
    }

    TQualifier* Green;
    TScale* EUR;
    TVariable* Cost;
    TVariable* Comfort;
    TSystemLevel* City;
    TSystemLevel* District;
    TDecisionArea* Boiler;
    TOption* Gas;
    TOption* HeatNet;
    TOption* OldBoiler;
    TOption* NewBoiler;
    TOption* NoInsulation;
    TOption* Thick;
    TPolicy* Policy;
    TActor* Mayor;
    TDesign* Plan;
    TDesignObject* Rivertown;
    TDesignObject* North;
    TDesignObject* South;
};
