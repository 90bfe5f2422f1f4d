#include "platform/SettingsStore.h"

#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>
#include <fcntl.h>
#include <algorithm>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Far larger than any settings file the program writes; a file beyond it is
// not read into memory.
constexpr qint64 kLargestFile = 4 * 1024 * 1024;

// A "/" inside a section or key name would have opened a sub-group in the
// settings library that wrote the first files, so it is replaced; the
// program never uses one.
QString plain(const QString& name)
{
    QString n = name;
    n.replace(QLatin1Char('/'), QLatin1Char('_'));
    return n;
}

// The settings file itself, where its name is a link to it.
QString storeFile(const QString& appName)
{
    const QString name = settingsFilePath(appName);
    const QString real = QFileInfo(name).canonicalFilePath();
    return real.isEmpty() ? name : real;
}

// A missing file holds nothing; one that is there but is no regular file,
// is too large or cannot be read gives nothing at all.
std::optional<QByteArray> contentsOf(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    if (!info.isFile() || info.size() > kLargestFile)
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    // By the file's size, and on to its end should it have grown since.
    QByteArray bytes;
    bytes.reserve(std::min(file.size(), kLargestFile));
    char chunk[16 * 1024];
    qint64 n = 0;
    while (bytes.size() <= kLargestFile && (n = file.read(chunk, sizeof chunk)) > 0)
        bytes.append(chunk, n);
    if (n < 0 || bytes.size() > kLargestFile)
        return std::nullopt;
    return bytes;
}

// A file the player made read-only, or one the running user may not write,
// is kept as it is: the write bits of its mode decide for the superuser too,
// whom the system would let write anything.
bool isReadOnly(const QString& fileName)
{
    const QByteArray name = QFile::encodeName(fileName);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return false;
    return (info.st_mode & S_IWUSR) == 0 || ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0;
}

// The keys of a file that ends with a line break, as a write that was not
// cut leaves it.
std::optional<QSet<QString>> keysOfWholeFile(const QString& fileName)
{
    const std::optional<QByteArray> bytes = contentsOf(fileName);
    if (!bytes || (!bytes->isEmpty() && !bytes->endsWith('\n')))
        return std::nullopt;
    QSet<QString> keys;
    const SettingsSections sections = ReadSettingsText(*bytes);
    for (auto section = sections.begin(); section != sections.end(); ++section)
        for (auto key = section->begin(); key != section->end(); ++key)
            keys.insert(section.key() + QLatin1Char('/') + key.key());
    return keys;
}

