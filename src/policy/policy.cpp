#include "policy/policy.h"

#include "design/designobject.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/helpers.h"
#include "model/messages.h"
#include "model/option.h"
#include "policy/combination.h"

#include <algorithm>

QString TPolicy::IconHTML() const
{
    return QStringLiteral("<img src=\"img/policy.bmp\" alt=\"Policy\">");
}

QStringList TPolicy::DescriptionRows() const
{
    QStringList rows;
    rows << QStringLiteral("<tr><td>") + IconHTML() + QStringLiteral("</td><td>") + PageText(Name)
                + QStringLiteral("</td></tr>") + CommentRow(*this);
    QStringList options{ QStringLiteral("  <tr><td colspan=2><i>Selected options for this policy:</i></td></tr>") };
    for (const TOption* option : Options)
        options << OptionRow(*option, 0);
    return rows << NestedTable(qsizetype(Options.size()), options);
}

namespace {

// The warning that refuses `option` because of a preclusion with `member`, or
// empty text when the two go together.
QString PreclusionConflict(const TOption* option, const TOption* member)
{
    if (member->Precludes(option->DecisionArea))
        return QStringLiteral("Decision area \"") + option->DecisionArea->Name
               + QStringLiteral("\"\ris precluded by policy option \"") + member->AreaAndName() + QLatin1Char('"');
    if (option->Precludes(member->DecisionArea))
        return QStringLiteral("Option \"") + option->AreaAndName()
               + QStringLiteral("\"\rwould preclude policy option \"") + member->AreaAndName() + QLatin1Char('"');
    return QString();
}

TOption* OptionForArea(const TPolicy& policy, const TDecisionArea* area)
{
    for (TOption* member : policy.Options)
        if (member->DecisionArea == area)
            return member;
    return nullptr;
}

} // namespace

void AddOptionToPolicy(TPolicy& policy, TOption* option)
{
    // Preclusions are checked first, so a conflicting option is refused even
    // where it would replace the option that conflicts with it.
    for (const TOption* member : policy.Options) {
        const QString conflict = PreclusionConflict(option, member);
        if (!conflict.isEmpty()) {
            ShowWarning(conflict);
            return;
        }
    }
    if (TOption* present = OptionForArea(policy, option->DecisionArea)) {
        if (!AskYesNo(QStringLiteral("Policy already contains an option for this decision area.\rReplace?")))
            return;
        if (present == option)
            return;
        std::erase(policy.Options, present);
    }
    policy.Options.push_back(option);
    SortOptions(policy.Options);
    MarkCaseChanged(policy.Case);
}

namespace {

// Appends the object's options for areas the policy has no option for yet;
// true when any was added.
bool AddObjectOptions(TPolicy& policy, const TDesignObject* object, bool statusQuo, bool withSubsystems)
{
    bool added = false;
    // Status quo options are taken whatever the design's own choices preclude.
    for (TOption* option : statusQuo ? object->StatusQuoOptions : object->DesignOptions) {
        if (!statusQuo && object->IsPrecluded(option->DecisionArea) >= 0)
            continue;
        if (OptionForArea(policy, option->DecisionArea))
            continue;
        policy.Options.push_back(option);
        added = true;
    }
    if (withSubsystems)
        for (const TDesignObject* child : object->Children)
            added |= AddObjectOptions(policy, child, statusQuo, true);
    return added;
}

} // namespace

void AddDesignObjectOptions(TPolicy& policy, const TDesignObject* object, bool statusQuo, bool withSubsystems)
{
    if (!AddObjectOptions(policy, object, statusQuo, withSubsystems))
        return;
    SortOptions(policy.Options);
    MarkCaseChanged(policy.Case);
}

void RemoveOptionFromPolicy(TPolicy& policy, TOption* option)
{
    if (std::erase(policy.Options, option) > 0)
        MarkCaseChanged(policy.Case);
}

std::vector<TVariable*> AffectedVariables(const TPolicy& policy)
{
    std::vector<TVariable*> result;
    for (const TOption* option : policy.Options)
        for (const auto& effect : option->Effects)
            if (std::find(result.begin(), result.end(), effect->Variable) == result.end())
                result.push_back(effect->Variable);
    std::stable_sort(result.begin(), result.end(), [](const TVariable* a, const TVariable* b) {
        return CompareLocaleAware(a->Name, b->Name) < 0;
    });
    return result;
}

std::vector<TCombination*> PolicyCombinations(const TPolicy& policy)
{
    const auto inPolicy = [&policy](const TOption* o) {
        return std::find(policy.Options.begin(), policy.Options.end(), o) != policy.Options.end();
    };
    std::vector<TCombination*> result;
    for (const auto& combination : policy.Case->Combinations) {
        const std::vector<TOption*>& options = combination->Options;
        // A combination without options (only a damaged page makes one) is in no policy.
        if (!options.empty() && std::all_of(options.begin(), options.end(), inPolicy))
            result.push_back(combination.get());
    }
    SortCombinations(result);
    return result;
}

std::vector<int> QualifierCounts(const TPolicy& policy)
{
    std::vector<int> counts;
    for (const TQualifier* qualifier : policy.Case->Qualifiers)
        counts.push_back(int(std::count_if(policy.Options.begin(), policy.Options.end(),
                                           [qualifier](const TOption* o) { return o->HasQualifier(qualifier); })));
    return counts;
}
