#include "PlayerListsTest.h"

#include "community/WhoList.h"
#include "foundation/SettingsState.h"

#include <QTreeWidgetItem>

void PlayerListsTest::SetUp()
{
    EndToEndTest::SetUp();
    login(QStringLiteral("ann"));
}

void PlayerListsTest::useGeneratedGraphics()
{
    installAssets();
    settings().GraphicsPath = programFolder() + QStringLiteral("/Graphics/");
}

QString pictureOf(const QTreeWidgetItem* item, int column) { return item->data(column, kPictureKeyRole).toString(); }

qint64 colourOf(const QTreeWidgetItem* item)
{
    const QBrush b = item->foreground(0);
    if (b.style() == Qt::NoBrush)
        return -1;
    const QColor c = b.color();
    return RGB(c.red(), c.green(), c.blue());
}

bool boldOf(const QTreeWidgetItem* item) { return item->font(0).bold(); }
