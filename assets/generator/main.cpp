// Generates the program's assets into its folder: the tile strips, sounds,
// icon, pointers and the about box's picture and maps; with --kept-files, the
// small data files that the player, the program or the game's operator
// change there, each written only where it is missing.
//
//   quelvar_assetgen [--kept-files] <program folder>

#include "AboutPicture.h"
#include "DataFiles.h"
#include "IconFiles.h"
#include "Maps.h"
#include "Sounds.h"
#include "Sprites.h"
#include "TerrainTiles.h"
#include "WhoIcons.h"
#include "Raster.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

using namespace assetgen;

namespace {

bool failed = false;

void report(bool ok, const QString& path)
{
    if (!ok) {
        std::fprintf(stderr, "quelvar_assetgen: cannot write %s\n", qPrintable(path));
        failed = true;
    }
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    report(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(), path);
}

// A file that exists is someone's: the server address the operator set, the
// button count the player chose. It is never written over.
void writeIfMissing(const QString& path, const QByteArray& bytes)
{
    if (QFileInfo::exists(path))
        return;
    QFile f(path);
    report(f.open(QIODevice::WriteOnly | QIODevice::NewOnly) && f.write(bytes) == bytes.size() && f.flush(), path);
}

void writeStrip(const QString& path, const QImage& strip) { report(saveBmp(strip, path), path); }

} // namespace

int main(int argc, char** argv)
{
    const bool keptFiles = argc == 3 && std::strcmp(argv[1], "--kept-files") == 0;
    if (argc != 2 && !keptFiles) {
        std::fprintf(stderr, "usage: quelvar_assetgen [--kept-files] <program folder>\n");
        return 2;
    }
    const QString root = QDir(QString::fromLocal8Bit(argv[argc - 1])).absolutePath();
    if (keptFiles) {
        writeIfMissing(root + QStringLiteral("/command.txt"), commandList());
        writeIfMissing(root + QStringLiteral("/DesignData.Dat"), designData());
        writeIfMissing(root + QStringLiteral("/Endpoints.ini"), endpointsIni());
        return failed ? 1 : 0;
    }
    for (const char* sub : {"Graphics", "Sounds", "Map", "Dat"})
        report(QDir().mkpath(root + QLatin1Char('/') + QLatin1String(sub)), root + QLatin1Char('/') + QLatin1String(sub));
    const QString gfx = root + QStringLiteral("/Graphics/");

    writeStrip(gfx + QStringLiteral("Terrain.BMP"), terrainStrip(16, false));
    writeStrip(gfx + QStringLiteral("Winter.BMP"), terrainStrip(16, true));
    writeStrip(gfx + QStringLiteral("Terrain32.BMP"), terrainStrip(32, false));
    for (const auto& [name, size] : {std::pair{"", 16}, std::pair{"32", 32}}) {
        const QString suffix = QLatin1String(name);
        writeStrip(gfx + QStringLiteral("Graphics") + suffix + QStringLiteral(".BMP"), graphicsStrip(size));
        writeStrip(gfx + QStringLiteral("Objects") + suffix + QStringLiteral(".BMP"), objectsStrip(size));
        writeStrip(gfx + QStringLiteral("Splats") + suffix + QStringLiteral(".BMP"), splatsStrip(size));
        writeStrip(gfx + QStringLiteral("Ammo") + suffix + QStringLiteral(".BMP"), ammoStrip(size));
        writeStrip(gfx + QStringLiteral("Bots") + suffix + QStringLiteral(".bmp"), botsStrip(size));
    }

    for (const SoundFile& s : soundFiles()) {
        const QString path = root + QLatin1Char('/') + QLatin1String(s.relativePath);
        report(writeWav(path, s.make()), path);
    }

    writeStrip(gfx + QStringLiteral("About.bmp"), aboutPicture());
    const QString whoIcons = gfx + QStringLiteral("WhoIcons.png");
    report(whoIconStrip().save(whoIcons, "PNG"), whoIcons);
    writeBytes(gfx + QStringLiteral("Sun.ico"), iconFile({sunImage(16), sunImage(32), sunImage(48)}));
    writeBytes(gfx + QStringLiteral("Message.ico"), iconFile({messageImage(16), messageImage(32), messageImage(48)}));
    writeBytes(gfx + QStringLiteral("Quelvar.ico"), iconFile({programImage(16), programImage(32), programImage(48)}));
    writeBytes(root + QStringLiteral("/Cursor1.cur"), cursorFile(arrowPointerImage(), kArrowHotX, kArrowHotY));
    writeBytes(root + QStringLiteral("/Cursor2.cur"), cursorFile(reticlePointerImage(), kReticleHot, kReticleHot));

    for (const MapFile& m : mapFiles())
        writeBytes(root + QStringLiteral("/Map/") + m.name, m.cells);
    return failed ? 1 : 0;
}
