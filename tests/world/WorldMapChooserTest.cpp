// The map chooser window.
#include "WorldTestSupport.h"

#include "foundation/Forms.h"
#include "ui/frmMain.h"
#include "world/frmMaps.h"

#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>

namespace {
QStringList listed(const frmMaps& f)
{
    QStringList names;
    for (int i = 0; i < f.lstMaps->count(); ++i)
        names.append(f.lstMaps->item(i)->text());
    return names;
}
} // namespace

TEST_F(WorldTest, MapChooserListsEveryFileOfTheMapFolder)
{
    writeFile(QStringLiteral("Map/Zeta.map"), "=");
    writeFile(QStringLiteral("Map/arena.map"), "=");
    writeFile(QStringLiteral("Map/notes.txt"), "x");
    QDir().mkpath(programFolder() + QStringLiteral("/Map/Sub"));
    world().MapName = QStringLiteral("Zeta.map");
    QPixmap pixels(16, 16);
    pixels.fill(Qt::red);
    Forms::get<frmMain>().setWindowIcon(QIcon(pixels));

    frmMaps& maps = Forms::get<frmMaps>();
    EXPECT_EQ(listed(maps), (QStringList{QStringLiteral("arena.map"), QStringLiteral("notes.txt"),
                                         QStringLiteral("Zeta.map")}));
    EXPECT_EQ(maps.Caption(), QStringLiteral("Zeta.map"));
    EXPECT_EQ(maps.Frame1->title(), QStringLiteral("Avaliable Maps: "));
    EXPECT_EQ(maps.cmdAccept->text(), QStringLiteral("&Change Map"));
    EXPECT_EQ(maps.cmdCancel->text(), QStringLiteral("&Cancel"));
    EXPECT_FALSE(maps.windowIcon().isNull());
    EXPECT_EQ(maps.windowIcon().cacheKey(), Forms::get<frmMain>().windowIcon().cacheKey());
}

TEST_F(WorldTest, MapChooserAcceptStoresTheNameAndStaysOpenCancelUnloads)
{
    writeFile(QStringLiteral("Map/Arena.map"), "=");
    writeFile(QStringLiteral("Map/Bay.map"), "=");
    world().MapName = QStringLiteral("Old");
    frmMaps& maps = Forms::get<frmMaps>();

    // Nothing selected: an empty name.
    maps.cmdAccept->click();
    EXPECT_TRUE(world().MapName.isEmpty());
    EXPECT_TRUE(maps.Caption().isEmpty());

    maps.lstMaps->item(1)->setSelected(true);
    maps.cmdAccept->click();
    EXPECT_EQ(world().MapName, QStringLiteral("Bay.map"));
    EXPECT_EQ(maps.Caption(), QStringLiteral("Bay.map"));
    EXPECT_TRUE(Forms::isLoaded<frmMaps>());

    maps.cmdCancel->click();
    EXPECT_FALSE(Forms::isLoaded<frmMaps>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The next use loads afresh with the stored name.
    EXPECT_EQ(Forms::get<frmMaps>().Caption(), QStringLiteral("Bay.map"));
}
