#pragma once
// The music play list file ("PlayList.lst" in the Dat folder): one path per
// line, each between double quotes, lines ended by CR LF, in the code page of
// the chat logs. An empty list is an empty file.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The paths of a play list file's bytes, in file order. A line that starts
// with a double quote (after blanks) holds the text up to the next double
// quote, or to the end of the line when no quote closes it; any other line
// is a path as it stands. Empty lines give nothing.
QStringList ParsePlayList(const QByteArray& bytes);

// The bytes of a play list file holding the paths in order.
QByteArray FormatPlayList(const QStringList& paths);

// Whether a path reads back whole from the file: it is not empty and holds
// no double quote, no line break and no character outside the code page.
bool StorableInPlayList(const QString& path);

// The play list file of the program ("PlayList.lst" in the Dat folder).
QString PlayListFileName();

// The paths of the file; a file that does not exist gives none. Raises a
// run-time error when the file exists but cannot be read.
QStringList ReadPlayListFile(const QString& fileName);

// Replaces the file with one holding the paths, creating its folder when it
// is missing; written whole (platform/WholeFile.h). A failure raises a
// run-time error.
void WritePlayListFile(const QString& fileName, const QStringList& paths);
