#pragma once
// A small INI file reader and writer with the desktop profile semantics the
// program's data files were written with: section and key names match in
// any letter case, values come back without surrounding blanks, and writing
// one key creates the file, the section and the key as needed and keeps the
// rest of the file as it was. The files are in the Windows-1252 code page.

#include <QByteArray>
#include <QString>

// The value of the key in the section, or the empty text when the file, the
// section or the key does not exist. A value in matching quotes comes back
// without them; at most 4999 characters are returned.
QString ReadINI(const QString& fileName, const QString& section, const QString& key);

// Writes the value under the section and key, creating the file, the section
// and the key when missing. False when the file could not be written (it is
// then left as it was).
bool WriteINI(const QString& fileName, const QString& section, const QString& key, const QString& value);

// The same on a file's bytes in memory: the value ReadINI would give for a
// file holding these bytes, and the bytes WriteINI would write over them.
QString ReadINIText(const QByteArray& contents, const QString& section, const QString& key);
QByteArray WriteINIText(const QByteArray& contents, const QString& section, const QString& key, const QString& value);
