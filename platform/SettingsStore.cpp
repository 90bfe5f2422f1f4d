#include "platform/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
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

// Whether the file holds all of the keys. QSettings writes one "key=value"
// line a key under "[section]" lines, and a line break after each, so a file
// cut short lacks a line or ends inside one.
bool holdsEveryKey(const QString& fileName, qsizetype keys)
{
    const std::optional<QByteArray> bytes = contentsOf(fileName);
    if (!bytes || (keys > 0 && !bytes->endsWith('\n')))
        return false;
    qsizetype lines = 0;
    for (const QByteArray& line : bytes->split('\n'))
        if (const QByteArray t = line.trimmed(); !t.isEmpty() && !t.startsWith('['))
            ++lines;
    return lines == keys;
}

// The settings file as it was before a write, to put back should the write
// not reach the disk whole; QSettings itself renames a cut file into place
// on a full disk and reports no error. The file is kept under a second name,
// which takes no room on the disk, or, where the folder takes no such name,
// as its bytes.
class LastGoodFile {
public:
    explicit LastGoodFile(const QString& fileName)
    {
        const QString real = QFileInfo(fileName).canonicalFilePath();
        file_ = real.isEmpty() ? fileName : real;
        kept_ = file_ + QStringLiteral(".kept");
        QFile::remove(kept_);  // left by a program that ended before it could drop it
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
            ::rename(QFile::encodeName(kept_).constData(), QFile::encodeName(file_).constData());
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

// Writes the store's changes; a file that could not be written whole gives
// way to the one before it.
bool write(QSettings& store)
{
    const LastGoodFile lastGood(store.fileName());
    store.sync();
    if (store.status() == QSettings::NoError && holdsEveryKey(lastGood.fileName(), store.allKeys().size())) {
        lastGood.drop();
        return true;
    }
    lastGood.restore();
    return false;
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

bool SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, appName);
    store.setValue(path(section, key), value);
    return write(store);
}

bool DeleteSetting(const QString& appName, const QString& section, const QString& key)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, appName);
    store.remove(path(section, key));
    return write(store);
}

} // namespace platform
