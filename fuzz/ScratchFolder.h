#pragma once
// A folder for the files a fuzz target writes on every input. It lies in
// memory (/dev/shm) where the machine has it: a file system on disk flushes
// each saved file, which costs far more than the input's own work.

#include <QDir>
#include <QTemporaryDir>

inline QTemporaryDir& ScratchFolder()
{
    static QTemporaryDir folder = [] {
        const QString shm = QStringLiteral("/dev/shm");
        if (QDir(shm).exists()) {
            QTemporaryDir inMemory(shm + QStringLiteral("/quelvar-fuzz-XXXXXX"));
            if (inMemory.isValid())
                return inMemory;
        }
        return QTemporaryDir();
    }();
    return folder;
}
