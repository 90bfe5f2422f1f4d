// Checks the generated assets in the program's folder: every file the client
// loads is there, in the layout and format the client expects.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QSettings>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

QString programFile(const QString& relative)
{
    return QStringLiteral(QUELVAR_PROGRAM_DIR "/") + relative;
}

QByteArray readAll(const QString& relative)
{
    QFile f(programFile(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Strip {
    const char* file;
    int size;
    int tiles; // tiles the client indexes: 0 to tiles - 1
    bool overlay;
};

const Strip kStrips[] = {
    {"Terrain.BMP", 16, 40, false},  {"Winter.BMP", 16, 40, false},    {"Terrain32.BMP", 32, 40, false},
    {"Graphics.BMP", 16, 16, true},  {"Graphics32.BMP", 32, 16, true}, {"Objects.BMP", 16, 32, true},
    {"Objects32.BMP", 32, 32, true}, {"Splats.BMP", 16, 16, true},     {"Splats32.BMP", 32, 16, true},
    {"Ammo.BMP", 16, 16, true},      {"Ammo32.BMP", 32, 16, true},     {"Bots.bmp", 16, 16, true},
    {"Bots32.bmp", 32, 16, true},
};

constexpr QRgb kMagenta = 0xFFFF00FFu;

QImage strip(const char* file) { return QImage(programFile(QStringLiteral("Graphics/") + QLatin1String(file))); }

QImage tile(const QImage& s, int size, int t) { return s.copy(0, t * size, size, size); }

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

} // namespace

TEST(Assets, EveryFileTheClientLoadsExists)
{
    QStringList files = {"Cursor1.cur", "Cursor2.cur", "command.txt", "DesignData.Dat", "Endpoints.ini",
                         "Map/Arena.map", "Graphics/Sun.ico", "Graphics/About.bmp",
                         "Graphics/Message.ico", "Graphics/WhoIcons.png", "Graphics/Quelvar.ico"};
    for (const Strip& s : kStrips)
        files << QStringLiteral("Graphics/") + QLatin1String(s.file);
    for (const char* w : {"boink", "Buy", "fire", "splat", "Hityou", "siren", "Unsiren", "water", "bots",
                          "shotempty", "Thunder", "firing"})
        files << QStringLiteral("Graphics/%1.wav").arg(QLatin1String(w));
    for (const char* w : {"SystemStart", "SystemExit", "RestoreUp", "RestoreDown", "AppGPFault", "SystemQuestion",
                          "SystemAsterisk", "SystemExclamation", "SystemHand", "Default"})
        files << QStringLiteral("Sounds/%1.wav").arg(QLatin1String(w));
    for (const QString& f : files)
        EXPECT_TRUE(QFileInfo(programFile(f)).isFile()) << qPrintable(f);
    EXPECT_TRUE(QFileInfo(programFile(QStringLiteral("Dat"))).isDir());
}

TEST(Assets, StripsAreTwentyFourBitBitmapsOneTileWide)
{
    for (const Strip& s : kStrips) {
        SCOPED_TRACE(s.file);
        const QImage img = strip(s.file);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), s.size);
        EXPECT_GE(img.height(), s.tiles * s.size);
        EXPECT_EQ(img.height() % s.size, 0);
        const QByteArray bytes = readAll(QStringLiteral("Graphics/") + QLatin1String(s.file));
        ASSERT_GT(bytes.size(), 30);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24); // bits per pixel
    }
}

TEST(Assets, OverlaysUseExactMagentaAndTerrainIsOpaque)
{
    for (const Strip& s : kStrips) {
        SCOPED_TRACE(s.file);
        const QImage img = strip(s.file).convertToFormat(QImage::Format_RGB32);
        int magenta = 0, near = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (c == kMagenta)
                    ++magenta;
                else if (qRed(c) >= 200 && qBlue(c) >= 200 && qGreen(c) <= 90)
                    ++near;
            }
        EXPECT_EQ(near, 0);
        if (s.overlay) {
            EXPECT_GT(magenta, 0);
        } else {
            EXPECT_EQ(magenta, 0);
        }
    }
    // The winter set is a set of its own, not a copy.
    EXPECT_NE(tile(strip("Winter.BMP"), 16, 1), tile(strip("Terrain.BMP"), 16, 1));
}

