#include "platform/SettingsStore.h"

#include <QSettings>

namespace platform {

namespace {
// Sections and keys are joined the way QSettings groups them. A "/" inside a
// name would open a sub-group, so it is replaced; the program never uses one.
QString path(const QString& section, const QString& key)
{
    QString s = section;
    QString k = key;
    s.replace(QLatin1Char('/'), QLatin1Char('_'));
    k.replace(QLatin1Char('/'), QLatin1Char('_'));
    return s + QLatin1Char('/') + k;
}
} // namespace

QString settingsFilePath(const QString& appName)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, appName);
    return store.fileName();
}

QString GetSetting(const QString& appName, const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, appName);
    const QVariant v = store.value(path(section, key));
    if (!v.isValid())
        return defaultValue;
    // A value with commas may come back as a list when another program wrote
    // it unquoted; join it back to the text it was.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1String(", "));
    return v.toString();
}

void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, appName);
    store.setValue(path(section, key), value);
    store.sync();
}

void DeleteSetting(const QString& appName, const QString& section, const QString& key)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, appName);
    store.remove(path(section, key));
    store.sync();
}

} // namespace platform
