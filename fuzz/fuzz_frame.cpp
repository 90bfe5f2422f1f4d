// The command frame and the password scrambling over arbitrary text: a
// frame never carries a control byte inside its text, and scrambling either
// fails as a whole or comes back unchanged.

#include "connection/Frame.h"
#include "connection/Scramble.h"
#include "foundation/Ansi.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = FromAnsi(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    const QByteArray frame = BuildFrame(QStringLiteral("C"), text);
    if (frame.size() < 5 || frame.front() != kFrameStart || frame.back() != kFrameEnd)
        std::abort();
    const QByteArray inner = frame.mid(3, frame.size() - 5);
    if (inner.contains('\0') || inner.contains('\x01') || inner.contains('\x02') || inner.contains(kFrameStart))
        std::abort();

    const QString scrambled = ScrambleText(text, 1);
    if (!scrambled.isEmpty() && ScrambleText(scrambled, 0) != text)
        std::abort();
    bool low = true;
    for (QChar c : text)
        low = low && AnsiCode(c) <= 126;
    if (low && scrambled.size() != text.size())
        std::abort();
    const QString unscrambled = ScrambleText(text, 0);
    if (!unscrambled.isEmpty() && unscrambled.size() != text.size())
        std::abort();

    if (!text.isEmpty() && SmallNumberValue(text) != AnsiCode(text.at(0)) - 5)
        std::abort();
    return 0;
}
