#pragma once
// The per-user settings store: text values addressed by application name,
// section and key. Each application name is one INI file in the user's
// configuration folder ($XDG_CONFIG_HOME or ~/.config), in the layout of
// platform/SettingsFile.h; a system-wide file of the same name plays no part.
// Every read reads the file (but within a SettingsReading) and every save
// writes it whole, through a temporary file that takes its place once all of
// it is on the disk: no lock, nothing a killed run leaves can stall or spoil
// the next. A file that is there but cannot be read, or is read-only, is
// never written over.

#include "platform/SettingsFile.h"

#include <QString>

namespace platform {

// The stored value, or defaultValue when the key does not exist (or the file
// cannot be read).
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
// Stores the value; the file is written at once, so nothing is lost when the
// program ends right after. False, with the reason in *error, when the file
// could not be written whole (a full disk, a folder that cannot be written,
// a file there that cannot be read or is read-only): it then keeps what it
// held.
bool SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value,
                 QString* error = nullptr);
// Removes a key (used by tests and never by the program's own logic); false
// as for SaveSetting.
bool DeleteSetting(const QString& appName, const QString& section, const QString& key, QString* error = nullptr);
// The file that holds an application's settings.
QString settingsFilePath(const QString& appName);

// While one lives, the reads of an application's settings share one read of
// its file, the first (the settings load at start reads a hundred keys); a
// save of that application's settings meanwhile makes the next read read the
// file again.
class SettingsReading {
public:
    explicit SettingsReading(const QString& appName);
    ~SettingsReading();
    SettingsReading(const SettingsReading&) = delete;
    SettingsReading& operator=(const SettingsReading&) = delete;

private:
    QString outer_;  // the application an enclosing one reads, read afresh after
};

// Several values stored as one save (Exit's, the login dialog's, the button
// table's, the first-run flag's): the values are held until write(), which
// writes the file once with all of them, or with none of them when it fails.
// The save then tells why, so that it is recorded once, not once a key.
class SettingsSave {
public:
    explicit SettingsSave(const QString& appName);
    void put(const QString& section, const QString& key, const QString& value);
    // False, with the reason in problem(), when the file could not be
    // written whole; it then keeps what it held.
    bool write();
    const QString& problem() const { return problem_; }

private:
    QString app_;
    SettingsSections values_;
    QString problem_;
};

} // namespace platform
