#include "world/Renderer.h"

#include "connection/ConnectionState.h"
#include "foundation/Controls.h"
#include "foundation/Convert.h"
#include "platform/Endpoints.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/Lightning.h"
#include "world/MapLabels.h"
#include "world/PixelOps.h"
#include "world/TileBitmaps.h"
#include "world/WorldState.h"
#include "world/frmSatellite.h"

#include <QPainter>
#include <cstring>
#include <vector>

double FxRed = 0;
qint32 FxGreen = 0;
double FxBlue = 0;

void SplitRGB(qint32 colour)
{
    const double c = colour;
    FxBlue = Fix(c / 65536);
    FxGreen = static_cast<qint32>(Fix((c - FxBlue * 65536) / 256));
    FxRed = c - FxBlue * 65536 - FxGreen * 256.0;
}

namespace {
using namespace mapdraw;

// ---- tiles ----

// A strip as the drawing loops read it, taken once per frame.
struct StripView {
    const quint32* bits = nullptr;
    const quint8* first = nullptr;
    const quint8* end = nullptr;
    int count = 0;

    explicit StripView(const TileStrip& s)
        : bits(s.count ? reinterpret_cast<const quint32*>(s.image.constBits()) : nullptr)
        , first(s.firstRow.data())
        , end(s.endRow.data())
        , count(s.count)
    {
    }
    bool has(int tile) const { return static_cast<unsigned>(tile) < static_cast<unsigned>(count); }
};

// A plain copy of a whole tile of TS x TS pixels whose rows lie P pixels apart.
template <int TS, int P>
inline void copyTile(quint32* __restrict d, qsizetype stride, const StripView& strip, int tile)
{
    const quint32* s = strip.bits + tile * TS * P;
    for (int y = 0; y < TS; ++y)
        std::memcpy(d + y * stride, s + y * P, TS * sizeof(quint32));
}

// A keyed copy of the rows of a tile that hold drawn pixels. A row is copied
// P pixels wide: the pixels past the tile are transparent and leave the
// destination as it is.
template <int TS, int P>
inline void keyTile(quint32* __restrict d, qsizetype stride, const StripView& strip, int tile)
{
    static_assert(P % 8 == 0);
    const quint32* s = strip.bits + tile * TS * P;
    for (int y = strip.first[tile]; y < strip.end[tile]; ++y) {
        quint32* dr = d + y * stride;
        const quint32* sr = s + y * P;
        for (int x = 0; x < P; x += 8)
            keyed8(dr + x, sr + x);
    }
}

// The strips of one tile set, taken once per frame.
struct SetView {
    StripView terrain, graphics, objects, splats, ammo, bots;
    explicit SetView(const TileSet& set)
        : terrain(set.terrain)
        , graphics(set.surface[kGraphics])
        , objects(set.surface[kObjects])
        , splats(set.surface[kSplats])
        , ammo(set.surface[kAmmo])
        , bots(set.surface[kBots])
    {
    }
};

// ---- frames ----

// The picture a view is composed in before it is copied onto its picture
// box. It lives from frame to frame, so that a cell that draws nothing keeps
// what was there, as on the picture box itself, and no frame allocates.
struct Frame {
    QImage image;
    std::vector<int> cellX;  // map column of each view column
    std::vector<int> cellY;  // map row of each view row

    // Makes the picture fit; a new one starts as the picture box shows now.
    void fit(int width, int height, const QPixmap& shown, const QColor& background)
    {
        if (image.width() == width && image.height() == height)
            return;
        image = QImage(width, height, QImage::Format_RGB32);
        image.fill(background);
        if (!shown.isNull()) {
            QPainter p(&image);
            p.drawPixmap(0, 0, shown);
        }
    }

