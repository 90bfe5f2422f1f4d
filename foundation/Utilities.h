#pragma once
// Small text utilities shared across the client.

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Removes the characters whose code-page value is 0 to 25 or 138 to 255.
QString StripBadChars(const QString& text);
// Equal lengths and then: mode 0 exact, any other mode ignoring letter case.
bool StrEqual(const QString& a, const QString& b, qint32 mode);
// Collapses consecutive repeats of the pattern to one occurrence; works on the
// low byte of each character.
QString CollapseRepeats(const QString& text, const QString& pattern, bool ignoreCase);
// Splits at every occurrence of the delimiter (empty pieces kept); an empty
// delimiter gives the whole text as the only piece.
QStringList SplitStr(const QString& text, const QString& delimiter);
// A multi-line box holds its line breaks as LF; the program keeps and sends
// them as CR LF, as the game's boxes give them. These turn one into the other.
QString LinesWithCrLf(const QString& boxText);
QString LinesForBox(const QString& text);
// Returns the value unchanged; the size is not used.
qint16 PassFirstArg(qint16 value, qint16 size);
