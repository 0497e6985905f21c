#include "actors/actor.h"

#include "model/conceptlist.h"
#include "model/helpers.h"

#include <algorithm>

namespace {

template <class T>
T* Append(TActor* actor, std::vector<std::unique_ptr<T>>& list, std::unique_ptr<T> link)
{
    list.push_back(std::move(link));
    MarkCaseChanged(actor->Case);
    return list.back().get();
}

template <class T>
void SortInPlace(std::vector<std::unique_ptr<T>>& list, bool (*less)(const T&, const T&))
{
    std::stable_sort(list.begin(), list.end(), [less](const auto& a, const auto& b) { return less(*a, *b); });
}

template <class T>
std::vector<const T*> Sorted(const std::vector<std::unique_ptr<T>>& list, bool (*less)(const T&, const T&))
{
    std::vector<const T*> result;
    for (const auto& link : list)
        result.push_back(link.get());
    std::stable_sort(result.begin(), result.end(), [less](const T* a, const T* b) { return less(*a, *b); });
    return result;
}

template <class T>
void AppendBlock(QStringList& rows, const char* heading, const std::vector<std::unique_ptr<T>>& list,
                 bool (*less)(const T&, const T&))
{
    rows << QStringLiteral("  <tr><td colspan=2><i>%1</i></td></tr>").arg(QLatin1String(heading));
    QStringList links;
    for (const T* link : Sorted(list, less))
        links << link->Row();
    rows << NestedTable(qsizetype(list.size()), links, QStringLiteral("  "));
}

template <class T>
bool ErasePosition(std::vector<std::unique_ptr<T>>& list, const TNameless* position)
{
    return std::erase_if(list, [position](const auto& link) { return link.get() == position; }) > 0;
}

} // namespace

TActorConnection* TActor::AddConnection(TActor* other, int influence)
{
    auto link = std::make_unique<TActorConnection>(this);
    link->OtherActor = other;
    link->Influence = influence;
    return Append(this, Connections, std::move(link));
}

TActorDecision* TActor::AddDecision(TDecisionArea* area, int influence)
{
    auto link = std::make_unique<TActorDecision>(this);
    link->DecisionArea = area;
    link->Influence = influence;
    return Append(this, Decisions, std::move(link));
}

TActorGoal* TActor::AddGoal(TVariable* variable, int direction, double value, int preference)
{
    auto link = std::make_unique<TActorGoal>(this);
    link->Variable = variable;
    link->Direction = qint16(direction);
    link->Value = value;
    link->Preference = qint16(preference);
    return Append(this, Goals, std::move(link));
}

TActorOption* TActor::AddOptionFeeling(TOption* option, int preference)
{
    auto link = std::make_unique<TActorOption>(this);
    link->Option = option;
    link->Preference = qint16(preference);
    return Append(this, Options, std::move(link));
}

TActorQualifier* TActor::AddQualifierFeeling(TQualifier* qualifier, int preference)
{
    auto link = std::make_unique<TActorQualifier>(this);
    link->Qualifier = qualifier;
    link->Preference = qint16(preference);
    return Append(this, Qualifiers, std::move(link));
}

void TActor::DeletePosition(const TNameless* position)
{
    if (ErasePosition(Connections, position) || ErasePosition(Decisions, position) || ErasePosition(Goals, position)
        || ErasePosition(Options, position) || ErasePosition(Qualifiers, position))
        MarkCaseChanged(Case);
}

void TActor::SortPositions()
{
    SortInPlace(Connections, &ConnectionLess);
    SortInPlace(Decisions, &DecisionLess);
    SortInPlace(Goals, &GoalLess);
    SortInPlace(Options, &OptionFeelingLess);
    SortInPlace(Qualifiers, &QualifierFeelingLess);
}

QString TActor::IconHTML() const
{
    return QStringLiteral("<img src=\"img/actor.bmp\">");
}

QStringList TActor::DescriptionRows() const
{
    QStringList rows;
    rows << QStringLiteral("  <tr class=subsection><td>") + IconHTML() + QStringLiteral("</td><td>") + PageText(Name)
                + QStringLiteral("</td></tr>") + CommentRow(*this);
    AppendBlock(rows, "Influence on other actors:", Connections, &ConnectionLess);
    AppendBlock(rows, "Influence on decisions:", Decisions, &DecisionLess);
    AppendBlock(rows, "Objectives:", Goals, &GoalLess);
    AppendBlock(rows, "Feelings about specific options:", Options, &OptionFeelingLess);
    AppendBlock(rows, "Feelings about qualifiers:", Qualifiers, &QualifierFeelingLess);
    return rows;
}
