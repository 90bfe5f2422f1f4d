#include "world/MapFile.h"

#include "foundation/Ansi.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "world/WorldState.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <vector>

namespace {
constexpr int kFirstWalls = 8;    // "=", ":" and "#": tiles 8 to 23
constexpr int kSecondWalls = 24;  // "/": tiles 24 to 39
constexpr int kFamilySize = 16;

// Tile code of each character below 128; everything else is open ground (1).
constexpr std::array<qint16, 128> makeCharCodes()
{
    std::array<qint16, 128> codes{};
    for (auto& c : codes)
        c = 1;
    codes['-'] = 2;
    codes['^'] = 3;
    codes['v'] = 4;
    codes['/'] = kSecondWalls;
    codes['!'] = 6;
    codes['&'] = 7;
    codes['='] = kFirstWalls;
    codes[':'] = 9;
    codes['#'] = 10;
    return codes;
}
constexpr std::array<qint16, 128> kCharCodes = makeCharCodes();

inline qint16 charCode(QChar c)
{
    const char16_t u = c.unicode();
    return u < kCharCodes.size() ? kCharCodes[u] : qint16(1);
}

// A wall's tile within its family by which neighbours are walls of the same
// family: index left * 8 + right * 4 + up * 2 + down.
constexpr std::array<qint16, 16> kWallShape = {
    0,   // none
    10,  // down
    9,   // up
    2,   // up, down
    11,  // right
    14,  // right, down
    13,  // right, up
    6,   // right, up, down
    8,   // left
    12,  // left, down
    15,  // left, up
    4,   // left, up, down
    1,   // left, right
    5,   // left, right, down
    7,   // left, right, up
    3,   // all four
};

inline bool inFamily(int code, int family) { return unsigned(code - family) < unsigned(kFamilySize); }

// Cell access for the passes: straight into the grid when every index the
// passes can form is known to lie in it, else through the checked layer.
struct RawCells {
    qint16* cells;
    qint16 get(int x, int y) const { return cells[x + kMapCells * y]; }
    void set(int x, int y, qint16 v) { cells[x + kMapCells * y] = v; }
};
struct CheckedCells {
    MapLayer& layer;
    qint16 get(int x, int y) const { return layer.get(x, y); }
    void set(int x, int y, qint16 v) { layer.set(x, y, v); }
};

// The wrapped previous (before) or next neighbour of every index 0..last on
// a map of that size: (i - 1 + size) mod size, (i + 1) mod size. A size of 0
// wraps nowhere: its neighbours are outside every grid, which the checked
// access reports when a wall first looks at them.
std::vector<int> wrapped(int last, int size, bool before)
{
    std::vector<int> out(last >= 0 ? last + 1 : 0, -1);
    if (size != 0)
        for (int i = 0; i <= last; ++i)
            out[i] = (before ? i - 1 + size : i + 1) % size;
    return out;
}

// The map's last indexes and every index's wrapped neighbours.
struct Wrap {
    int maxX, maxY;
    std::vector<int> left, right, up, down;
    Wrap(int maxX, int maxY, int width, int height)
        : maxX(maxX), maxY(maxY), left(wrapped(maxX, width, true)), right(wrapped(maxX, width, false)),
          up(wrapped(maxY, height, true)), down(wrapped(maxY, height, false))
    {
    }
};

// Re-codes every cell whose code lies in first..last by its family's tile
// for its neighbours in the same family. Re-coding keeps each wall inside
// its family, so the neighbour tests see the same walls whatever the order
// of the walk, and the two families may share one walk.
template <class Cells>
void retileWalls(Cells cells, int first, int last, const Wrap& wrap)
{
    const unsigned span = unsigned(last - first);
    for (int y = 0; y <= wrap.maxY; ++y) {
        for (int x = 0; x <= wrap.maxX; ++x) {
            const int code = cells.get(x, y);
            if (unsigned(code - first) > span)
                continue;
            const int family = code < kSecondWalls ? kFirstWalls : kSecondWalls;
            const int shape = inFamily(cells.get(wrap.left[x], y), family) << 3 |
                              inFamily(cells.get(wrap.right[x], y), family) << 2 |
                              inFamily(cells.get(x, wrap.up[y]), family) << 1 |
                              inFamily(cells.get(x, wrap.down[y]), family);
            cells.set(x, y, static_cast<qint16>(family + kWallShape[shape]));
        }
    }
}

template <class Cells>
void placeCharacters(Cells cells, const QString& text, int maxX, int maxY)
{
    const QChar* chars = text.constData();
    const qsizetype count = text.size();
    qsizetype next = 0;
    for (int y = 0; y <= maxY && next < count; ++y)
        for (int x = 0; x <= maxX && next < count; ++x)
            cells.set(x, y, charCode(chars[next++]));
}

bool inRange(int v, int low, int high) { return v >= low && v <= high; }
} // namespace

void DecodeMap(const QString& text)
{
    World& w = world();
    const Wrap wrap(w.MaxX, w.MaxY, w.MapWidth, w.MapHeight);
    // With the last indexes inside the grid and the wrapping sizes no larger
    // than it, every cell and neighbour index lies in 0..149: no checks, and
    // both families in one walk since nothing can fail half-way.
    if (inRange(w.MaxX, 0, kMapCells - 1) && inRange(w.MaxY, 0, kMapCells - 1) && inRange(w.MapWidth, 1, kMapCells) &&
        inRange(w.MapHeight, 1, kMapCells)) {
        const RawCells cells{w.MapTerrain.data()};
        placeCharacters(cells, text, w.MaxX, w.MaxY);
        retileWalls(cells, kFirstWalls, kSecondWalls + kFamilySize - 1, wrap);
    } else {
        const CheckedCells cells{w.MapTerrain};
        placeCharacters(cells, text, w.MaxX, w.MaxY);
        retileWalls(cells, kFirstWalls, kFirstWalls + kFamilySize - 1, wrap);
        retileWalls(cells, kSecondWalls, kSecondWalls + kFamilySize - 1, wrap);
    }
}

QString MapFilePath(const QString& MapID) { return settings().MapPath + MapID + QStringLiteral(".map"); }

bool MapFileExists(const QString& MapID) { return QFileInfo(MapFilePath(MapID)).isFile(); }

bool LoadMapFile(const QString& MapID)
{
    if (!MapFileExists(MapID))
        return false;
    QFile file(MapFilePath(MapID));
    if (!file.open(QIODevice::ReadOnly))
        Raise(errPermissionDenied);
    // No cell lies past the 22,500th character whatever the map size, so a
    // huge file is not read into memory whole.
    const QByteArray bytes = file.read(kMapCells * kMapCells);
    file.close();
    DecodeMap(FromAnsi(bytes));
    return true;
}