TEST(Assets, TilesTheMapDrawsHaveAPicture)
{
    // Players 1 to 3, the mark, the four stores; the capture-the-flag objects.
    const std::pair<const char*, std::vector<int>> used[] = {
        {"Graphics.BMP", {1, 2, 3, 5, 12, 13, 14, 15}}, {"Graphics32.BMP", {1, 2, 3, 5, 12, 13, 14, 15}},
        {"Objects.BMP", {17, 18, 19}}, {"Objects32.BMP", {17, 18, 19}}};
    for (const auto& [file, tiles] : used) {
        const QImage img = strip(file).convertToFormat(QImage::Format_RGB32);
        const int size = img.width();
        std::set<QByteArray> distinct;
        for (int t : tiles) {
            const QImage one = tile(img, size, t);
            int opaque = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    opaque += one.pixel(x, y) != kMagenta;
            EXPECT_GT(opaque, size) << file << " tile " << t;
            EXPECT_LT(opaque, size * size) << file << " tile " << t;
            distinct.insert(QByteArray(reinterpret_cast<const char*>(one.constBits()), one.sizeInBytes()));
        }
        EXPECT_EQ(distinct.size(), tiles.size()) << file;
    }
}

TEST(Assets, WallTilesReachEveryEdgeTheyJoin)
{
    // The map decoder's neighbour table for one family: L, R, U, D bits.
    constexpr int L = 1, R = 2, U = 4, D = 8;
    const int links[16] = {0, L | R, U | D, L | R | U | D, L | U | D, L | R | D, R | U | D, L | R | U,
                           L, U, D, R, L | D, R | U, R | D, L | U};
    for (const char* file : {"Terrain.BMP", "Winter.BMP", "Terrain32.BMP"}) {
        const QImage img = strip(file).convertToFormat(QImage::Format_RGB32);
        const int s = img.width();
        const QImage ground = tile(img, s, 1);
        for (int family : {8, 24})
            for (int i = 0; i < 16; ++i) {
                const QImage wall = tile(img, s, family + i);
                for (int side : {L, R, U, D}) {
                    // The middle third of the edge's outer pixel line.
                    int differs = 0, total = 0;
                    for (int k = s / 3; k < s - s / 3; ++k, ++total) {
                        const int x = side == L ? 0 : side == R ? s - 1 : k;
                        const int y = side == U ? 0 : side == D ? s - 1 : k;
                        differs += distance(wall.pixel(x, y), ground.pixel(x, y)) > 24;
                    }
                    if (links[i] & side) {
                        EXPECT_GE(differs * 4, total * 3) << file << " tile " << family + i << " side " << side;
                    }
                }
            }
    }
}

TEST(Assets, WaveFilesAreShortPcmMono)
{
    QStringList waves;
    for (const QString& dir : {QStringLiteral("Graphics"), QStringLiteral("Sounds")})
        for (const QString& f : QDir(programFile(dir)).entryList({QStringLiteral("*.wav")}))
            waves << dir + QLatin1Char('/') + f;
    ASSERT_EQ(waves.size(), 22);
    for (const QString& w : waves) {
        SCOPED_TRACE(qPrintable(w));
        const QByteArray b = readAll(w);
        ASSERT_GE(b.size(), 46);
        auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
        auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
        EXPECT_EQ(b.left(4), QByteArray("RIFF"));
        EXPECT_EQ(u32(4), static_cast<quint32>(b.size() - 8));
        EXPECT_EQ(b.mid(8, 8), QByteArray("WAVEfmt "));
        EXPECT_EQ(u32(16), 16u);
        EXPECT_EQ(u16(20), 1);     // PCM
        EXPECT_EQ(u16(22), 1);     // mono
        EXPECT_EQ(u32(24), 22050u);
        EXPECT_EQ(u32(28), 44100u);
        EXPECT_EQ(u16(32), 2);
        EXPECT_EQ(u16(34), 16);
        EXPECT_EQ(b.mid(36, 4), QByteArray("data"));
        EXPECT_EQ(u32(40), static_cast<quint32>(b.size() - 44));
        const int samples = (b.size() - 44) / 2;
        EXPECT_GT(samples, 22050 / 50);
        EXPECT_LT(samples, 22050 * 4);
        int peak = 0;
        for (int i = 0; i < samples; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i))));
        EXPECT_GT(peak, 8000);  // audible
        EXPECT_LT(peak, 32000); // never clipped
    }
}

