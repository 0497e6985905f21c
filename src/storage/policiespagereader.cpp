#include "storage/policiespagereader.h"

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/messages.h"
#include "model/option.h"
#include "storage/filebuffer.h"
#include "storage/folderreader.h"
#include "storage/optionaddress.h"
#include "storage/rowreading.h"

#include <algorithm>

namespace {

bool HasOptionFor(const TPolicy& policy, const TDecisionArea* area)
{
    return std::any_of(policy.Options.begin(), policy.Options.end(),
                       [area](const TOption* o) { return o->DecisionArea == area; });
}

void ReadPolicyOption(TFileBuffer& buffer, TPolicy& policy)
{
    buffer.SkipPast(QStringLiteral(".bmp\" alt=\""));
    const TDecisionArea* area = ReadDecisionAreaAddress(buffer, *policy.Case, QStringLiteral("\">"));
    buffer.SkipPast(QStringLiteral(" = "));
    TOption* option = OptionNamed(*area, ReadText(buffer, RowEnd));
    // A policy holds one option per decision area: the first one read stays.
    if (HasOptionFor(policy, area)) {
        ShowReadWarning(QStringLiteral("Policy \"") + policy.Name + QStringLiteral("\", option \"") + area->Name
                    + QStringLiteral(" = ") + option->Name
                    + QStringLiteral("\" skipped: the policy has an option for this decision area already"));
        return;
    }
    policy.Options.push_back(option);
    MarkCaseChanged(policy.Case);
}

const QString PolicyMarker = QStringLiteral("<img src=\"img/policy.bmp\" alt=\"policy\"></td><td>");

void ReadPolicy(TFileBuffer& buffer, TCase& aCase)
{
    buffer.SkipPast(PolicyMarker);
    TPolicy* policy = aCase.Policies.At(aCase.AddPolicy(ReadText(buffer, RowEnd)));
    ReadComment(buffer, *policy);
    buffer.ReadTable(QStringLiteral(".bmp\" alt=\""), [&] { ReadPolicyOption(buffer, *policy); });
    SortOptions(policy->Options);
}

} // namespace

void ReadPoliciesPage(TFolderReader& folder)
{
    folder.ReadItemsPage(QStringLiteral("ORVEL policies.htm"), QStringLiteral(" [loading design policies...]"),
                         PolicyMarker, [&](TFileBuffer& buffer) { ReadPolicy(buffer, folder.Case); });
}
