#pragma once

#include <memory>
#include <vector>

class TVMInstruction;

/// A compiled formula: instructions in execution (postfix) order, owned.
using TVMCode = std::vector<std::unique_ptr<TVMInstruction>>;
