#pragma once

#include <memory>

class TCase;
class TExampleBuilder;

/// The example case: the energy transition of Rivertown, a small town of three
/// kinds of districts, with every kind of item a case can hold, each with a
/// comment that tells a new user what it is for.
std::unique_ptr<TCase> BuildRivertown();

// The steps, in the order they run: each builds on the items of the ones before.
void AddRivertownCatalogues(TExampleBuilder& builder);
void AddRivertownVariables(TExampleBuilder& builder);
void AddRivertownHierarchy(TExampleBuilder& builder);
void AddRivertownPolicies(TExampleBuilder& builder);      // the designs apply them
void AddRivertownDesigns(TExampleBuilder& builder);
void AddRivertownActors(TExampleBuilder& builder);
void AddRivertownCombinations(TExampleBuilder& builder);
