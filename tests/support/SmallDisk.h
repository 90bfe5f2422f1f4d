#pragma once
// A full disk for a test: a tmpfs of 64 KiB of its own, where the test may
// mount one (it takes root), unmounted however the test ends.

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

class SmallDisk {
public:
    static constexpr const char* kCannotMount = "cannot mount a small file system here (it takes root)";

    // Room for so many files and folders, its top folder among them (0: no limit).
    explicit SmallDisk(int files = 0)
        : mounted_(::mount("tmpfs", name().constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                           ("mode=0777,size=64k,nr_inodes=" + QByteArray::number(files)).constData()) == 0)
    {
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(name().constData(), MNT_DETACH);
    }

    bool ok() const { return mounted_; }
    QString path() const { return dir_.path(); }

    // A file "filler" takes all the free room but the bytes (whole pages).
    bool fill(off_t leave = 0) const
    {
        struct statvfs s {};
        const int fd = ::open((name() + "/filler").constData(), O_CREAT | O_WRONLY, 0600);
        const bool filled = ::fstatvfs(fd, &s) == 0 &&
                            ::posix_fallocate(fd, 0, static_cast<off_t>(s.f_bavail * s.f_frsize) - leave) == 0;
        ::close(fd);
        return filled;
    }

    static QByteArray contents(const QString& fileName)
    {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

private:
    QByteArray name() const { return QFile::encodeName(dir_.path()); }

    QTemporaryDir dir_;
    bool mounted_;
};
