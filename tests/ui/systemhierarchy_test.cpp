#include "hierarchyfixture.h"

#include "design/design.h"
#include "design/designobject.h"
#include "support/testpaths.h"
#include "ui/designtree.h"
#include "ui/doview.h"
#include "ui/hierarchystatus.h"

namespace {

/// City with District below it; City has Heating (options Gas 0, Heat pump 1,
/// District heat 2, each of the first two with an effect) and Transport.
class SystemHierarchyTest : public HierarchyFixture
{
protected:
    SystemHierarchyTest()
    {
        AddCatalogues();
        OpenView();
        City = AddLevel(QStringLiteral("City"));
        District = AddLevel(QStringLiteral("District"), true);
        View->Select(City);
        Heating = AddArea(QStringLiteral("Heating"), Energy, Now);
        Gas = AddOption(QStringLiteral("Gas"), {Green});
        GasCost = AddEffect(Cost, QStringLiteral("2 * [Price]"), true);
        View->Select(Gas);
        HeatPump = AddOption(QStringLiteral("Heat pump"));
        AddEffect(Price, QStringLiteral("7"));
        View->Select(HeatPump);
        DistrictHeat = AddOption(QStringLiteral("District heat"));
        View->Select(City);
        Transport = AddArea(QStringLiteral("Transport"), Mobility, Later);
        Case().Changed = false;
        Prompter->Asked.clear();
        Prompter->FormulaChecks.clear();
    }

    std::vector<int> Numbers(std::vector<TOption*> options)
    {
        std::vector<int> numbers;
        for (const TOption* option : options)
            numbers.push_back(option->Number);
        return numbers;
    }

