#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString systemError(int number) { return QString::fromLocal8Bit(std::strerror(number)); }

// Buffered bytes leave for the disk, and the disk confirms them.
bool reachDisk(QFileDevice& file, QString* error)
{
    if (!file.flush())
        return false;
    if (::fsync(file.handle()) != 0) {
        *error = systemError(errno);
        return false;
    }
    return true;
}

// Puts the bytes at the start of the open file and cuts it after them.
bool overwrite(QFile& file, const QByteArray& bytes, QString* error)
{
    return file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size()) &&
           reachDisk(file, error);
}

// Writing in place, where the folder takes no new file. The new size is
// reserved on the disk first, so a disk too full for the new contents
// leaves the old ones alone; should a write fail all the same, the old
// bytes go back.
bool writeInPlace(const QString& fileName, const QByteArray& bytes, QString* error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    if (const int failed = bytes.isEmpty() ? 0 : ::posix_fallocate(file.handle(), 0, bytes.size())) {
        *error = systemError(failed);
        file.resize(old.size());  // a partial reservation may have grown it
        return false;
    }
    if (overwrite(file, bytes, error))
        return true;
    const QString reason = error->isEmpty() ? file.errorString() : *error;
    file.unsetError();
    overwrite(file, old, error);
    *error = reason;
    return false;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

enum class Temporary { Written, NotCreated, Failed };

// Through the temporary file, which takes the old file's permissions. It is
// removed again when anything fails; the old file is then untouched.
Temporary writeThroughTemporary(const QString& fileName, const QByteArray& bytes, QString* error)
{
    const QByteArray file = QFile::encodeName(fileName);
    const QByteArray temporary = file + ".saving";
    struct stat old {};
    const bool existed = ::stat(file.constData(), &old) == 0;
    const mode_t mode = existed ? old.st_mode & 07777 : 0666;
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
        *error = systemError(errno);
        return Temporary::NotCreated;
    }
    bool written = writeAll(fd, bytes) && (!existed || ::fchmod(fd, mode) == 0) && ::fsync(fd) == 0;
    int failure = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (written && ::rename(temporary.constData(), file.constData()) != 0) {
        written = false;
        failure = errno;
    }
    if (written)
        return Temporary::Written;
    *error = systemError(failure);
    ::unlink(temporary.constData());
    return Temporary::Failed;
}

} // namespace

bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString* error)
{
    const QString linked = QFileInfo(fileName).canonicalFilePath();
    const QString target = linked.isEmpty() ? fileName : linked;
    QString reason;
    switch (writeThroughTemporary(target, bytes, &reason)) {
    case Temporary::Written: return true;
    case Temporary::NotCreated:
        if (QFileInfo(target).isFile() && writeInPlace(target, bytes, &reason))
            return true;
        break;
    case Temporary::Failed: break;
    }
    if (error)
        *error = reason;
    return false;
}

} // namespace platform
