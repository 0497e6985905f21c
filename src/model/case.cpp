#include "model/case.h"
#include "model/ordering.h"

#include "design/designcascades.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/messages.h"
#include "model/option.h"

#include <algorithm>

namespace {

// Listeners may unsubscribe (a window closes) while they are told: each is
// told only while it is still subscribed.
template <typename Tell>
void TellListeners(const std::vector<TCaseListener*>& listeners, Tell tell)
{
    const std::vector<TCaseListener*> snapshot = listeners;
    for (TCaseListener* listener : snapshot)
        if (std::find(listeners.begin(), listeners.end(), listener) != listeners.end())
            tell(listener);
}

} // namespace

void MarkCaseChanged(TCase* aCase)
{
    if (aCase)
        aCase->Changed = true;
}

TCase::TCase(const QString& name) : TConcept(name), Contents(DefaultContents()) {}

TCase::~TCase()
{
    Contents.clear();
    FreeItems();
}

void TCase::FreeItems()
{
    // Items that refer to others go first: designs and actors before the levels
    // and variables they point at.
    Combinations.clear();
    BaseCase = nullptr;
    Policies.Clear();
    Actors.Clear();
    Designs.Clear();
    SystemLevels.Clear();
    Variables.Clear();
    Scales.Clear();
    Qualifiers.Clear();
    Categories.Clear();
    Phases.Clear();
}

void TCase::ClearItems()
{
    // Through the cascade, so that open design editors hear of it.
    while (!Designs.IsEmpty())
        DeleteDesign(Designs.At(Designs.Count() - 1));
    FreeItems();
    Comments.clear();
}

void TCase::SwapItems(TCase& other)
{
    for (TDesign* design : Designs)
        TellListeners(Listeners, [design](TCaseListener* listener) { listener->DesignDeleting(*design); });
    std::swap(Name, other.Name);
    std::swap(Comments, other.Comments);
    std::swap(ID, other.ID);
    // Each item then points at the case that holds it.
    const auto repoint = [this, &other](auto& mine, auto& theirs) {
        for (auto&& item : mine)
            item->Case = this;
        for (auto&& item : theirs)
            item->Case = &other;
    };
    const auto swap = [&repoint](auto& mine, auto& theirs) {
        mine.SwapItems(theirs);
        repoint(mine, theirs);
    };
    swap(Categories, other.Categories);
    swap(Phases, other.Phases);
    swap(SystemLevels, other.SystemLevels);
    swap(Qualifiers, other.Qualifiers);
    swap(Actors, other.Actors);
    swap(Scales, other.Scales);
    swap(Variables, other.Variables);
    swap(Designs, other.Designs);
    swap(Policies, other.Policies);
    std::swap(Combinations, other.Combinations);
    repoint(Combinations, other.Combinations);
    std::swap(BaseCase, other.BaseCase);
}

QStringList TCase::DefaultContents()
{
    return {
        QStringLiteral("<font face=\"Arial\" size=3><b>Contents</b><font face=\"Arial\" size=2><hr>"),
        QStringLiteral("<img src=\"img/case.bmp\" alt=\"Basic case data\"><a href=\"ORVEL case.htm\" target=main><b>Case</b></a><br>"),
        QStringLiteral("<img src=\"img/propro.bmp\" alt=\"Problems and Promises\"><a href=\"ORVEL propro.htm\" target=main><b>P&amp;P</b></a><br>"),
        QStringLiteral("<img src=\"img/policy.bmp\" alt=\"Design policies\"><a href=\"ORVEL policies.htm\" target=main><b>Policies</b></a><br>"),
        QStringLiteral("<img src=\"img/actor.bmp\" alt=\"Actor positions\"><a href=\"ORVEL actors.htm\" target=main><b>Actors</b></a><hr>"),
    };
}

int TCase::AddCategory(const QString& name)
{
    const int before = Categories.Count();
    const int next = NextCategoryNumber(*this);
    const int index = Categories.Add(name, this);
    if (Categories.Count() > before)
        Categories.At(index)->Number = next;
    return index;
}

int TCase::AddPhase(const QString& name)
{
    const int before = Phases.Count();
    const int next = NextPhaseOrder(*this);
    const int index = Phases.Add(name, this);
    if (Phases.Count() > before)
        Phases.At(index)->Order = next;
    return index;
}

int TCase::AddSystemLevel(const QString& name) { return SystemLevels.Add(name, this); }
int TCase::AddQualifier(const QString& name) { return Qualifiers.Add(name, this); }
int TCase::AddActor(const QString& name) { return Actors.Add(name, this); }
int TCase::AddScale(const QString& name) { return Scales.Add(name, this); }
int TCase::AddVariable(const QString& name) { return Variables.Add(name, this); }
int TCase::AddDesign(const QString& name) { return Designs.Add(name, this); }
int TCase::AddPolicy(const QString& name) { return Policies.Add(name, this); }

void TCase::ForEachDecisionArea(const std::function<void(TDecisionArea*)>& visit) const
{
    for (TSystemLevel* level : SystemLevels)
        for (TDecisionArea* area : level->DecisionAreas)
            visit(area);
}

void TCase::ForEachOption(const std::function<void(TOption*)>& visit) const
{
    ForEachDecisionArea([&](TDecisionArea* area) {
        for (TOption* option : area->Options)
            visit(option);
    });
}

void TCase::ForEachEffect(const std::function<void(TEffect*)>& visit) const
{
    ForEachOption([&](TOption* option) {
        for (const auto& effect : option->Effects)
            visit(effect.get());
    });
}