    void mapCells(int columns, int rows, const World& w)
    {
        cellX.resize(columns + 1);
        cellY.resize(rows + 1);
        for (int c = 0; c <= columns; ++c)
            cellX[c] = (w.OriginX + c) % w.MapWidth;
        for (int r = 0; r <= rows; ++r)
            cellY[r] = (w.OriginY + r) % w.MapHeight;
        for (int& x : cellX)
            x = x < 0 ? x + w.MapWidth : x;
        for (int& y : cellY)
            y = y < 0 ? y + w.MapHeight : y;
    }
};

Frame& mainFrame()
{
    static Frame f;
    return f;
}

Frame& satelliteFrame()
{
    static Frame f;
    return f;
}

// Hidden picture boxes get no resize event, so their picture may not have
// followed their size yet.
QPixmap& pictureOf(PictureBox* box)
{
    QPixmap& pm = box->Image();
    if (pm.size() != box->size() && box->width() > 0 && box->height() > 0) {
        pm = QPixmap(box->size());
        pm.fill(box->palette().color(box->backgroundRole()));
    }
    return pm;
}

void showFrame(PictureBox* box, const Frame& frame)
{
    QPixmap& pm = pictureOf(box);
    {
        QPainter p(&pm);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(0, 0), frame.image, QRect(0, 0, pm.width(), pm.height()));
    }
    box->Refresh();
}

// Everything one map frame needs while its cells are drawn.
struct MapPass {
    Frame* frame;
    const SetView* set;
    int ts;
    int rows;     // R: rows 0 to R are drawn
    int columns;  // C
    quint32* bits;
    qsizetype stride;
    int width;    // of the frame's picture
    int height;
};

// True when every pixel of the rectangle lies on cells that this frame draws
// after the cell (r, c) with an opaque terrain tile: whatever is written
// there now is painted over before the frame is shown.
bool paintedOverLater(const MapPass& k, int x0, int y0, int x1, int y1, int r, int c)
{
    const World& w = world();
    x0 = qMax(x0, 0);
    y0 = qMax(y0, 0);
    x1 = qMin(x1, k.width);
    y1 = qMin(y1, k.height);
    if (x0 >= x1 || y0 >= y1)
        return true;
    for (int rr = y0 / k.ts; rr <= (y1 - 1) / k.ts; ++rr) {
        for (int cc = x0 / k.ts; cc <= (x1 - 1) / k.ts; ++cc) {
            if (rr < r || (rr == r && cc <= c) || rr > k.rows || cc > k.columns)
                return false;
            const qint16 t = w.MapTerrain.data()[k.frame->cellX[cc] + kMapCells * k.frame->cellY[rr]];
            if (!k.set->terrain.has(t))
                return false;
        }
    }
    return true;
}

void drawSprite(const MapPass& k, const Sprite& s, int x, int y, int r, int c)
{
    if (s.image.isNull())
        return;
    const int sx = x + s.dx, sy = y + s.dy;
    if (paintedOverLater(k, sx, sy, sx + s.image.width(), sy + s.image.height(), r, c))
        return;
    BlendSprite(k.bits, k.stride, k.width, k.height, s, x, y);
}

// PrintShadowText into the frame, written while the cell (r, c) is drawn.
void shadowText(const MapPass& k, const QString& text, quint32 textColour, quint32 shadowColour, int offset, int x,
                int y, int r, int c)
{
    if (text.isEmpty())
        return;
    drawSprite(k, Label(text, shadowColour), x + offset, y + offset, r, c);
    drawSprite(k, Label(text, textColour), x, y, r, c);
}

constexpr int kTagOffset = 50;

