#pragma once

class TCombination;

/// True when the combination can occur in some design: no two of its options
/// share a decision area, and the levels of its options lie on one path down
/// the system hierarchy (each is the other's ancestor or the same level).
bool CanOccur(const TCombination& combination);
