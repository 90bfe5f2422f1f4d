#pragma once
// Points the settings store at another folder for a test (it follows
// $XDG_CONFIG_HOME), and back however the test ends.

#include <QByteArray>
#include <QFile>
#include <QString>

class SettingsFolder {
public:
    explicit SettingsFolder(const QString& folder, const char* variable = "XDG_CONFIG_HOME")
        : variable_(variable)
        , before_(qgetenv(variable))
    {
        qputenv(variable, QFile::encodeName(folder));
    }
    ~SettingsFolder() { qputenv(variable_, before_); }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

private:
    const char* variable_;
    QByteArray before_;
};
