#pragma once
// The single-byte code page of the wire, the map files and the chat logs
// (Windows-1252). Every byte round-trips: the five bytes the code page leaves
// undefined map to the control characters of the same value.

#include <QByteArray>
#include <QString>

// Text to bytes; characters the code page cannot hold become "?".
QByteArray ToAnsi(const QString& text);
// Bytes to text.
QString FromAnsi(const QByteArray& bytes);
// The code of one character in the code page (0 to 255), or -1 when the code
// page has no byte for it.
int AnsiCode(QChar c);
// The character of one byte.
QChar AnsiChar(unsigned char byte);
