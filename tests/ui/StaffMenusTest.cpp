// The Administration menu's items by staff level.
#include "UiTest.h"

#include "foundation/MenuState.h"
#include "ui/StaffMenus.h"
#include "ui/frmBack.h"
#include "ui/frmMain.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QTest>

namespace {
// Admin menu, Auto-Admin, LogChatter, Change Map, Log All, Error Log.
QString shown(const frmMain& g)
{
    QString s;
    for (const QAction* a : {g.mnuAdmin->menuAction(), g.mnuOptionsAdmin, g.mnuLogChatter, g.mnuLoadMap, g.mnuLogAll,
                             g.mnuerrorlog})
        s += a->isVisible() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}
} // namespace

class StaffMenusTest : public UiTest {};

TEST_F(StaffMenusTest, ItemsGrowWithTheLevelAndTheMenuStaysOnceShown)
{
    frmMain& g = Forms::get<frmMain>();
    EXPECT_EQ(shown(g).left(1), QStringLiteral("0"));
    const std::pair<qint16, const char*> levels[] = {
        {79, "000000"}, {80, "110000"}, {89, "110000"}, {90, "111100"}, {94, "111100"}, {95, "111111"}, {99, "111111"}};
    for (const auto& [level, want] : levels) {
        ShowStaffMenus(level);
        EXPECT_EQ(shown(g), QLatin1String(want)) << "level " << level;
    }
    // Beyond 99 every item goes, the menu itself stays with its separators.
    optionMenus().mnuOptionsAdmin.setChecked(true);
    ShowStaffMenus(100);
    EXPECT_EQ(shown(g), QStringLiteral("100000"));
    EXPECT_TRUE(g.mnuFileBar2->isVisible());
    EXPECT_TRUE(g.FileBar8->isVisible());
    // Opened from the menu bar, the menu shows its two separators.
    back().mdiArea->setActiveSubWindow(&g);
    QMenuBar* bar = back().menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(g.mnuAdmin->menuAction()).center());
    ASSERT_TRUE(g.mnuAdmin->isVisible());
    EXPECT_FALSE(g.mnuAdmin->actionGeometry(g.mnuFileBar2).isEmpty());
    EXPECT_FALSE(g.mnuAdmin->actionGeometry(g.FileBar8).isEmpty());
    g.mnuAdmin->hide();
    // Hiding changes no check mark.
    EXPECT_TRUE(optionMenus().mnuOptionsAdmin.Checked());
    ShowStaffMenus(79);
    EXPECT_EQ(shown(g), QStringLiteral("100000"));
}
