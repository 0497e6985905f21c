#include "formula/compiler.h"
#include "formula/vminstruction.h"

TCompileResult CompileFormula(const QString&, const TCase*) { return {}; }
