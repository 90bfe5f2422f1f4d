#include "app/Startup.h"
#include "connection/frmConnect.h"
#include "foundation/MenuState.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"
#include "support/ClientTest.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "tests/world/SyntheticStrips.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>

class StartupTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        installAssets();
        // Tile strips of our own where the generated ones are not laid out.
        if (!QFile::exists(programFolder() + QStringLiteral("/Graphics/Terrain.BMP")))
            synthetic::writeStrips(programFolder() + QStringLiteral("/Graphics"));
    }
};

TEST_F(StartupTest, FirstRunAppliesDefaultsAndShowsTheLoginDialog)
{
    Main();
    EXPECT_FALSE(ProgramHasEnded());
    EXPECT_TRUE(messageTexts().isEmpty());

    ASSERT_TRUE(Forms::isLoaded<frmBack>());
    ASSERT_TRUE(Forms::isLoaded<frmMain>());
    ASSERT_TRUE(Forms::isLoaded<frmChat>());
    ASSERT_TRUE(Forms::isLoaded<frmConnect>());
    EXPECT_EQ(Forms::get<frmBack>().Caption(), QStringLiteral("Quelvar"));
    EXPECT_EQ(Forms::get<frmMain>().Caption(), QStringLiteral("[Game Window]"));
    EXPECT_EQ(Forms::get<frmChat>().Caption(), QStringLiteral("[Chat Window]"));
    EXPECT_EQ(Forms::get<frmConnect>().Caption(), QStringLiteral("Quelvar [Connect]"));
    EXPECT_TRUE(Forms::get<frmConnect>().Visible());

    frmMain& game = Forms::get<frmMain>();
    EXPECT_EQ(game.Left(), 0);
    EXPECT_EQ(game.Top(), 0);
    EXPECT_EQ(game.Width(), 14025);
    EXPECT_EQ(game.Height(), 6495);  // 6500 twips is 433.3 pixels: the nearest whole pixel
    frmChat& chat = Forms::get<frmChat>();
    EXPECT_EQ(chat.Left(), 0);
    EXPECT_EQ(chat.Top(), 6495);
    EXPECT_TRUE(game.DXTimer->isActive());

    EXPECT_EQ(world().TileSize, 16);
    EXPECT_TRUE(optionMenus().mnuOptionsChat.Checked());
    EXPECT_TRUE(optionMenus().mnuOptionsZoom.Checked());
    EXPECT_TRUE(game.mnuOptionsChat->isChecked());
    EXPECT_EQ(settings().TellColour.Name, QStringLiteral("Orange"));
    EXPECT_EQ(settings().FontType2, QStringLiteral("Arial"));
    EXPECT_EQ(settings().FontSize, 10);
    EXPECT_EQ(settings().Season, 0);
    EXPECT_FALSE(world().ShowTags);
    EXPECT_EQ(options().AutoOpenShops, 255);
    EXPECT_EQ(world().MaxX, 149);
    EXPECT_EQ(settings().GraphicsPath, programFolder() + QStringLiteral("/Graphics/"));
    EXPECT_EQ(platform::GetSetting(QStringLiteral("ZADO"), QStringLiteral("General"), QStringLiteral("Startup")),
              QStringLiteral("False"));
}

TEST_F(StartupTest, LaterRunLoadsTheSavedSettingsAndTheLastMap)
{
    platform::SaveSetting(QStringLiteral("ZADO"), QStringLiteral("General"), QStringLiteral("Startup"), QStringLiteral("False"));
    platform::SaveSetting(platform::programName(), QStringLiteral("LASTSETTINGS"), QStringLiteral("Map"), QStringLiteral("Arena"));
    Main();
    EXPECT_FALSE(ProgramHasEnded());
    EXPECT_EQ(world().MapName, QStringLiteral("Arena"));
    // The first-run branch did not run: its font and colour defaults are absent.
    EXPECT_NE(settings().FontType2, QStringLiteral("Arial"));
    EXPECT_TRUE(Forms::get<frmConnect>().Visible());
}

