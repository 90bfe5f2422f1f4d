#include "foundation/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString systemError(int number) { return QString::fromLocal8Bit(std::strerror(number)); }

// Buffered bytes leave for the disk, and the disk confirms them. A commit
// alone does not do that: it renames even when the last flush failed.
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

} // namespace

bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString* error)
{
    QString reason;
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly)) {
        if (file.write(bytes) == bytes.size() && reachDisk(file, &reason) && file.commit())
            return true;
        if (reason.isEmpty())
            reason = file.errorString();
        file.cancelWriting();  // the temporary file goes, the old one stays
    } else if (QFileInfo(fileName).isFile()) {
        if (writeInPlace(fileName, bytes, &reason))
            return true;
    } else {
        reason = file.errorString();
    }
    if (error)
        *error = reason;
    return false;
}
