#pragma once

#include "model/case.h"
#include "model/messagerecorder.h"
#include "ui/casestore.h"
#include "ui/hierarchytree.h"
#include "ui/mainwindow.h"
#include "ui/systemhierarchy.h"
#include "scriptedwindow.h"
#include "uitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

/// The main window with the system hierarchy open on a new case that has the
/// catalogues a hierarchy needs; questions are answered from a script and
/// Yes/No questions with Yes.
class HierarchyFixture : public ::testing::Test, protected TScriptedWindow
{
protected:
    HierarchyFixture()
    {
        Messages.Answer = true;
        Window.SetCaseStore(TCaseStore::CaseFolders());
        Prompter->NameAnswer = QStringLiteral("Town");
        Window.New();
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
        c.Scales.At(c.AddScale(QStringLiteral("EUR")));
        Cost = Variable(QStringLiteral("Cost"), AggregationCumulative);
        Price = Variable(QStringLiteral("Price"), AggregationAveraging);
        Green = c.Qualifiers.At(c.AddQualifier(QStringLiteral("Green")));
        Cheap = c.Qualifiers.At(c.AddQualifier(QStringLiteral("Cheap")));
        c.Changed = false;
    }

    TVariable* Variable(const QString& name, quint8 mode)
    {
        TVariable* v = Case().Variables.At(Case().AddVariable(name));
        v->Scale = Case().Scales.First();
        v->AggregationMode = mode;
        return v;
    }

    void OpenView()
    {
        Window.ToggleView(TViewKind::SystemHierarchy);
        View = static_cast<TSystemHierarchy*>(Window.View(TViewKind::SystemHierarchy));
        ASSERT_NE(View, nullptr);
    }

    TCase& Case() { return *Window.Case(); }
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

    /// The right tree as text, one entry a line, indented by depth.
    QStringList RightTree() const
    {
        QStringList lines;
        for (QTreeWidgetItemIterator it(View->TreeView2); *it; ++it) {
            int depth = 0;
            for (const QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                ++depth;
            lines << QString(depth * 2, QLatin1Char(' ')) + (*it)->text(0);
        }
        return lines;
    }

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
