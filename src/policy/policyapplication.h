#pragma once

class TDesignObject;
class TPolicy;

/// Chooses the policy's options of the object's system level at the object,
/// for the design or as the status quo, leaving alone what already holds;
/// with `withSubsystems` the same at every object below it.
void ApplyPolicy(const TPolicy& policy, TDesignObject& object, bool statusQuo, bool withSubsystems);
