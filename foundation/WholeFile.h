#pragma once
// Writing a data file whole. The new contents go to a temporary file beside
// the old one, which takes the old one's place only once complete, so a
// failed write never leaves half a file. Where the folder takes no new file
// but the file itself may be written, it is written in place instead.

#include <QByteArray>
#include <QString>

// False, with the reason in *error, when the file could not be written.
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString* error = nullptr);
