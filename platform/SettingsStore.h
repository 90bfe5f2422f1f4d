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
// program ends right after. False when the file could not be written whole
// (a full disk, a folder that cannot be written): it then keeps what it held.
bool SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);
// Removes a key (used by tests and never by the program's own logic); false
// as for SaveSetting.
bool DeleteSetting(const QString& appName, const QString& section, const QString& key);
// The file that holds an application's settings.
QString settingsFilePath(const QString& appName);

} // namespace platform
