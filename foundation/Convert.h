#pragma once
// Number and flag conversions with the rules the game's data relies on:
// rounding halves to the even number, strict text-to-number conversion that
// raises "Type mismatch", and the lenient leading-number reading.

#include <QString>
#include <QtGlobal>

// VB-style true (-1) and false (0) for 16-bit flags.
constexpr qint16 vbTrue = -1;
constexpr qint16 vbFalse = 0;

// Round to the nearest whole number, halves to the even one.
double RoundHalfEven(double value);
// Round half-even into a 16-bit integer; raises Overflow (6) outside its range.
qint16 CInt(double value);
// Round half-even into a 32-bit integer; raises Overflow (6) outside its range.
qint32 CLng(double value);
// Round half-even into 0..255; raises Overflow (6) outside it.
quint8 CByte(double value);
// Truncate towards zero.
double Fix(double value);
// Round down.
double Int(double value);

// Strict conversion of text to a number (blanks around it allowed, "&H" hex);
// raises Type mismatch (13) when the text is not a number.
double CDbl(const QString& text);
qint16 CInt(const QString& text);
qint32 CLng(const QString& text);
quint8 CByte(const QString& text);
// "True"/"False" in any letter case, or a number (0 is false); raises Type
// mismatch (13) otherwise.
bool CBool(const QString& text);
// The leading number of a text (0 when it has none); never raises.
double Val(const QString& text);
// "True" or "False".
QString BoolText(bool value);