namespace {

// Deletes, through their levels, the decision areas that `matches` selects.
void DeleteAreasWhere(TCase& aCase, const std::function<bool(const TDecisionArea*)>& matches)
{
    for (TSystemLevel* level : aCase.SystemLevels) {
        for (int i = level->DecisionAreas.Count() - 1; i >= 0; --i) {
            TDecisionArea* area = level->DecisionAreas.At(i);
            if (matches(area))
                level->DeleteDecisionArea(area);
        }
    }
}

} // namespace

void TCase::DeleteCategory(TCategory* category)
{
    DeleteAreasWhere(*this, [category](const TDecisionArea* a) { return a->Category == category; });
    Categories.Remove(category);
    Changed = true;
}

void TCase::DeletePhase(TPhase* phase)
{
    DeleteAreasWhere(*this, [phase](const TDecisionArea* a) { return a->Phase == phase; });
    Phases.Remove(phase);
    Changed = true;
}

void TCase::DeleteSystemLevel(TSystemLevel* level)
{
    DeleteDesignObjectsOfLevel(*this, *level);
    for (int i = level->DecisionAreas.Count() - 1; i >= 0; --i)
        level->DeleteDecisionArea(level->DecisionAreas.At(i));
    // Sub-levels stay, moved to the top, so that none keeps a pointer to this one.
    for (TSystemLevel* child : std::vector<TSystemLevel*>(level->Children))
        child->PlaceUnder(nullptr);
    level->Detach();
    SystemLevels.Remove(level);
    Changed = true;
}

void TCase::DeleteQualifier(TQualifier* qualifier)
{
    ForEachOption([qualifier](TOption* option) { option->RemoveQualifier(qualifier); });
    for (TActor* actor : Actors)
        EraseLinks<TActorQualifier>(actor->Qualifiers,
                                    [qualifier](const TActorQualifier& l) { return l.Qualifier == qualifier; });
    Qualifiers.Remove(qualifier);
    Changed = true;
}

void TCase::DeleteActor(TActor* actor)
{
    for (TActor* other : Actors)
        EraseLinks<TActorConnection>(other->Connections,
                                     [actor](const TActorConnection& l) { return l.OtherActor == actor; });
    Actors.Remove(actor);
    Changed = true;
}

void TCase::DeleteScale(TScale* scale)
{
    for (int i = Variables.Count() - 1; i >= 0; --i)
        if (Variables.At(i)->Scale == scale)
            DeleteVariable(Variables.At(i));
    Scales.Remove(scale);
    Changed = true;
}

void TCase::DeleteVariable(TVariable* variable)
{
    ForEachOption([variable](TOption* option) {
        for (int i = int(option->Effects.size()) - 1; i >= 0; --i)
            if (option->Effects[size_t(i)]->Variable == variable)
                option->DeleteEffect(option->Effects[size_t(i)].get());
    });
    for (TActor* actor : Actors)
        EraseLinks<TActorGoal>(actor->Goals, [variable](const TActorGoal& l) { return l.Variable == variable; });
    // Formulas that read the variable are compiled again without it, so that
    // no instruction keeps pointing at it (each then warns about the name).
    std::vector<TEffect*> readers;
    ForEachEffect([&](TEffect* effect) {
        if (effect->Reads(variable))
            readers.push_back(effect);
    });
    DropVariableFromDesigns(*this, *variable);
    const std::unique_ptr<TVariable> owned = Variables.Take(Variables.IndexOf(variable));
    for (TEffect* effect : readers)
        effect->Recompile();
    Changed = true;
}

void TCase::DeleteDesign(TDesign* design)
{
    TellListeners(Listeners, [design](TCaseListener* listener) { listener->DesignDeleting(*design); });
    if (BaseCase == design)
        BaseCase = nullptr;
    for (int i = design->TopObjects.Count() - 1; i >= 0; --i)
        design->DeleteDesignObject(design->TopObjects.At(i));
    Designs.Remove(design);
    Changed = true;
}

void TCase::SetBaseCase(TDesign* design)
{
    BaseCase = design;
    Changed = true;
}

void TCase::DeletePolicy(TPolicy* policy)
{
    Policies.Remove(policy);
    Changed = true;
}

void TCase::DeleteCombination(TCombination* combination)
{
    std::erase_if(Combinations, [combination](const auto& c) { return c.get() == combination; });
    Changed = true;
}

void TCase::RenameVariable(TVariable* variable, const QString& newName)
{
    const QString name = CleanTrimmedName(newName);
    if (name.isEmpty())
        return;
    const QString oldName = variable->Name;
    Variables.RenameConcept(variable, name);
    if (variable->Name != name)
        return;
    const QString from = QLatin1Char('[') + oldName + QLatin1Char(']');
    const QString to = QLatin1Char('[') + name + QLatin1Char(']');
    ForEachEffect([&](TEffect* effect) { effect->Formula.replace(from, to, Qt::CaseInsensitive); });
    Changed = true;
}

void TCase::Subscribe(TCaseListener* listener)
{
    if (std::find(Listeners.begin(), Listeners.end(), listener) == Listeners.end())
        Listeners.push_back(listener);
}

void TCase::TellItemsReplacing()
{
    TellListeners(Listeners, [](TCaseListener* listener) { listener->ItemsReplacing(); });
}

void TCase::TellItemsReplaced()
{
    TellListeners(Listeners, [](TCaseListener* listener) { listener->ItemsReplaced(); });
}

void TCase::Unsubscribe(TCaseListener* listener) { std::erase(Listeners, listener); }

void TCase::Announce(TChangeKinds kinds)
{
    if (Listeners.empty() || kinds == 0)
        return;
    TBusyScope busy;
    TellListeners(Listeners, [kinds](TCaseListener* listener) { listener->CaseChanged(kinds); });
}