bool renameFile(const QString& from, const QString& to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Files that earlier versions of the program left beside the settings
// file: the settings library's lock, and the copy of the file they kept
// while writing it, left behind by a run that ended during the write, which
// may have cut the file then. That copy goes back unless the file beside it
// is whole and holds every key the copy holds (a write only ever adds a key
// or changes one); only then, or when the copy is no whole file itself, is
// it dropped.
void TidyEarlierFiles(const QString& file)
{
    QFile::remove(file + QStringLiteral(".lock"));
    const QString kept = file + QStringLiteral(".kept");
    if (!QFileInfo::exists(kept))
        return;
    const std::optional<QSet<QString>> now = keysOfWholeFile(file);
    const std::optional<QSet<QString>> before = keysOfWholeFile(kept);
    if (now && (!before || now->contains(*before))) {
        QFile::remove(kept);
        return;
    }
    // A rename between two names of one file does nothing: then the second
    // name goes. Should the rename fail, the copy stays for the next try.
    if (renameFile(kept, file))
        QFile::remove(kept);
}

// The values in the file, or nothing when it is there but cannot be read.
std::optional<SettingsSections> readStore(const QString& file)
{
    TidyEarlierFiles(file);
    const std::optional<QByteArray> bytes = contentsOf(file);
    if (!bytes)
        return std::nullopt;
    return ReadSettingsText(*bytes);
}

// What the living SettingsReading has read: the values of one application's
// settings, once they are read.
struct HeldRead {
    QString app;
    bool read = false;
    std::optional<SettingsSections> sections;
};

HeldRead& held()
{
    static HeldRead h;
    return h;
}

// The values of an application's settings: those a SettingsReading holds,
// or else those in its file now.
std::optional<SettingsSections> readSettings(const QString& appName)
{
    HeldRead& h = held();
    if (h.app.isEmpty() || h.app != appName)
        return readStore(storeFile(appName));
    if (!h.read) {
        h.sections = readStore(storeFile(appName));
        h.read = true;
    }
    return h.sections;
}

// A save is read by the next read.
void forgetRead(const QString& appName)
{
    if (held().app == appName)
        held() = {appName, false, std::nullopt};
}

QString cannotWrite(const QString& file, const char* why)
{
    return QStringLiteral("Cannot write ") + file + QStringLiteral(": ") + QLatin1String(why);
}

bool writeStore(const QString& file, const SettingsSections& sections, QString* error)
{
    const QByteArray text = SettingsText(sections);
    const QFileInfo info(file);
    QDir().mkpath(info.absolutePath());
    if (WriteWholeFile(file, text))
        return true;
    // The writer's own reason is the system's text in the user's language;
    // the log tells in the program's.
    const QStorageInfo disk(info.absolutePath());
    const bool full = disk.isValid() && disk.bytesAvailable() < text.size() + 4096;
    *error = cannotWrite(file, full ? "the disk is full" : "the file or its folder cannot be written");
    return false;
}

// Reads the file, changes its values and writes it whole. A file that is
// there but cannot be read is not written over: every value it holds would
// be lost; nor is one that is read-only.
bool change(const QString& appName, const std::function<void(SettingsSections&)>& edit, QString* error)
{
    forgetRead(appName);
    const QString file = storeFile(appName);
    std::optional<SettingsSections> sections = readStore(file);
    QString reason;
    if (!sections)
        reason = cannotWrite(file, "the file cannot be read");
    else if (isReadOnly(file))
        reason = cannotWrite(file, "the file is read-only");
    else if (edit(*sections); writeStore(file, *sections, &reason))
        return true;
    if (error)
        *error = reason;
    return false;
}

} // namespace

QString settingsFilePath(const QString& appName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QFileInfo(folder).absoluteFilePath() + QLatin1Char('/') + appName + QStringLiteral(".ini");
}

QString GetSetting(const QString& appName, const QString& section, const QString& key, const QString& defaultValue)
{
    const std::optional<SettingsSections> sections = readSettings(appName);
    if (!sections)
        return defaultValue;
    const auto inSection = sections->constFind(plain(section));
    if (inSection == sections->constEnd())
        return defaultValue;
    return inSection->value(plain(key), defaultValue);
}

bool SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value,
                 QString* error)
{
    SettingsSave save(appName);
    save.put(section, key, value);
    if (save.write())
        return true;
    if (error)
        *error = save.problem();
    return false;
}

bool DeleteSetting(const QString& appName, const QString& section, const QString& key, QString* error)
{
    return change(
        appName,
        [&](SettingsSections& sections) {
            const auto inSection = sections.find(plain(section));
            if (inSection != sections.end() && inSection->remove(plain(key)) && inSection->isEmpty())
                sections.erase(inSection);
        },
        error);
}

SettingsReading::SettingsReading(const QString& appName)
    : outer_(held().app)
{
    held() = {appName, false, std::nullopt};
}

SettingsReading::~SettingsReading() { held() = {outer_, false, std::nullopt}; }

SettingsSave::SettingsSave(const QString& appName)
    : app_(appName)
{
}

void SettingsSave::put(const QString& section, const QString& key, const QString& value)
{
    values_[plain(section)][plain(key)] = value;
}

bool SettingsSave::write()
{
    problem_.clear();
    const bool written = change(
        app_,
        [this](SettingsSections& sections) {
            for (auto section = values_.cbegin(); section != values_.cend(); ++section)
                sections[section.key()].insert(*section);
        },
        &problem_);
    values_.clear();
    return written;
}

} // namespace platform
