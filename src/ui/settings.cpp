#include "ui/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString FolderKey = QStringLiteral("ORVEL/Folder");
}

QString DefaultSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/ORVEL/ORVEL.ini");
}

QString ReadLastFolder(const QString& settingsFile)
{
    return QSettings(settingsFile, QSettings::IniFormat).value(FolderKey).toString();
}

void WriteLastFolder(const QString& settingsFile, const QString& folder)
{
    QDir().mkpath(QFileInfo(settingsFile).path());
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setValue(FolderKey, folder);
}
