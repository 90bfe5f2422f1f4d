#pragma once
// The command frame of the game protocol and the one-byte encoding of small
// numbers. Every frame on the game socket, in both directions, is the start
// byte 0xA6, one command character, 0x00, text, 0x00 (the client's frames)
// and the end byte 0x01, in the Windows-1252 code page.

#include <QByteArray>
#include <QChar>
#include <QString>

inline constexpr char kFrameStart = static_cast<char>(0xA6);
inline constexpr char kFrameEnd = 0x01;

// The text without U+0000, U+0001, U+0002 and U+00A6, which would break the
// framing; a caller's NUL-separated values are joined this way.
QString CleanFrameText(const QString& text);

// The wire bytes of one client frame: 0xA6, the command character, 0x00, the
// cleaned text, 0x00, 0x01. The command character is taken as given.
QByteArray BuildFrame(const QString& ctrlChar, const QString& msg);

// The login frame ("!"): user name, password and version, each followed by
// 0x00, then 0x01. Its fields are sent as typed, not cleaned.
QByteArray BuildLoginFrame(const QString& userName, const QString& password, const QString& version);

// The program's version as the login sends it: major, minor and revision in
// decimal without separators ("105").
QString VersionText();

// A number from -5 to 250 as the one character whose code-page value is the
// number plus 5; raises Invalid procedure call (5) outside that range.
QChar SmallNumber(int value);
// The number a small-number character stands for (its code-page value minus
// 5; a character outside the code page counts as "?").
int SmallNumberValue(QChar c);
// The number in the first character of a field; an empty field raises
// Invalid procedure call (5).
int SmallNumberValue(const QString& field);
int SmallNumberValue(const QByteArray& field);
// The number in the byte at the index of a field that packs several; an
// index the field does not reach raises Invalid procedure call (5).
int SmallNumberValue(const QByteArray& field, int index);
