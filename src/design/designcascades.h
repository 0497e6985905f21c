#pragma once

// What the case and its hierarchy tell every design when they change. The
// model only dispatches; the designs' own logic lives here.

class TCase;
class TDecisionArea;
class TEffect;
class TOption;
class TSystemLevel;
class TVariable;

/// The effect was just added to its option: objects where the option is
/// chosen gain its attribute and calculation.
void ApplyEffectToDesigns(TEffect& effect);
/// The effect is about to change, or has left its option: its calculations
/// go, and with them any attribute that nothing needs any more.
void RemoveEffectFromDesigns(const TEffect& effect);
/// The option has just begun or stopped precluding the area.
void RefreshPreclusionInDesigns(TOption& option, TDecisionArea& area);
/// The option is about to be deleted: every design drops it.
void DropOptionFromDesigns(TOption& option);
/// The area, whose options are gone and which nothing precludes any more, is
/// about to be deleted: its records go.
void ForgetDecisionAreaInDesigns(TDecisionArea& area);
/// The level is about to be deleted: its design objects go with their subtrees.
void DeleteDesignObjectsOfLevel(TCase& aCase, const TSystemLevel& level);
/// The variable is about to be deleted: its attributes and placeholders go.
void DropVariableFromDesigns(TCase& aCase, const TVariable& variable);
