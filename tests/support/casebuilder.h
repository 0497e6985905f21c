#pragma once

#include "model/helpers.h"

#include <QString>

class TCase;
class TCategory;
class TDecisionArea;
class TEffect;
class TOption;
class TPhase;
class TScale;
class TSystemLevel;
class TVariable;

// Small cases for the tests, the benchmarks and the example generator, built
// through the model's own operations (the ones editing and reading use). Each
// answers the item it added, or the one of that name that was there already.

TVariable* NewVariable(TCase& aCase, const QString& name, TScale* scale, quint8 mode, double value = UndefinedValue);
/// A level placed under `parent` (nullptr: at the top of a tree of its own).
TSystemLevel* NewLevel(TCase& aCase, const QString& name, TSystemLevel* parent);
TDecisionArea* NewArea(TSystemLevel& level, const QString& name, TCategory* category, TPhase* phase);
TOption* NewOption(TDecisionArea& area, const QString& name, int number);
/// The effect compiles before it joins the option, so that designs where the
/// option is chosen take it in as it is. `message` gets the compiler's message.
TEffect* NewEffect(TOption& option, TVariable* variable, const QString& formula, bool nullWhenStatusQuo = false,
                   QString* message = nullptr);
