#include "policy/policyapplication.h"

#include "design/designobject.h"
#include "model/decisionarea.h"
#include "policy/policy.h"

void ApplyPolicy(const TPolicy& policy, TDesignObject& object, bool statusQuo, bool withSubsystems)
{
    for (TOption* option : policy.Options) {
        if (option->DecisionArea->SystemLevel != object.SystemLevel)
            continue;
        if (statusQuo && !object.HasStatusQuoOption(option))
            object.SelectStatusQuoOption(option);
        else if (!statusQuo && !object.HasDesignOption(option))
            object.SelectDesignOption(option);
    }
    if (withSubsystems)
        for (TDesignObject* child : object.Children)
            ApplyPolicy(policy, *child, statusQuo, true);
}
