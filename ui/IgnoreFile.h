#pragma once
// "Ignore.Dat", the ignore list on disk, and the order the list keeps.
//
// The file is text in the code page with CR LF line ends: the number of names
// as the first line, with a blank on each side (" 2 "), then one name a line
// in the list's order. An empty list is the single line " 0 ".

#include "foundation/RuntimeError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The bytes of the file for the names, in the order given.
QByteArray IgnoreFileBytes(const QStringList& names);

struct IgnoreFileContents {
    QStringList Names;  // in the order of the file
    ErrObject Problem;  // number 0 when the file is well formed
};

// Reads the file: the count, then exactly that many lines as names (lines
// beyond them are not read). A count larger than the lines that follow gives
// the names that are there; a first line that is no count (or a negative one)
// gives every non-blank line of the file as a name. Either is a problem.
IgnoreFileContents ReadIgnoreFile(const QByteArray& bytes);

// The order of the list: alphabetical regardless of letter case, names that
// differ only in case in code order.
bool IgnoreNameLess(const QString& a, const QString& b);
// Where a name goes in a list kept in that order: after every name that is
// not greater.
qsizetype IgnoreInsertIndex(const QStringList& sorted, const QString& name);