TEST(Assets, IconAndPointersLoad)
{
    for (const char* file : {"Graphics/Sun.ico", "Graphics/Message.ico", "Graphics/Quelvar.ico"}) {
        SCOPED_TRACE(file);
        QImageReader icon(programFile(QLatin1String(file)));
        ASSERT_EQ(icon.imageCount(), 3);
        std::set<int> sizes;
        for (int i = 0; i < icon.imageCount(); ++i) {
            ASSERT_TRUE(icon.jumpToImage(i));
            const QImage img = icon.read();
            ASSERT_FALSE(img.isNull());
            EXPECT_TRUE(img.hasAlphaChannel());
            sizes.insert(img.width());
        }
        EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
    }

    for (const auto& [file, hotX, hotY] : {std::tuple{"Cursor1.cur", 1, 1}, std::tuple{"Cursor2.cur", 16, 16}}) {
        SCOPED_TRACE(file);
        const QPixmap pointer(programFile(QLatin1String(file)));
        ASSERT_FALSE(pointer.isNull());
        EXPECT_EQ(pointer.size(), QSize(32, 32));
        EXPECT_TRUE(pointer.hasAlphaChannel());
        const QByteArray b = readAll(QLatin1String(file));
        EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 2), 2); // a cursor, not an icon
        EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 10), hotX);
        EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 12), hotY);
    }
}

TEST(Assets, TheUserListPicturesAreThirteenDistinctSmallPictures)
{
    const QImage strip(programFile(QStringLiteral("Graphics/WhoIcons.png")));
    ASSERT_EQ(strip.size(), QSize(13 * 16, 16));
    ASSERT_TRUE(strip.hasAlphaChannel());
    std::set<QByteArray> seen;
    for (int i = 0; i < 13; ++i) {
        const QImage picture = strip.copy(i * 16, 0, 16, 16).convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(picture.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 12) << i;   // something to see
        EXPECT_LT(opaque, 256) << i;  // on a transparent ground
        seen.insert(QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 13u);
}

TEST(Assets, MapsAreFullSizeWithAnOpenStartArea)
{
    const QStringList maps = QDir(programFile(QStringLiteral("Map"))).entryList(QDir::Files);
    ASSERT_FALSE(maps.isEmpty());
    const QByteArray table = "_-^v/!&=:#";
    for (const QString& name : maps) {
        SCOPED_TRACE(qPrintable(name));
        const QByteArray m = readAll(QStringLiteral("Map/") + name);
        ASSERT_EQ(m.size(), 22500);
        for (char c : m)
            ASSERT_TRUE(table.contains(c)) << "character " << int(c);
        auto at = [&](int x, int y) { return m.at(y * 150 + x); };
        // Stores and their surroundings: open ground; the start area: walkable.
        for (const auto& [sx, sy] : {std::pair{4, 4}, std::pair{4, 10}, std::pair{10, 4}, std::pair{10, 10}, std::pair{7, 7}})
            for (int y = sy - 1; y <= sy + 1; ++y)
                for (int x = sx - 1; x <= sx + 1; ++x)
                    EXPECT_TRUE(at(x, y) == '_' || at(x, y) == '-') << x << "," << y;
        for (int i = 0; i < 150; ++i) {
            EXPECT_EQ(at(i, 0), '#');
            EXPECT_EQ(at(i, 149), '#');
            EXPECT_EQ(at(0, i), '#');
            EXPECT_EQ(at(149, i), '#');
        }
        for (char c : QByteArray("_-^v/!&#"))
            EXPECT_TRUE(m.contains(c)) << "no " << c;
    }
}

TEST(Assets, DataFilesUseWindowsLineEnds)
{
    const QByteArray commands = readAll(QStringLiteral("command.txt"));
    for (const char* cmd : {"c <text>", "team <text>", "TELL <name> <text>", "buy <item>", "fire <x> <y>", "GET FLAG",
                            "tourn join", "tourn quit", "Ready"})
        EXPECT_TRUE(commands.contains(cmd)) << cmd;
    for (const QString& f : {QStringLiteral("command.txt"), QStringLiteral("DesignData.Dat"), QStringLiteral("Endpoints.ini")}) {
        const QByteArray b = readAll(f);
        EXPECT_TRUE(b.endsWith("\r\n")) << qPrintable(f);
        EXPECT_EQ(b.count('\n'), b.count("\r\n")) << qPrintable(f);
    }

    QSettings design(programFile(QStringLiteral("DesignData.Dat")), QSettings::IniFormat);
    EXPECT_EQ(design.value(QStringLiteral("INIT/NumberButtons")).toString(), QStringLiteral("20"));

    QSettings endpoints(programFile(QStringLiteral("Endpoints.ini")), QSettings::IniFormat);
    endpoints.beginGroup(QStringLiteral("Endpoints"));
    EXPECT_EQ(endpoints.childKeys().size(), 5);
    for (const QString& key : endpoints.childKeys())
        EXPECT_TRUE(endpoints.value(key).toString().contains(QLatin1String("127.0.0.1"))) << qPrintable(key);
    EXPECT_TRUE(readAll(QStringLiteral("Endpoints.ini")).startsWith(";"));
}
