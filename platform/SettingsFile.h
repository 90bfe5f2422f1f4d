#pragma once
// The text of a settings file, in the INI layout that the settings library
// of our toolkit writes, so that the files earlier versions of the program
// left load unchanged: a "[section]" line before the "key=value" lines of
// each section, sections and keys in sorted order, names with %-escapes
// ("Client%20Data"), values with backslash escapes and in quotes where they
// hold ",", ";" or "=" or begin or end with a blank, text in UTF-8.
//
// Reading never fails: a line that is neither a section nor a key (a comment,
// a line written by hand) is skipped, and so is a byte-order mark at the head
// of the file. Whatever characters a value holds, what is written reads back
// as the same value.

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>

namespace platform {

// Values by section, then by key. The section "" holds the keys of
// "[General]", which the library keeps outside every section; a section
// named "General" is written "[%General]".
using SettingsSections = QMap<QString, QMap<QString, QString>>;

SettingsSections ReadSettingsText(QByteArrayView text);
QByteArray SettingsText(const SettingsSections& sections);

} // namespace platform
