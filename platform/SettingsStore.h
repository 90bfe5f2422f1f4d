#pragma once
// The per-user settings store: text values addressed by application name,
// section and key. Each application name is one INI file in the user's
// configuration folder ($XDG_CONFIG_HOME or ~/.config); a system-wide file of
// the same name is neither read nor written.

#include <QString>

namespace platform {

// The stored value, or defaultValue when the key does not exist.
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
// Stores the value; the file is written at once, so nothing is lost when the
// program ends right after. False, with the reason in *error, when the file
// could not be written whole (a full disk, a folder that cannot be written):
// it then keeps what it held.
bool SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value,
                 QString* error = nullptr);
// Removes a key (used by tests and never by the program's own logic); false
// as for SaveSetting.
bool DeleteSetting(const QString& appName, const QString& section, const QString& key, QString* error = nullptr);
// The file that holds an application's settings.
QString settingsFilePath(const QString& appName);

// Several values stored as one save (Exit's, the login dialog's, the button
// table's): a value that could not be stored does not stop the others, and
// the save tells afterwards why the first such failed, so that it is
// recorded once, not once a key.
class SettingsSave {
public:
    explicit SettingsSave(const QString& appName);
    void put(const QString& section, const QString& key, const QString& value);
    bool failed() const { return !problem_.isEmpty(); }
    const QString& problem() const { return problem_; }

private:
    QString app_;
    QString problem_;
};

} // namespace platform
