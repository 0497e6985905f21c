#pragma once

class TDesign;

/// What a change to the case can alter on screen. An edit announces the kinds
/// it touched; each open window rebuilds what it shows of those kinds.
enum TChangeKind : unsigned
{
    ChangeCase = 1u << 0,          // the case's own name and comment
    ChangeCatalogues = 1u << 1,    // phases, categories, qualifiers, scales, variables and their fields
    ChangeLevels = 1u << 2,        // system levels: design trees rebuild whole
    ChangeAreasOptions = 1u << 3,  // decision areas, options, their qualifiers and preclusions
    ChangeValues = 1u << 4,        // effects, formulas and constants: values only
    ChangeDesigns = 1u << 5,       // designs, design objects, counts, choices, the base case
    ChangeActors = 1u << 6,        // actors and their positions
    ChangeCombinations = 1u << 7,  // problems and promises
    ChangePolicies = 1u << 8,
    ChangeEverything = (1u << 9) - 1,
};
using TChangeKinds = unsigned;

/// An open window (or anything else) that shows the case. Listeners hear of
/// a change only once the edit that made it has finished, so a window never
/// rebuilds in the middle of its own command.
class TCaseListener
{
public:
    virtual ~TCaseListener() = default;
    /// Rebuild what shows any of `kinds` from the case, keeping the selection
    /// where its item still exists.
    virtual void CaseChanged(TChangeKinds kinds) = 0;
    /// The design is about to be freed, at once and not after the edit: drop
    /// every reference to it now (its editor closes).
    virtual void DesignDeleting(TDesign& /*design*/) {}
    /// Every item is about to be freed and read back as it was at another
    /// time (an undo, a redo): note what is selected by what is shown, since
    /// the items that come back are new objects.
    virtual void ItemsReplacing() {}
    /// The items are back and every listener has rebuilt: select again.
    virtual void ItemsReplaced() {}
};
