#pragma once

/// The system beep with which dialogs refuse input. Counted, so that tests can
/// tell a refusal from silence.
void Beep();
int BeepCount();
