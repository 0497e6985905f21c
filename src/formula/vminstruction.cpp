#include "formula/vminstruction.h"

#include "model/messages.h"

TVMResult TVMContext::ReadVariable(const TVariable&) { return { VMNoAttribute, UndefinedValue }; }

void TVMInstruction::Execute(TVMContext&) const { ShowError(QStringLiteral("Undefined VM instruction")); }
