#pragma once
// File permissions as a player meets them. The tests may run as root, whom
// no permission bit stops; while an OrdinaryUser lives, the process acts as
// the unprivileged "nobody" instead (its real user stays, so it can return).
// Without root it changes nothing: the permissions hold already.

#include <QFile>
#include <QString>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

class OrdinaryUser {
public:
    OrdinaryUser()
    {
        if (geteuid() != 0)
            return;
        switching_ = true;
        ok_ = setegid(kNobody) == 0 && seteuid(kNobody) == 0;
    }
    ~OrdinaryUser()
    {
        if (switching_) {
            (void)seteuid(0);
            (void)setegid(0);
        }
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    // False when root could not step down (a container without the right).
    bool ok() const { return ok_; }

    // Sets a file's or folder's permission bits (0555, 0666 ...).
    static void setMode(const QString& path, mode_t mode) { ::chmod(QFile::encodeName(path).constData(), mode); }

private:
    static constexpr uid_t kNobody = 65534;
    bool switching_ = false;
    bool ok_ = true;
};