template <int TS>
QUELVAR_VECTOR_CLONES void drawMapCells(const MapPass& k)
{
    constexpr int P = TS;
    const World& w = world();
    const SetView& set = *k.set;
    const qsizetype stride = k.stride;
    const qint16* terrain = w.MapTerrain.data();
    const qint16* splats = w.MapSplats.data();
    const qint16* objects = w.MapObjects.data();
    const qint16* ammo = w.MapAmmo.data();
    const qint16* players = w.MapPlayers.data();
    const qint16* bots = w.MapBots.data();
    const qint16* marks = w.MapMarks.data();

    auto overlay = [stride](quint32* d, int tile, const StripView& strip) {
        if (strip.has(tile))
            keyTile<TS, P>(d, stride, strip, tile);
    };

    for (int r = 0; r <= k.rows; ++r) {
        const int y = k.frame->cellY[r];
        quint32* row = k.bits + qsizetype(r) * TS * stride;
        for (int c = 0; c <= k.columns; ++c) {
            const int x = k.frame->cellX[c];
            const int i = x + kMapCells * y;
            quint32* d = row + c * TS;
            const int px = c * TS, py = r * TS;

            if (set.terrain.has(terrain[i]))
                copyTile<TS, TS>(d, stride, set.terrain, terrain[i]);
            overlay(d, splats[i], set.splats);
            overlay(d, objects[i], set.objects);
            overlay(d, ammo[i], set.ammo);
            const int slot = players[i];
            // A slot outside the table has no sprite and no name: nothing to draw.
            if (slot >= 0 && slot < static_cast<int>(w.PlayerSlots.size())) {
                overlay(d, w.PlayerSlots[slot].Tile, set.graphics);
                if (w.ShowTags) {
                    const QString& name = w.PlayerSlots[slot].Name;
                    if (!name.isEmpty()) {
                        const Sprite& s = NameTag(slot, name);
                        drawSprite(k, s, px + kTagOffset, py - 15 + kTagOffset, r, c);
                        drawSprite(k, s, px, py - 15, r, c);
                    }
                }
            }
            overlay(d, bots[i], set.bots);
            for (int j = 0; j <= 3; ++j) {
                const Shop& shop = w.Shops[j];
                if (shop.X == x && shop.Y == y) {
                    shadowText(k, shop.Name, kCaptionTextColour, kCaptionTextColour, kTagOffset, px, py - 25, r, c);
                    overlay(d, shop.Tile, set.graphics);
                }
            }
            overlay(d, marks[i], set.graphics);
        }
    }
}

template <int TS, int P>
QUELVAR_VECTOR_CLONES void drawSatelliteCells(Frame& frame, int columns, int rows)
{
    const World& w = world();
    const SetView set(tileBitmaps().satellite);
    QImage& fb = frame.image;
    quint32* bits = reinterpret_cast<quint32*>(fb.bits());
    const qsizetype stride = fb.bytesPerLine() / 4;
    auto overlay = [stride](quint32* d, int tile, const StripView& strip) {
        if (strip.has(tile))
            keyTile<TS, P>(d, stride, strip, tile);
    };
    for (int c = 0; c <= columns; ++c) {
        const int x = frame.cellX[c];
        for (int r = 0; r <= rows; ++r) {
            const int y = frame.cellY[r];
            const int i = x + kMapCells * y;
            quint32* d = bits + qsizetype(r) * TS * stride + c * TS;
            if (set.terrain.has(w.MapTerrain.data()[i]))
                copyTile<TS, P>(d, stride, set.terrain, w.MapTerrain.data()[i]);
            overlay(d, w.MapSplats.data()[i], set.splats);
            overlay(d, w.MapObjects.data()[i], set.objects);
            overlay(d, w.MapAmmo.data()[i], set.ammo);
            const int slot = w.MapPlayers.data()[i];
            if (slot >= 0 && slot < static_cast<int>(w.PlayerSlots.size()))
                overlay(d, w.PlayerSlots[slot].Tile, set.graphics);
            overlay(d, w.MapBots.data()[i], set.bots);
            for (int j = 0; j <= 3; ++j) {
                if (w.Shops[j].X == x && w.Shops[j].Y == y)
                    overlay(d, w.Shops[j].Tile, set.graphics);
            }
            overlay(d, w.MapMarks.data()[i], set.graphics);
        }
    }
}

// The fixed lines on top of the map.
void drawMapLines(const MapPass& k)
{
    // Nothing of the frame is drawn after these: no cell paints over them.
    const int r = k.rows + 1, c = 0;
    if (connection().UserLevel < 10) {
        // Built once, not on every frame.
        static QString address, line;
        if (line.isEmpty() || address != platform::endpoints().advertising) {
            address = platform::endpoints().advertising;
            line = QStringLiteral("Buy Now (") + address + QStringLiteral(")!");
        }
        shadowText(k, line, RGB(0, 0, 128), RGB(0, 128, 0), 4, 25, 11, r, c);
    }
    const World& w = world();
    shadowText(k, w.LastStatusText, RGB(255, 255, 255), RGB(0, 128, 0), 4, 25, 335, r, c);
    shadowText(k, w.LastSplatText, RGB(255, 255, 255), RGB(0, 128, 0), 4, 25, 350, r, c);
}
} // namespace