    TSystemLevel* City;
    TSystemLevel* District;
    TDecisionArea* Heating;
    TDecisionArea* Transport;
    TOption* Gas;
    TOption* HeatPump;
    TOption* DistrictHeat;
    TEffect* GasCost;
};

TEST_F(SystemHierarchyTest, ShowsTheLevelsAreasOptionsAndEffectsInOrderAndEnablesEachCommandByTheSelection)
{
    EXPECT_EQ(View->TreeView1->topLevelItem(0)->child(0)->text(0), QStringLiteral("District"));
    // Areas by category number, options by number (-1, 0, 1), effects by text.
    EXPECT_EQ(RightTree(), QStringList({"Heating", "  Gas", "    Cost [EUR] = 2 * [Price]", "  Heat pump",
                                        "    Price [EUR] = 7", "  District heat", "Transport"}));
    View->Select(Gas);
    ASSERT_EQ(View->StatusBar1->Qualifications().size(), 1u);
    EXPECT_EQ(View->StatusBar1->CategoryText(), QStringLiteral("Energy"));
    View->TreeView2->setCurrentItem(nullptr);
    EXPECT_EQ(View->StatusBar1->CategoryText(), QString());
    EXPECT_TRUE(View->StatusBar1->Qualifications().empty());

    // Each command is enabled by the selection: the commands on for each kind of
    // selection are kept in tests/data/hierarchycommands.expected.
    const std::vector<const char*> all = {"NewSubBtn",    "ImageBtn",    "DeleteBtn",  "AddDABtn",     "AddOptionBtn",
                                          "AddEffectBtn", "CategoryBtn", "PhaseBtn",   "QualifierBtn", "FormulaBtn",
                                          "DuplicateBtn", "RightDeleteBtn", "FindBtn", "FindNextBtn"};
    const std::pair<const char*, std::function<void()>> selections[] = {
        {"nothing", [&] { View->TreeView1->setCurrentItem(nullptr); }},
        {"a level with sub-levels", [&] { View->Select(City); }},
        {"a leaf level", [&] { View->Select(District); }},
        {"an area", [&] { View->Select(City), View->Select(Heating); }},
        {"an option", [&] { View->Select(Gas); }},
        {"an effect", [&] { View->Select(GasCost); }},
    };
    QStringList enabled;
    for (const auto& [what, select] : selections) {
        select();
        QStringList on;
        std::copy_if(all.begin(), all.end(), std::back_inserter(on), [&](const char* action) { return Enabled(action); });
        enabled << QLatin1String(what) + QStringLiteral(": ") + on.join(QLatin1Char(' '));
    }
    ExpectRows(enabled, QStringLiteral("hierarchycommands.expected"));
    EXPECT_TRUE(Enabled("NewBtn"));

    // With nothing selected (and every command off) the Insert key does nothing, not even ask.
    View->TreeView1->setCurrentItem(nullptr);
    View->InsertKey();
    EXPECT_EQ(Prompter->Asked, QStringList());
    EXPECT_FALSE(Case().Changed);
    EXPECT_EQ(Messages.Messages, QStringList());
}

TEST_F(SystemHierarchyTest, NamesTypedAndRenamed)
{
    // A taken name selects what has it, unchanged.
    View->Select(District);
    EXPECT_EQ(AddLevel(QStringLiteral("city")), City);
    EXPECT_EQ(AddArea(QStringLiteral("transport"), Energy, Now), Transport);
    View->Select(DistrictHeat);
    EXPECT_EQ(AddOption(QStringLiteral("GAS")), Gas);
    EXPECT_EQ(Messages.Warnings(), QStringList({"Decision area \"transport\" already exists",
                                                "Option \"GAS\" already defined"}));
    EXPECT_EQ(Transport->Category, Mobility);
    EXPECT_FALSE(Case().Changed);

    // The window picks the number; the renumbering of the rest is the core's (hierarchy_test).
    View->Select(Heating);   // numbers -1, 0, 1: the new one takes count - 1 = 2
    TOption* wood = AddOption(QStringLiteral("Wood"));
    View->Select(Gas);
    TOption* solar = AddOption(QStringLiteral("Solar"));   // after Gas: 0, the rest move up
    EXPECT_EQ(Numbers({Gas, solar, HeatPump, DistrictHeat, wood}), std::vector<int>({-1, 0, 1, 2, 3}));

    // Renames move the item and keep it selected.
    Messages.Clear();
    RenameInPlace(View->Entry(District), QStringLiteral("  Ward <1> & co  "));
    EXPECT_EQ(View->CurrentLevel(), District);
    EXPECT_EQ(View->Entry(District)->text(0), QStringLiteral("Ward <1> & co"));

    // A taken name is refused and the entry shows the name the level kept.
    RenameInPlace(View->Entry(District), QStringLiteral("CITY"));
    EXPECT_EQ(Messages.Warnings(), QStringList({"Names must be unique"}));
    EXPECT_EQ(View->Entry(District)->text(0), QStringLiteral("Ward <1> & co"));

    // A blank name changes nothing; an option renamed stays selected.
    View->Select(City);
    View->Select(Gas);
    View->Entry(Transport)->setText(0, QStringLiteral("   "));
    RenameInPlace(View->Entry(Gas), QStringLiteral("Zinc"));
    EXPECT_EQ(Transport->Name, QStringLiteral("Transport"));
    EXPECT_EQ(Gas->Name, QStringLiteral("Zinc"));
    EXPECT_EQ(View->CurrentItem(), Gas);
    EXPECT_TRUE(Case().Changed);

    // An area renamed keeps its place in the tree until the tree is filled again.
    TDecisionArea* boiler = AddArea(QStringLiteral("Boiler"), Energy, Now);
    RenameInPlace(View->Entry(boiler), QStringLiteral("Zeta"));
    EXPECT_EQ(View->CurrentItem(), boiler);
    EXPECT_EQ(RightTree().filter(QRegularExpression(QStringLiteral("^\\w"))), QStringList({"Zeta", "Heating", "Transport"}));
    View->Select(District);
    View->Select(City);
    EXPECT_EQ(RightTree().filter(QRegularExpression(QStringLiteral("^\\w"))), QStringList({"Heating", "Zeta", "Transport"}));
}

TEST_F(SystemHierarchyTest, DeletesReachOpenDesignEditors)
{
    TDesign* design = Case().Designs.At(Case().AddDesign(QStringLiteral("Plan")));
    TDesignObject* town = design->AddDesignObject(QStringLiteral("Town"), nullptr, City);
    town->SelectDesignOption(Gas);
    auto* editor = static_cast<TDOView*>(TDOView::Open(Window, Case(), *design)->widget());
    editor->ShowPanel(TDOView::TPanel::Impacts);
    ASSERT_EQ(TreeTexts(editor->Panel), QStringList({"Cost [EUR] = #ATTRIBUTE?", "  Heating = Gas -> #ATTRIBUTE?"}));
    ASSERT_TRUE(TreeTexts(editor->DecisionTree).contains(QStringLiteral("  Gas")));

    View->Select(GasCost);
    Click("RightDeleteBtn");
    EXPECT_EQ(TreeTexts(editor->Panel), QStringList());   // nothing needs Cost here any more

    View->Select(Heating);
    Click("RightDeleteBtn");
    EXPECT_EQ(Messages.Messages.filter(QStringLiteral("question")),
              QStringList({"question: Effect will also be removed from designs.\nContinue?",
                           "question: Decision area, options and effects will also be removed from designs.\nContinue?"}));
    EXPECT_EQ(TreeTexts(editor->DecisionTree), QStringList({"Transport"}));
    EXPECT_EQ(View->CurrentItem(), nullptr);
    EXPECT_FALSE(View->RightComment->isEnabled());

    // A level with sub-levels cannot go; a leaf goes after the question.
    View->Select(City);
    Click("DeleteBtn");
    EXPECT_EQ(Case().SystemLevels.Count(), 2);
    View->Select(District);
    Click("DeleteBtn");
    EXPECT_EQ(Case().SystemLevels.Count(), 1);
    EXPECT_EQ(View->CurrentLevel(), nullptr);

    // Answered No, nothing goes.
    Messages.Answer = false;
    View->Select(Transport);
    Click("RightDeleteBtn");
    EXPECT_EQ(City->DecisionAreas.Count(), 1);
}

TEST_F(SystemHierarchyTest, Drags)
{
    // An option dragged onto another of its area takes its number.
    View->Select(Heating);
    TOption* wood = AddOption(QStringLiteral("Wood"));   // numbers -1, 0, 1, 2
    std::unique_ptr<QMimeData> data(View->DragData(View->Entry(wood)));
    ASSERT_TRUE(CarriesKind(data.get(), TDragKind::Option));
    EXPECT_TRUE(View->DropOnOption(data.get(), HeatPump));
    EXPECT_EQ(RightTree().filter(QRegularExpression(QStringLiteral("^  \\w"))),
              QStringList({"  Gas", "  Wood", "  Heat pump", "  District heat"}));
    EXPECT_EQ(View->CurrentItem(), wood);

    // Only onto an option of the same area.
    View->Select(Transport);
    TOption* bus = AddOption(QStringLiteral("Bus"));
    std::unique_ptr<QMimeData> busData(View->DragData(View->Entry(bus)));
    EXPECT_FALSE(View->DropOnOption(busData.get(), Gas));
    EXPECT_FALSE(View->DropOnOption(busData.get(), bus));
    // Effects are not dragged; areas go to other windows in the shared format.
    EXPECT_EQ(View->DragData(View->Entry(GasCost)), nullptr);
    std::unique_ptr<QMimeData> areaData(View->DragData(View->Entry(Heating)));
    EXPECT_EQ(ReadDragItems(areaData.get(), Case()).Areas, std::vector<TDecisionArea*>({Heating}));

    // An area dragged onto a level is copied there with the preclusions that level allows.
    View->Select(District);
    AddLevel(QStringLiteral("Building"), true);
    TDecisionArea* roof = AddArea(QStringLiteral("Roof"), Energy, Now);
    View->Select(City);
    AddLevel(QStringLiteral("School"), true);
    TDecisionArea* yard = AddArea(QStringLiteral("Yard"), Energy, Now);
    for (TDecisionArea* area : {roof, yard, Transport})
        Gas->AddPreclusion(area);
    View->Select(City);
    Messages.Clear();
    EXPECT_TRUE(View->DropOnLevel(areaData.get(), District));
    TDecisionArea* copy = District->DecisionAreas.Find(QStringLiteral("Heating"));
    ASSERT_NE(copy, nullptr);
    // Roof lies below District; Yard (a sibling subtree) and Transport (above) do not.
    EXPECT_EQ(copy->Options.Find(QStringLiteral("Gas"))->PrecludedAreas, std::vector<TDecisionArea*>({roof}));
    EXPECT_EQ(Messages.Warnings(), QStringList({"Option \"Gas\" precluded 2 decision area(s)\nfor supersystems of "
                                                "District;\nThese preclusions have NOT been copied"}));
    EXPECT_EQ(View->CurrentLevel(), City) << "the source stays where it was";

    // A level that has an area of that name refuses the drop.
    EXPECT_FALSE(View->CanCopyArea(Heating, District));
    EXPECT_FALSE(View->DropOnLevel(areaData.get(), District));
    EXPECT_FALSE(View->CanCopyArea(Heating, City));
}

TEST_F(SystemHierarchyTest, FindAndMenus)
{
    Prompter->Finds.push_back(TFindRequest{QStringLiteral("e"), true, true, true, false});
    View->Select(DistrictHeat);
    Click("FindBtn");
    EXPECT_EQ(View->CurrentItem(), Heating) << "Find starts at the first entry";
    QStringList found;
    for (int i = 0; i < 6; ++i) {
        Click("FindNextBtn");
        found << View->TreeView2->currentItem()->text(0);
    }
    EXPECT_EQ(found, QStringList({"Cost [EUR] = 2 * [Price]", "Heat pump", "Price [EUR] = 7", "District heat",
                                  "Heating", "Cost [EUR] = 2 * [Price]"}));
    // A text only in a formula is found only with the formula box.
    const int beeps = BeepCount();
    Prompter->Finds.push_back(TFindRequest{QStringLiteral("price"), true, true, false, false});
    Click("FindBtn");
    EXPECT_EQ(BeepCount(), beeps + 1);
    Prompter->Finds.push_back(TFindRequest{QStringLiteral("price"), true, true, false, true});
    Click("FindBtn");
    EXPECT_EQ(View->CurrentItem(), GasCost);
    Click("FindNextBtn");
    EXPECT_EQ(View->CurrentItem(), GasCost) << "the only match, found again round the end";
    Prompter->Finds.push_back(std::nullopt);
    View->Select(Transport);
    Click("FindBtn");
    EXPECT_EQ(View->CurrentItem(), Transport) << "a cancelled dialog searches nothing";

    // Menus change category, phase and qualifiers.
    View->Select(Heating);
    Prompter->MenuChoiceAnswers = {1, 1};
    Click("CategoryBtn");
    ASSERT_EQ(Prompter->MenuChoicesShown.size(), 2u);
    EXPECT_EQ(Prompter->MenuChoicesShown[0].Text, QStringLiteral("Energy"));
    EXPECT_EQ(Heating->Category, Mobility);
    Click("PhaseBtn");
    EXPECT_EQ(Prompter->MenuChoicesShown[1].Text, QStringLiteral("Later"));
    EXPECT_EQ(Heating->Phase, Later);
    EXPECT_EQ(View->CurrentItem(), Heating);
    View->Select(Transport);
    Prompter->MenuChoiceAnswers = {0};
    Click("CategoryBtn");
    EXPECT_EQ(RightTree().first(), QStringLiteral("Transport")) << "Energy sorts before Mobility";

    // The qualifier menu shows which apply; Cheap on, then Green off again.
    View->Select(Gas);
    Prompter->MenuChoiceAnswers = {0, 1};
    Click("QualifierBtn");
    ASSERT_EQ(Prompter->MenuChoicesShown.size(), 2u);
    EXPECT_EQ(Prompter->MenuChoicesShown[0].Text, QStringLiteral("Cheap"));
    EXPECT_FALSE(Prompter->MenuChoicesShown[0].Checked);
    EXPECT_TRUE(Prompter->MenuChoicesShown[1].Checked);
    Click("QualifierBtn");
    EXPECT_EQ(Gas->Qualifiers, std::vector<TQualifier*>({Cheap}));
    EXPECT_EQ(View->StatusBar1->Qualifications().size(), 1u);
}

TEST_F(SystemHierarchyTest, DuplicatesAndFormulas)
{
    // What a copy takes, and its refusal of a taken name, are the core's (hierarchy_test).
    View->Select(Gas);
    Click("DuplicateBtn");
    TOption* copy = Heating->Options.Find(QStringLiteral("Gas (copy)"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Number, 4) << "the number of options after the insertion";
    EXPECT_EQ(View->CurrentItem(), copy);
    View->Select(Heating);
    Click("DuplicateBtn");
    EXPECT_EQ(View->CurrentItem(), City->DecisionAreas.Find(QStringLiteral("Heating (copy)")));
    // A second copy would take the first one's name.
    for (TConcept* item : std::initializer_list<TConcept*>{Gas, Heating}) {
        View->Select(item);
        Click("DuplicateBtn");
    }
    EXPECT_EQ(Messages.Warnings(),
              QStringList({"Duplicate option already exists", "Duplicate decision area already exists"}));

    // A formula that does not compile (as a damaged page leaves it) is shown for
    // repair in the formula editor's checking mode.
    TEffect* price = HeatPump->Effects[0].get();
    View->Select(price);
    Prompter->Formulas.push_back(TFormulaAnswer{QStringLiteral("7 +"), false});
    Click("FormulaBtn");
    ASSERT_EQ(price->Formula, QStringLiteral("7 +"));
    View->Select(HeatPump);
    Prompter->FormulaChecks.clear();
    Prompter->Formulas.push_back(TFormulaAnswer{QStringLiteral("8"), false});
    Click("DuplicateBtn");
    TOption* repaired = Heating->Options.Find(QStringLiteral("Heat pump (copy)"));
    ASSERT_NE(repaired, nullptr);
    EXPECT_EQ(Prompter->FormulaChecks, std::vector<bool>({true}));
    EXPECT_EQ(repaired->Effects[0]->Formula, QStringLiteral("8"));

    // Formulas go through the editor, and its cancel on a new effect keeps no effect.
    Case().Changed = false;
    Prompter->FormulaChecks.clear();
    View->Select(DistrictHeat);
    Prompter->Variables.push_back(Cost);
    Click("AddEffectBtn");   // the formula editor is cancelled
    EXPECT_TRUE(DistrictHeat->Effects.empty());
    EXPECT_EQ(View->CurrentItem(), DistrictHeat);
    EXPECT_FALSE(Case().Changed);

    TEffect* effect = AddEffect(Cost, QStringLiteral("5"));
    ASSERT_NE(effect, nullptr);
    EXPECT_TRUE(Case().Changed);

    // The same variable again edits the effect it has (through the core's one edit of an effect).
    View->Select(DistrictHeat);
    Prompter->Variables.push_back(Cost);
    Prompter->Formulas.push_back(TFormulaAnswer{QStringLiteral("6"), true});
    Click("AddEffectBtn");
    EXPECT_EQ(DistrictHeat->Effects.size(), 1u);
    EXPECT_TRUE(effect->NullWhenStatusQuo);
    EXPECT_EQ(View->TreeView2->currentItem()->text(0), QStringLiteral("Cost [EUR] = 6"));

    Prompter->Formulas.push_back(TFormulaAnswer{QString(), false});
    Click("FormulaBtn");
    EXPECT_EQ(View->TreeView2->currentItem()->text(0), QStringLiteral("Cost [EUR]"));
    EXPECT_EQ(Prompter->FormulaChecks, std::vector<bool>({false, false, false, false}));

    // Without scales no effect can be added.
    {
        TCaseEdit edit(Case(), QStringLiteral("Delete scale"), ChangeEverything);
        Case().DeleteVariable(Cost);
        Case().DeleteVariable(Price);
        Case().DeleteScale(Case().Scales.First());
    }
    View->Select(HeatPump);
    Click("AddEffectBtn");
    EXPECT_EQ(Messages.Infos(), QStringList({"No scales have been defined yet"}));
}

} // namespace
