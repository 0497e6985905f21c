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
    TOption* option = OptionNamed(*area, buffer.ReadUntil(RowEnd));
    // A policy holds one option per decision area: the first one read stays.
    if (HasOptionFor(policy, area)) {
        ShowWarning(QStringLiteral("Policy \"") + policy.Name + QStringLiteral("\", option \"") + area->Name
                    + QStringLiteral(" = ") + option->Name
                    + QStringLiteral("\" skipped: the policy has an option for this decision area already"));
        return;
    }
    policy.Options.push_back(option);
    MarkCaseChanged(policy.Case);
}

void ReadPolicy(TFileBuffer& buffer, TCase& aCase)
{
    buffer.SkipPast(QStringLiteral("<img src=\"img/policy.bmp\" alt=\"policy\"></td><td>"));
    TPolicy* policy = aCase.Policies.At(aCase.AddPolicy(buffer.ReadUntil(RowEnd)));
    ReadComment(buffer, *policy);
    const int count = ReadTableCount(buffer);
    for (int i = 0; i < count; ++i)
        ReadPolicyOption(buffer, *policy);
    SortOptions(policy->Options);
}

} // namespace

void ReadPoliciesPage(TFolderReader& folder)
{
    TFileBuffer buffer;
    if (!folder.OpenPage(buffer, QStringLiteral("ORVEL policies.htm"), QStringLiteral(" [loading design policies...]")))
        return;
    const int count = ReadTableCount(buffer);
    for (int i = 0; i < count; ++i)
        ReadPolicy(buffer, folder.Case);
    buffer.Close();
}
