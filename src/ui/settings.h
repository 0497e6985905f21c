#pragma once

#include <QString>

/// The settings file: INI format, section [ORVEL], key Folder (the last case
/// folder read or written), in the user's configuration folder.
QString DefaultSettingsFile();
QString ReadLastFolder(const QString& settingsFile);
void WriteLastFolder(const QString& settingsFile, const QString& folder);
