#pragma once
// Writing a data file whole. The new contents go to a temporary file beside
// the old one, which takes the old one's place only once they are all on the
// disk, so a failed write never leaves half a file. Where the folder takes
// no new file but the file itself may be read and written, it is written in
// place instead, once the disk has room for the new contents; the old ones
// go back should the write fail all the same.

#include <QByteArray>
#include <QString>

// False, with the reason in *error, when the file could not be written
// whole (a full disk among the reasons); the file then holds what it held.
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString* error = nullptr);