TEST_F(StartupTest, OnlyTheExactFirstRunFlagCountsAsAFirstRun)
{
    for (const char* flag : {"true", "", "TRUE"}) {
        ClientTest::TearDown();
        ClientTest::SetUp();
        installAssets();
        platform::SaveSetting(QStringLiteral("ZADO"), QStringLiteral("General"), QStringLiteral("Startup"),
                              QString::fromLatin1(flag));
        platform::SaveSetting(platform::programName(), QStringLiteral("LASTSETTINGS"), QStringLiteral("Map"), QString());
        Main();
        EXPECT_NE(settings().FontType2, QStringLiteral("Arial")) << flag;
        EXPECT_EQ(platform::GetSetting(QStringLiteral("ZADO"), QStringLiteral("General"), QStringLiteral("Startup")),
                  QString::fromLatin1(flag));
        EXPECT_TRUE(world().MapName.isEmpty()) << "an empty stored map name keeps the map name empty";
    }
}

TEST_F(StartupTest, OnlyTheExactBanMarkerBans)
{
    for (const char* marker : {"true", "1", "TRUE", "False"}) {
        ClientTest::TearDown();
        ClientTest::SetUp();
        installAssets();
        platform::SaveSetting(QStringLiteral("Microsoft"), QStringLiteral("MSOffice"), QStringLiteral("WordProcessor"),
                              QString::fromLatin1(marker));
        Main();
        EXPECT_FALSE(ProgramHasEnded()) << marker;
        EXPECT_FALSE(messageTexts().contains(QStringLiteral("You have been banned."))) << marker;
    }

    ClientTest::TearDown();
    ClientTest::SetUp();
    platform::SaveSetting(QStringLiteral("Microsoft"), QStringLiteral("MSOffice"), QStringLiteral("WordProcessor"),
                          QStringLiteral("True"));
    EXPECT_THROW(Main(), ProgramEnd);
    ASSERT_EQ(services().messageBoxes.size(), 1u);
    EXPECT_EQ(services().messageBoxes[0].text, QStringLiteral("You have been banned."));
    EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Quelvar"));
    EXPECT_EQ(services().messageBoxes[0].style, platform::vbCritical);
    EXPECT_FALSE(Forms::isLoaded<frmBack>());
}

TEST_F(StartupTest, ASecondCopyOnlyShowsTheInstanceMessage)
{
    services().prevInstance = true;
    EXPECT_THROW(Main(), ProgramEnd);
    ASSERT_EQ(services().messageBoxes.size(), 1u);
    EXPECT_EQ(services().messageBoxes[0].text,
              QStringLiteral("This application is already running. Please terminate your current session to start a new one."));
    EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Instance Detection Error"));
    EXPECT_EQ(services().messageBoxes[0].style, platform::vbOKOnly);
    EXPECT_FALSE(Forms::isLoaded<frmBack>());
}

TEST_F(StartupTest, NoSoundDeviceIsReportedAndStartUpGoesOn)
{
    services().waveOutDevices = 0;
    Main();
    ASSERT_GE(services().messageBoxes.size(), 1u);
    EXPECT_EQ(services().messageBoxes[0].text, QStringLiteral("Sound card not detected!"));
    EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Detection Error"));
    EXPECT_FALSE(ProgramHasEnded());
    EXPECT_TRUE(Forms::get<frmConnect>().Visible());
}

TEST_F(StartupTest, TheSoundCardBoxIsWideEnoughForItsTitle)
{
    services().waveOutDevices = 0;
    int width = 0;
    services().onDesktopBox = [&](QMessageBox& box) { width = box.width(); };
    Main();
    // A window manager sets the title in a bold face beside the window's
    // icon and up to four buttons with their padding: about seven times as
    // wide as a line of text is high.
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    EXPECT_GT(width, metrics.horizontalAdvance(QStringLiteral("Detection Error")) + 7 * metrics.height());
}