void DrawMap()
{
    frmMain& game = Forms::get<frmMain>();
    PictureBox* box = game.picMap;
    const World& w = world();
    const int ts = w.TileSize;
    const int width = box->ScaleWidth(), height = box->ScaleHeight();
    // Tile sizes other than the two sets, and a map without a size, draw nothing.
    if ((ts == 16 || ts == 32) && w.MapWidth > 0 && w.MapHeight > 0 && width > 0 && height > 0) {
        const SetView set(ts == 32 ? tileBitmaps().zoomed : tileBitmaps().normal);
        MapPass k;
        k.frame = &mainFrame();
        k.ts = ts;
        k.set = &set;
        k.rows = static_cast<int>(RoundHalfEven(static_cast<double>(height) / ts));
        k.columns = static_cast<int>(RoundHalfEven(static_cast<double>(width) / ts));
        // Room for the extra row and column, which the picture box then cuts.
        k.frame->fit(qMax(width, (k.columns + 1) * ts), qMax(height, (k.rows + 1) * ts), pictureOf(box),
                     box->palette().color(box->backgroundRole()));
        k.frame->mapCells(k.columns, k.rows, w);
        QImage& fb = k.frame->image;
        k.bits = reinterpret_cast<quint32*>(fb.bits());
        k.stride = fb.bytesPerLine() / 4;
        k.width = fb.width();
        k.height = fb.height();
        if (ts == 16)
            drawMapCells<16>(k);
        else
            drawMapCells<32>(k);
        drawMapLines(k);
        showFrame(box, *k.frame);
        TerrainFrameDrawn(ts == 16);
    }

    // Shown on every redraw, never hidden here.
    const bool trainer = connection().UserLevel >= 80;
    const bool team = !connection().TeamName.isEmpty();
    if (trainer || team) {
        frmChat& chat = Forms::get<frmChat>();
        if (trainer)
            chat.SSTab1->setTabVisible(3, true);
        if (team)
            chat.SSTab1->setTabVisible(4, true);
    }
}

void DrawSatellite()
{
    PictureBox* box = Forms::get<frmSatellite>().picMap;
    const World& w = world();
    const int width = box->ScaleWidth(), height = box->ScaleHeight();
    if (w.MapWidth <= 0 || w.MapHeight <= 0 || width <= 0 || height <= 0)
        return;
    const int columns = static_cast<int>(RoundHalfEven(static_cast<double>(width) / kSatelliteCell));
    const int rows = static_cast<int>(RoundHalfEven(static_cast<double>(height) / kSatelliteCell));
    Frame& frame = satelliteFrame();
    // The last column's rows are written up to the strips' pitch.
    frame.fit(qMax(width, (columns + 1) * kSatelliteCell + kSatellitePitch - kSatelliteCell),
              qMax(height, (rows + 1) * kSatelliteCell), pictureOf(box),
              box->palette().color(box->backgroundRole()));
    frame.mapCells(columns, rows, w);
    drawSatelliteCells<kSatelliteCell, kSatellitePitch>(frame, columns, rows);
    showFrame(box, frame);
}

void PrintShadowText(PictureBox* picture, const QString& text, quint32 textColour, quint32 shadowColour,
                     qint16 offset, qint32 x, qint32 y)
{
    if (text.isEmpty())
        return;
    QPixmap& pm = pictureOf(picture);
    QPainter p(&pm);
    for (const auto& [colour, px, py] : {std::tuple<quint32, int, int>{shadowColour, x + offset, y + offset},
                                        std::tuple<quint32, int, int>{textColour, x, y}}) {
        const Sprite& s = Label(text, colour);
        if (!s.image.isNull())
            p.drawImage(px + s.dx, py + s.dy, s.image);
    }
}

bool TransparentBlt(QImage& destination, int dx, int dy, int width, int height, const QImage& source, int sx, int sy,
                    quint32 transparentColour)
{
    if (destination.isNull() || source.isNull())
        return false;
    const QRgb key = toQRgb(transparentColour) & 0xFFFFFFu;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int tx = dx + x, ty = dy + y, fx = sx + x, fy = sy + y;
            if (!destination.valid(tx, ty) || !source.valid(fx, fy))
                continue;
            const QRgb v = source.pixel(fx, fy);
            if ((v & 0xFFFFFFu) != key)
                destination.setPixel(tx, ty, 0xFF000000u | v);
        }
    }
    return true;
}
