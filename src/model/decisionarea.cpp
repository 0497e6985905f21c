#include "model/decisionarea.h"

#include "model/case.h"
#include "design/designcascades.h"
#include "model/helpers.h"

#include <algorithm>

TDecisionArea::TDecisionArea(const QString& name, TSystemLevel* level)
    : TConcept(name), SystemLevel(level), Options(level->Case)
{
}

TDecisionArea::~TDecisionArea() = default;

TCase* TDecisionArea::Case() const { return SystemLevel->Case; }

void TDecisionArea::SetCategory(TCategory* category)
{
    if (category == Category)
        return;
    Category = category;
    MarkCaseChanged(Case());
}

void TDecisionArea::SetPhase(TPhase* phase)
{
    if (phase == Phase)
        return;
    Phase = phase;
    MarkCaseChanged(Case());
}

int TDecisionArea::AddOption(const QString& name) { return Options.Add(name, this); }

void TDecisionArea::DeleteOption(TOption* option)
{
    TCase* aCase = Case();
    for (TPolicy* policy : aCase->Policies)
        std::erase(policy->Options, option);
    DropOptionFromDesigns(*option);
    for (TActor* actor : aCase->Actors)
        EraseLinks<TActorOption>(actor->Options, [option](const TActorOption& l) { return l.Option == option; });
    for (int i = int(aCase->Combinations.size()) - 1; i >= 0; --i)
        if (aCase->Combinations[size_t(i)]->Contains(option))
            aCase->DeleteCombination(aCase->Combinations[size_t(i)].get());
    Options.Remove(option);
    MarkCaseChanged(aCase);
}

bool TDecisionArea::HasQualifier(const TQualifier* qualifier) const
{
    return std::any_of(Options.begin(), Options.end(),
                       [qualifier](const TOption* o) { return o->HasQualifier(qualifier); });
}

std::vector<TOption*> TDecisionArea::PrecludingOptions() const
{
    std::vector<TOption*> result;
    for (const TSystemLevel* level = SystemLevel; level; level = level->Parent)
        for (TDecisionArea* area : level->DecisionAreas)
            for (TOption* option : area->Options)
                if (option->Precludes(this))
                    result.push_back(option);
    SortOptions(result);
    return result;
}

QString TDecisionArea::Address() const
{
    return QStringLiteral("%1:%2").arg(SystemLevel->Index()).arg(SystemLevel->DecisionAreas.IndexOf(this));
}

QString TDecisionArea::IconHTML() const
{
    const int phase = Phase ? Case()->Phases.IndexOf(Phase) : -1;
    return QStringLiteral("<img src=\"img/sl%1p%2.bmp\" alt=\"%3\">")
        .arg(SystemLevel->Index()).arg(phase).arg(Address());
}

namespace {
QString CategoryIcon(const TCategory* category) { return category ? category->IconHTML() : QString(); }
} // namespace

QStringList TDecisionArea::DescriptionRows() const
{
    QStringList rows;
    rows << QStringLiteral("<tr class=da><td>") + IconHTML() + CategoryIcon(Category)
                + QStringLiteral("</td><td>") + PageText(Name) + QStringLiteral("</td></tr>") + CommentRow(*this);
    QStringList options;
    for (const TOption* option : Options)
        options << option->DescriptionRows();
    return rows << NestedTable(Options.Count(), options);
}

QString TDecisionArea::SummaryRow() const
{
    return QStringLiteral("<tr><td>") + IconHTML() + CategoryIcon(Category) + QStringLiteral("</td><td>")
           + PageText(Name) + QStringLiteral("</td></tr>");
}

namespace {

template <class T>
int CompareNumbers(T a, T b) { return a < b ? -1 : a > b ? 1 : 0; }

} // namespace

int CompareDecisionAreas(const TDecisionArea* a, const TDecisionArea* b)
{
    if (int c = CompareNumbers(a->SystemLevel->Depth, b->SystemLevel->Depth))
        return c;
    if (int c = CompareLocaleAware(a->SystemLevel->Name, b->SystemLevel->Name))
        return c;
    if (int c = CompareNumbers(a->Category ? a->Category->Number : 0, b->Category ? b->Category->Number : 0))
        return c;
    if (int c = CompareNumbers(a->Phase ? a->Phase->Order : 0, b->Phase ? b->Phase->Order : 0))
        return c;
    return CompareLocaleAware(a->Name, b->Name);
}

bool DecisionAreaLess(const TDecisionArea* a, const TDecisionArea* b)
{
    return CompareDecisionAreas(a, b) < 0;
}
