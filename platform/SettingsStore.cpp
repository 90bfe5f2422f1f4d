#include "platform/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStorageInfo>
#include <optional>
#include <unistd.h>

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

std::optional<QByteArray> contentsOf(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// The keys a settings file holds, by section, when it is whole. QSettings
// writes one "key=value" line a key under "[section]" lines, and a line break
// after each, so a file cut short lacks lines or ends inside one.
std::optional<QSet<QByteArray>> keysOf(const QString& fileName)
{
    const std::optional<QByteArray> bytes = contentsOf(fileName);
    if (!bytes || (!bytes->isEmpty() && !bytes->endsWith('\n')))
        return std::nullopt;
    QSet<QByteArray> keys;
    QByteArray section;
    for (const QByteArray& line : bytes->split('\n')) {
        const QByteArray t = line.trimmed();
        const qsizetype equals = t.indexOf('=');
        if (t.isEmpty())
            continue;
        if (t.startsWith('[') && t.endsWith(']'))
            section = t;
        else if (equals > 0)
            keys.insert(section + '/' + t.left(equals).trimmed());
        else
            return std::nullopt;
    }
    return keys;
}

// The settings file itself, where its name is a link to it.
QString realFile(const QString& fileName)
{
    const QString real = QFileInfo(fileName).canonicalFilePath();
    return real.isEmpty() ? fileName : real;
}

QString keptName(const QString& file) { return file + QStringLiteral(".kept"); }

bool renameFile(const QString& from, const QString& to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Before every read and write. Our own writes never leave a last good copy
// behind, so one found beside the file was left by a run that ended while it
// wrote the file, which may have been cut then. The copy is put back unless
// the file beside it is whole and holds every key the copy holds (a write
// only ever adds a key or changes one); only then, or when the copy is no
// whole file itself, is it dropped. True when it went back.
bool PutBackLastGoodFile(const QString& fileName)
{
    const QString file = realFile(fileName);
    const QString kept = keptName(file);
    if (!QFileInfo::exists(kept))
        return false;
    const std::optional<QSet<QByteArray>> now = keysOf(file);
    const std::optional<QSet<QByteArray>> before = keysOf(kept);
    if (now && (!before || now->contains(*before))) {
        QFile::remove(kept);
        return false;
    }
    // A rename between two names of one file does nothing: then the second
    // name goes. Should the rename fail, the copy stays for the next try.
    if (!renameFile(kept, file))
        return false;
    QFile::remove(kept);
    return true;
}

// The settings file as it was before a write, to put back should the write
// not reach the disk whole; QSettings itself renames a cut file into place
// on a full disk and reports no error. The file is kept under a second name,
// which takes no room on the disk, or, where the folder takes no such name,
// as its bytes.
class LastGoodFile {
public:
    explicit LastGoodFile(const QString& fileName)
        : file_(realFile(fileName))
        , kept_(keptName(file_))
    {
        existed_ = QFileInfo::exists(file_);
        linked_ = existed_ && ::link(QFile::encodeName(file_).constData(), QFile::encodeName(kept_).constData()) == 0;
        if (existed_ && !linked_)
            bytes_ = contentsOf(file_);
    }
    LastGoodFile(const LastGoodFile&) = delete;
    LastGoodFile& operator=(const LastGoodFile&) = delete;

    const QString& fileName() const { return file_; }

    void drop() const
    {
        if (linked_)
            QFile::remove(kept_);
    }

    void restore() const
    {
        if (linked_) {
            // A file left as it was is the kept one, which the rename leaves
            // under both names.
            renameFile(kept_, file_);
            QFile::remove(kept_);
        } else if (!existed_) {
            QFile::remove(file_);
        } else if (bytes_ && contentsOf(file_) != bytes_) {
            QFile file(file_);
            if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                file.write(*bytes_);
        }
    }

private:
    QString file_;
    QString kept_;
    bool existed_ = false;
    bool linked_ = false;
    std::optional<QByteArray> bytes_;
};

// Why a write did not reach the disk whole: QSettings tells no more than
// that it failed, when it tells at all.
QString whyNotWritten(const QString& fileName, QSettings::Status status)
{
    const QFileInfo info(fileName);
    const QStorageInfo disk(info.absolutePath());
    QString why;
    if (disk.isValid() && disk.bytesAvailable() < info.size() + 4096)
        why = QStringLiteral("the disk is full");
    else if (status == QSettings::AccessError)
        why = QStringLiteral("the file or its folder cannot be written");
    else
        why = QStringLiteral("the file was written incomplete");
    return QStringLiteral("Cannot write ") + fileName + QStringLiteral(": ") + why;
}

// Writes the store's changes; a file that could not be written whole gives
// way to the one before it.
bool write(QSettings& store, QString* error)
{
    const LastGoodFile lastGood(store.fileName());
    store.sync();
    const std::optional<QSet<QByteArray>> written = keysOf(lastGood.fileName());
    if (store.status() == QSettings::NoError && written && written->size() == store.allKeys().size()) {
        lastGood.drop();
        return true;
    }
    lastGood.restore();
    if (error)
        *error = whyNotWritten(lastGood.fileName(), store.status());
    return false;
}

// The user's own file, and nothing else: the settings library would also
// read a system-wide file of the same name, whose keys are not the user's
// and would never be in the file it writes. A last good copy put back over
// the file just read makes the library read it again.
class UserSettings : public QSettings {
public:
    explicit UserSettings(const QString& appName)
        : QSettings(QSettings::IniFormat, QSettings::UserScope, appName)
    {
        setFallbacksEnabled(false);
        if (PutBackLastGoodFile(fileName()))
            sync();
    }
};
} // namespace

QString settingsFilePath(const QString& appName)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, appName);
    return store.fileName();
}

QString GetSetting(const QString& appName, const QString& section, const QString& key, const QString& defaultValue)
{
    UserSettings store(appName);
    const QVariant v = store.value(path(section, key));
    if (!v.isValid())
        return defaultValue;
    // A value with commas may come back as a list when another program wrote
    // it unquoted; join it back to the text it was.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1String(", "));
    return v.toString();
}

bool SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value,
                 QString* error)
{
    UserSettings store(appName);
    store.setValue(path(section, key), value);
    return write(store, error);
}

bool DeleteSetting(const QString& appName, const QString& section, const QString& key, QString* error)
{
    UserSettings store(appName);
    store.remove(path(section, key));
    return write(store, error);
}

SettingsSave::SettingsSave(const QString& appName)
    : app_(appName)
{
}

void SettingsSave::put(const QString& section, const QString& key, const QString& value)
{
    QString error;
    if (!SaveSetting(app_, section, key, value, &error) && problem_.isEmpty())
        problem_ = error;
}

} // namespace platform
