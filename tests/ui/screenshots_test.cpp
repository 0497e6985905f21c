// Pictures of the windows on the example case, for a person to look at: run
// with ORVEL_SCREENSHOTS set to a folder outside the repository.
#include "design/designobject.h"
#include "ui/actorview.h"
#include "ui/catalogueview.h"
#include "ui/designview.h"
#include "ui/doview.h"
#include "ui/iconeditor.h"
#include "ui/policyview.h"
#include "ui/proproview.h"
#include "scriptedwindow.h"

namespace {

class Screenshots : public TWindowTest
{
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("ORVEL_SCREENSHOTS"))
            GTEST_SKIP() << "set ORVEL_SCREENSHOTS to a folder to make them";
        Window.resize(1280, 860);
        Window.show();
        OpenFolder(ExampleCase);
        ASSERT_NE(Window.Case(), nullptr);
    }
    void TearDown() override
    {
        if (Window.Case())
            Case().Changed = false;   // no question at the end
    }
};

TEST_F(Screenshots, CatalogueWindowsAndTheIconEditor)
{
    const std::pair<TViewKind, const char*> views[] = {
        {TViewKind::Phases, "phases"},         {TViewKind::Categories, "categories"},
        {TViewKind::Qualifiers, "qualifiers"}, {TViewKind::Scales, "scales"},
        {TViewKind::Variables, "variables"},
    };
    for (const auto& [kind, name] : views) {
        auto* view = Open<TCatalogueView>(kind);
        ASSERT_NE(view, nullptr) << name;
        if (view->List->count() > 1)
            view->List->setCurrentRow(1);
        Shoot(*view->parentWidget(), QLatin1String(name));
    }
    Shoot(Window, QStringLiteral("catalogues-main"));

    TIconEditor editor;
    const std::pair<const TConcept*, const char*> icons[] = {{Case().Categories.First(), "icon-editor"},
                                                             {Case().SystemLevels.First(), "icon-editor-level"}};
    for (const auto& [item, name] : icons) {
        ASSERT_TRUE(editor.Prepare(*item));
        Shoot(editor, QLatin1String(name));
    }
}

TEST_F(Screenshots, DesignViewAndEditorWithEachPanel)
{
    Window.SpecificOptionsItem->trigger();
    Window.QualificationsItem->trigger();
    auto* view = Open<TDesignView>(TViewKind::Designs);
    TDesign* design = Case().Designs.At(Case().Designs.Count() - 1);
    view->Select(Case().Designs.First());
    view->BaseCaseBtn->trigger();
    view->Select(design);
    view->EditBtn->trigger();
    auto* frame = static_cast<QMdiSubWindow*>(design->Editor.data());
    auto* editor = static_cast<TDOView*>(frame->widget());
    frame->resize(980, 520);
    view->parentWidget()->resize(760, 460);
    Shoot(*view->parentWidget(), QStringLiteral("designview"));

    TDesignObject* top = design->TopObjects.First();
    TDesignObject* shown = top->Children.IsEmpty() ? top : top->Children.First();
    const std::pair<TDOView::TPanel, const char*> panels[] = {
        {TDOView::TPanel::Preclusions, "doview-preclusions"},
        {TDOView::TPanel::ProblemsPromises, "doview-problems"},
        {TDOView::TPanel::Impacts, "doview-impacts"},
        {TDOView::TPanel::Qualifications, "doview-qualifications"},
    };
    // Each panel on the first object where it has something to show.
    for (const auto& [panel, name] : panels) {
        editor->ShowPanel(panel);
        bool found = false;
        design->ForEachObject([&](TDesignObject* object) {
            if (!found) {
                editor->Select(object);
                found = editor->Panel->topLevelItemCount() > 0;
            }
        });
        if (!found)
            editor->Select(shown);
        Shoot(*frame, QLatin1String(name));
    }
    Shoot(Window, QStringLiteral("designs-main"));
}

TEST_F(Screenshots, PoliciesProblemsAndPromisesAndActorsInEachMode)
{
    TPolicyView policies(Window, Case());
    policies.SelectPolicy(Case().Policies.First());
    const char* modes[] = {"options", "combinations", "variables", "qualifiers", "appreciation"};
    for (int mode = 0; mode < 5; ++mode) {
        policies.SetMode(TPolicyView::TMode(mode));
        Shoot(policies, QStringLiteral("policies-") + QLatin1String(modes[mode]));
    }

    TProProView propro(Window, Case());
    // An area that some option precludes, and the option of the best rated combination.
    TDecisionArea* precluded = nullptr;
    Case().ForEachOption([&precluded](TOption* o) {
        if (!precluded && !o->PrecludedAreas.empty())
            precluded = o->PrecludedAreas.front();
    });
    ASSERT_NE(precluded, nullptr);
    propro.Select(precluded);
    Shoot(propro, QStringLiteral("propro-area"));
    propro.Select(Case().Combinations.front()->Options.front());
    Shoot(propro, QStringLiteral("propro-option"));

    auto* actors = Open<TActorView>(TViewKind::Actors);
    actors->ActorList->setCurrentItem(actors->ActorList->findItems(QStringLiteral("City council"), Qt::MatchExactly).value(0));
    const char* names[] = {"objectives", "options", "qualifiers", "relations", "decisions"};
    for (int i = 0; i < ActorModeCount; ++i) {
        actors->SetMode(TActorMode(i));
        actors->PositionList->setCurrentRow(0);
        Shoot(*actors->parentWidget(), QStringLiteral("actors-") + QLatin1String(names[i]));
    }
}

} // namespace
