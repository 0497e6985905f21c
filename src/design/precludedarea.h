#pragma once

#include <memory>
#include <vector>

class TDecisionArea;
class TDesignObject;
class TOption;

/// A decision area ruled out at a design object, with the chosen options that
/// rule it out. A record exists exactly while it names at least one option.
struct TPrecludedArea
{
    TDecisionArea* DecisionArea = nullptr;
    std::vector<TOption*> Options;   // not owned
};

using TPrecludedAreas = std::vector<std::unique_ptr<TPrecludedArea>>;

/// The records of `object` as its choices and those of its ancestors make
/// them; the ancestors' records must be up to date.
///
/// An option chosen at an object has effect unless its decision area is ruled
/// out there, and an option with effect rules out its precluded areas of the
/// object's level at the object and below. Choices at ancestors are settled
/// first. Among the object's own choices, preclusions that form a cycle (A rules
/// out B, B rules out A) have no single consistent reading; there the choice
/// that comes first in option order keeps its effect and the preclusions that
/// would take it away are ignored. The result depends only on what is chosen,
/// never on the order of choosing, so a saved case opens as it was.
TPrecludedAreas DerivePrecludedAreas(const TDesignObject& object);
