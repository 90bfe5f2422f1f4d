#pragma once
// Writing a file whole. The new contents go to a temporary file beside the
// old one, which takes the old one's place only once they are all on the
// disk, so a failed write never leaves half a file. The temporary file has
// a fixed name (the file's own followed by ".saving"), so one that a killed
// run left is written over by the next write, not left for ever. Where the
// folder takes no new file but the file itself may be read and written, it
// is written in place instead, once the disk has room for the new contents;
// the old ones go back should the write fail all the same. A link is
// followed: the file it names is written, and the link stays.

#include <QByteArray>
#include <QString>

namespace platform {

// False, with the reason in *error, when the file could not be written
// whole (a full disk among the reasons); the file then holds what it held.
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString* error = nullptr);

} // namespace platform
