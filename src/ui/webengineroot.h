#pragma once

/// The web engine's sandbox refuses to run as root, so it is switched off for
/// root. Call before the QApplication exists.
void AllowWebEngineAsRoot();
