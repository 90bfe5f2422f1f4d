#pragma once
// The reversible scrambling of the remembered password.

#include <QString>
#include <QtGlobal>

// Reverses the text and transforms each character's code-page value c:
// scrambling (mode not 0) gives 2c + 3, unscrambling (mode 0) gives
// (c - 3) / 2 rounded half to even. When any character has no result in the
// code page (2c + 3 above 255, or a negative value), the result is empty.
QString ScrambleText(const QString& text, qint16 mode);
