#pragma once
// The per-user settings store: text values addressed by application name,
// section and key. Each application name is one INI file in the user's
// configuration folder ($XDG_CONFIG_HOME or ~/.config).

#include <QString>

namespace platform {

// The stored value, or defaultValue when the key does not exist.
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
// Stores the value; the file is written at once, so nothing is lost when the
// program ends right after.
void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);
// Removes a key (used by tests and never by the program's own logic).
void DeleteSetting(const QString& appName, const QString& section, const QString& key);
// The file that holds an application's settings.
QString settingsFilePath(const QString& appName);

} // namespace platform
