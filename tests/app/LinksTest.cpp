// The error-log window and the game window's Exit know no window above them:
// they reach the main window, the game window's send and the settings save
// through the links the top layer installs.

#include "connection/Frame.h"
#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"
#include "support/FakeGameServer.h"
#include "ui/frmBack.h"
#include "ui/frmMain.h"

#include <QTest>

namespace {
class LinksTest : public FakeServerTest {};
} // namespace

TEST_F(LinksTest, TheErrorLogCentresOnTheMainWindowAndSwitchesTheServersDebugOutput)
{
    connectGame();
    frmBack& back = Forms::get<frmBack>();
    back.Show();
    AddToLog(QStringLiteral("frmMain"), QStringLiteral("ProcessData"), ErrObject{9, QStringLiteral("x")});
    frmDebug& log = Forms::get<frmDebug>();
    EXPECT_EQ(log.pos(), back.geometry().center() - log.rect().center());

    log.Show();
    QTest::mouseClick(log.TabStrip1, Qt::LeftButton, {}, log.TabStrip1->tabRect(1).center());
    EXPECT_EQ(log.TabStrip1->currentIndex(), 1);
    ASSERT_TRUE(fake->waitForGameFrames(2));
    EXPECT_EQ(fake->gameFrames(), (QList<QByteArray>{ClientFrame('e', "1"), ClientFrame('e', "0")}));
}

TEST_F(LinksTest, ExitSavesTheSettingsBeforeTheProgramEnds)
{
    settings().FontSize = 13;
    EXPECT_THROW(Forms::get<frmMain>().mnuFileExit_Click(), ProgramEnd);
    EXPECT_EQ(platform::GetSetting(platform::programName(), QStringLiteral("Settings"), QStringLiteral("FontSize"),
                                   QString()),
              QStringLiteral("13"));
    EXPECT_FALSE(Forms::get<frmMain>().Visible());
}
