#pragma once

#include <QString>

class TCase;
class TDecisionArea;
class TFileBuffer;
class TOption;

/// Reads the decision area address that follows on the page ("level:area",
/// ending at `end`) and returns that area; a stop when it names none.
TDecisionArea* ReadDecisionAreaAddress(TFileBuffer& buffer, const TCase& aCase, const QString& end);
/// The option of that name in the area; a stop when there is none.
TOption* OptionNamed(const TDecisionArea& area, const QString& name);
