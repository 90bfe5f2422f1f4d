#pragma once
// Pixel operations of the map drawing: colour values to Qt colours and the
// keyed copy of ready tiles and labels.

#include <QColor>
#include <QtGlobal>
#include <cstring>

// The drawing loops are built twice, for 256-bit vectors and for the basic
// instruction set; the program picks one when it starts.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
#define QUELVAR_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define QUELVAR_VECTOR_CLONES
#endif

namespace mapdraw {

// An RGB() colour value (red in the low byte) as a Qt colour.
inline QRgb toQRgb(quint32 colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// The keyed copy of one pixel: a ready tile's or label's transparent pixels
// are 0 and its others have the alpha byte 0xFF, so the top bit alone chooses
// between source and destination, without a branch.
inline quint32 keyed(quint32 source, quint32 destination)
{
    return source | (destination & ~static_cast<quint32>(static_cast<qint32>(source) >> 31));
}

// The same for eight pixels at once (one vector operation on machines with
// 256-bit vectors, two elsewhere).
typedef quint32 Pixels8 __attribute__((vector_size(32)));
typedef qint32 SignedPixels8 __attribute__((vector_size(32)));
inline void keyed8(quint32* destination, const quint32* source)
{
    Pixels8 s, d;
    std::memcpy(&s, source, sizeof s);
    std::memcpy(&d, destination, sizeof d);
    d = s | (d & ~reinterpret_cast<Pixels8>(reinterpret_cast<SignedPixels8>(s) >> 31));
    std::memcpy(destination, &d, sizeof d);
}

} // namespace mapdraw
