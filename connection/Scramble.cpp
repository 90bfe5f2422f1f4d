#include "connection/Scramble.h"

#include "foundation/Ansi.h"
#include "foundation/Convert.h"

QString ScrambleText(const QString& text, qint16 mode)
{
    const qsizetype n = text.size();
    QString out(n, QChar());
    for (qsizetype i = 0; i < n; ++i) {
        int c = AnsiCode(text.at(i));
        if (c < 0)
            c = '?';  // what the code page turns such a character into
        const int code = mode != 0 ? 2 * c + 3 : static_cast<int>(RoundHalfEven((c - 3) / 2.0));
        if (code < 0 || code > 255)
            return QString();
        out[n - 1 - i] = AnsiChar(static_cast<unsigned char>(code));
    }
    return out;
}
