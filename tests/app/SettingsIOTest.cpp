#include "app/SettingsIO.h"
#include "app/Startup.h"
#include "community/frmShop.h"
#include "community/frmWho.h"
#include "connection/ConnectionState.h"
#include "foundation/MenuState.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"
#include "support/ClientTest.h"
#include "support/SettingsFolder.h"
#include "support/SmallDisk.h"
#include "ui/frmBack.h"
#include "ui/frmCmd.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "world/WorldState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString stored(const QString& section, const QString& key, const QString& absent = QStringLiteral("<absent>"))
{
    return platform::GetSetting(platform::programName(), section, key, absent);
}

void store(const QString& section, const QString& key, const QString& value)
{
    platform::SaveSetting(platform::programName(), section, key, value);
}

QString sectionOf(int i) { return QStringLiteral("Button") + QString::number(i); }

class SettingsIOTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        writeFile(QStringLiteral("DesignData.Dat"), "[INIT]\r\nNumberButtons=20\r\n");
        writeFile(QStringLiteral("command.txt"), "say <text>\r\ncaf\xe9 list\r\n");
    }

    QString errorLog() const
    {
        return Forms::isLoaded<frmDebug>() ? Forms::get<frmDebug>().txtLog->Text() : QString();
    }
};

} // namespace

TEST_F(SettingsIOTest, EveryKeyRoundTripsThroughExitAndTheNextStart)
{
    Forms::get<frmMain>();
    Settings& s = settings();
    s.SoundOn = false;
    s.MusicOn = true;
    s.RandomSongs = true;
    OptionMenus& m = optionMenus();
    m.mnuOptionsTags.setChecked(true);
    m.mnuOptionLangFilter.setChecked(true);
    m.mnuOptionsChat.setChecked(false);
    m.mnuOptionsAdmin.setChecked(true);
    m.mnuOptionLoginIgnore.setChecked(true);
    m.mnuOptionSplatIgnore.setChecked(true);
    m.mnuOptionsScroll.setChecked(true);
    connection().TimeOfDay = 3;
    s.Season = 2;
    s.FontType = QStringLiteral("Verdana");
    s.FontType2 = QStringLiteral("Courier New");
    s.FontSize = 12;
    s.BoldNames = false;
    s.Italic = true;
    SetColourSet(s.ChatColour, QStringLiteral("Green"));
    SetColourSet(s.TellColour, QStringLiteral("Purple"));
    SetColourSet(s.PlanColour, QStringLiteral("magenta"));
    SetColourSet(s.AnnounceColour, QStringLiteral("Yellow"));
    for (int i = 0; i <= 32; ++i)
        s.Buttons[i] = {QStringLiteral("N%1").arg(i), QStringLiteral("T%1").arg(i), QStringLiteral("C%1 & x").arg(i)};
    world().MapName = QStringLiteral("Arena");
    Forms::get<frmOptions>().cmbButtons->setCurrentText(QStringLiteral("17"));
    frmMain& game = Forms::get<frmMain>();
    game.DXTimer->start();

    EXPECT_THROW(SaveSettings(), ProgramEnd);
    EXPECT_TRUE(ProgramHasEnded());
    EXPECT_FALSE(game.DXTimer->isActive());
    EXPECT_FALSE(game.Visible());

    // The stored texts: flags as "True"/"False", numbers in decimal, colours by name.
    const QString options = QStringLiteral("Options");
    EXPECT_EQ(stored(options, QStringLiteral("Sound")), QStringLiteral("False"));
    EXPECT_EQ(stored(options, QStringLiteral("Music")), QStringLiteral("True"));
    EXPECT_EQ(stored(options, QStringLiteral("RandomSongs")), QStringLiteral("True"));
    EXPECT_EQ(stored(options, QStringLiteral("LangFilter")), QStringLiteral("True"));
    EXPECT_EQ(stored(options, QStringLiteral("AutoChat")), QStringLiteral("False"));
    EXPECT_EQ(stored(options, QStringLiteral("AutoAdmin")), QStringLiteral("True"));
    EXPECT_EQ(stored(options, QStringLiteral("IgnoreLogins")), QStringLiteral("True"));
    EXPECT_EQ(stored(options, QStringLiteral("IgnoreWhoSplats")), QStringLiteral("True"));
    EXPECT_EQ(stored(options, QStringLiteral("Tags")), QStringLiteral("<absent>"));
    EXPECT_EQ(stored(QStringLiteral("Client Data"), QStringLiteral("Time")), QStringLiteral("3"));
    EXPECT_EQ(stored(QStringLiteral("Client Data"), QStringLiteral("Season")), QStringLiteral("2"));
    EXPECT_EQ(stored(QStringLiteral("Client Data"), QStringLiteral("Buttons")), QStringLiteral("17"));
    EXPECT_EQ(stored(QStringLiteral("Settings"), QStringLiteral("FontType")), QStringLiteral("Verdana"));
    EXPECT_EQ(stored(QStringLiteral("Settings"), QStringLiteral("FontType2")), QStringLiteral("Courier New"));
    EXPECT_EQ(stored(QStringLiteral("Settings"), QStringLiteral("FontSize")), QStringLiteral("12"));
    EXPECT_EQ(stored(QStringLiteral("Settings"), QStringLiteral("BoldNames")), QStringLiteral("False"));
    EXPECT_EQ(stored(QStringLiteral("Settings"), QStringLiteral("Italic")), QStringLiteral("True"));
    EXPECT_EQ(stored(QStringLiteral("Colours"), QStringLiteral("Chat")), QStringLiteral("Green"));
    EXPECT_EQ(stored(QStringLiteral("Colours"), QStringLiteral("Plan")), QStringLiteral("magenta"));
    EXPECT_EQ(stored(QStringLiteral("LASTSETTINGS"), QStringLiteral("Map")), QStringLiteral("Arena"));
    for (int i = 0; i <= 32; ++i)
        EXPECT_EQ(stored(sectionOf(i), QStringLiteral("Command")), QStringLiteral("C%1 & x").arg(i));
    EXPECT_EQ(stored(sectionOf(33), QStringLiteral("Name")), QStringLiteral("<absent>"));

    resetClientState();
    // Scroll Lock is never stored: its state after a start is the one it had.
    LoadSettings();
    EXPECT_TRUE(errorLog().isEmpty()) << errorLog().toStdString();
    EXPECT_FALSE(s.SoundOn);
    EXPECT_TRUE(s.MusicOn);
    EXPECT_TRUE(s.RandomSongs);
    EXPECT_FALSE(m.mnuOptionsTags.Checked());  // "Tags" is never written
    EXPECT_TRUE(world().ShowTags);
    EXPECT_TRUE(m.mnuOptionLangFilter.Checked());
    EXPECT_FALSE(m.mnuOptionsChat.Checked());
    EXPECT_TRUE(m.mnuOptionsAdmin.Checked());
    EXPECT_TRUE(m.mnuOptionLoginIgnore.Checked());
    EXPECT_TRUE(m.mnuOptionSplatIgnore.Checked());
    EXPECT_FALSE(m.mnuOptionsScroll.Checked());
    // The game window was loaded by the load and shows the check marks.
    ASSERT_TRUE(Forms::isLoaded<frmMain>());
    EXPECT_TRUE(Forms::get<frmMain>().mnuOptionLangFilter->isChecked());
    EXPECT_FALSE(Forms::get<frmMain>().mnuOptionsTags->isChecked());
    EXPECT_EQ(connection().TimeOfDay, 3);
    EXPECT_EQ(s.Season, 2);
    EXPECT_EQ(s.FontType, QStringLiteral("Verdana"));
    EXPECT_EQ(s.FontType2, QStringLiteral("Courier New"));
    EXPECT_EQ(s.FontSize, 12);
    EXPECT_FALSE(s.BoldNames);
    EXPECT_TRUE(s.Italic);
    EXPECT_EQ(s.ChatColour.Name, QStringLiteral("Green"));
    EXPECT_EQ(s.ChatColour.Light, RGB(64, 192, 64));
    EXPECT_EQ(s.TellColour.Dark, RGB(100, 2, 156));
    EXPECT_EQ(s.PlanColour.Name, QStringLiteral("magenta"));
    EXPECT_EQ(s.PlanColour.Dark, 0u);
    EXPECT_EQ(s.AnnounceColour.Name, QStringLiteral("Yellow"));
    for (int i = 0; i <= 32; ++i) {
        EXPECT_EQ(s.Buttons[i].Name, QStringLiteral("N%1").arg(i));
        EXPECT_EQ(s.Buttons[i].Tip, QStringLiteral("T%1").arg(i));
        EXPECT_EQ(s.Buttons[i].Command, QStringLiteral("C%1 & x").arg(i));
    }
    EXPECT_EQ(world().TileSize, 32);  // Zoom In keeps its design state (checked)
    // The last map name is read by the start-up itself, not here.
    EXPECT_TRUE(world().MapName.isEmpty());
}

TEST_F(SettingsIOTest, ButtonCountTwentyLabelsAndShowsTheButtons)
{
    for (int i = 0; i <= 32; ++i) {
        store(sectionOf(i), QStringLiteral("Name"), QStringLiteral("N%1").arg(i));
        store(sectionOf(i), QStringLiteral("Tip"), QStringLiteral("T%1").arg(i));
    }
    frmBack& back = Forms::get<frmBack>();
    ASSERT_TRUE(back.cmdAlias[21]->isHidden());

    LoadSettings();

    for (int i = 16; i <= 21; ++i)
        EXPECT_FALSE(back.cmdAlias[i]->isHidden()) << i;
    EXPECT_TRUE(back.cmdAlias[3]->isHidden());
    EXPECT_TRUE(back.cmdAlias[22]->isVisibleTo(back.Picture2));
    frmMain& game = Forms::get<frmMain>();
    EXPECT_EQ(game.cmdAlias[20]->text(), QStringLiteral("N20"));
    EXPECT_EQ(game.cmdAlias[20]->toolTip(), QStringLiteral("T20"));
    EXPECT_TRUE(game.cmdAlias[21]->text().isEmpty());  // 21 belongs to the store window's block
    // The bar the user sees is labelled from the start too.
    EXPECT_EQ(back.cmdAlias[0]->text(), QStringLiteral("N0"));
    EXPECT_EQ(back.cmdAlias[20]->toolTip(), QStringLiteral("T20"));
    EXPECT_TRUE(back.cmdAlias[21]->text().isEmpty());
    // The store and who windows were loaded hidden for their buttons.
    ASSERT_TRUE(Forms::isLoaded<frmShop>());
    ASSERT_TRUE(Forms::isLoaded<frmWho>());
    EXPECT_FALSE(Forms::get<frmShop>().Visible());
    EXPECT_FALSE(Forms::get<frmWho>().Visible());
    EXPECT_EQ(Forms::get<frmShop>().cmdAlias[0]->text(), QStringLiteral("N21"));
    EXPECT_EQ(Forms::get<frmShop>().cmdAlias[5]->toolTip(), QStringLiteral("T26"));
    EXPECT_EQ(Forms::get<frmWho>().cmdAlias[0]->text(), QStringLiteral("N27"));
    EXPECT_EQ(Forms::get<frmWho>().cmdAlias[5]->text(), QStringLiteral("N32"));

    // The command list, read whole in the code page, in its window (hidden).
    EXPECT_EQ(settings().CommandText, QStringLiteral("say <text>\r\ncaf\u00e9 list\r\n"));
    ASSERT_TRUE(Forms::isLoaded<frmCmd>());
    frmCmd& list = Forms::get<frmCmd>();
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(list.CmdList->toPlainText(), QStringLiteral("say <text>\ncaf\u00e9 list\n"));
    list.Show();
    list.Command1->click();
    EXPECT_FALSE(list.Visible());
    EXPECT_TRUE(Forms::isLoaded<frmCmd>());
    EXPECT_TRUE(messageTexts().isEmpty());
}

TEST_F(SettingsIOTest, ButtonCountFourteenLoadsNoHiddenEntriesAndKeepsThemStored)
{
    writeFile(QStringLiteral("DesignData.Dat"), "[INIT]\r\nNumberButtons=14\r\n");
    for (int i = 0; i <= 32; ++i)
        store(sectionOf(i), QStringLiteral("Name"), QStringLiteral("N%1").arg(i));
    frmBack& back = Forms::get<frmBack>();

    LoadSettings();

    EXPECT_TRUE(back.cmdAlias[21]->isHidden());
    const Settings& s = settings();
    for (int i = 0; i <= 32; ++i)
        EXPECT_EQ(s.Buttons[i].Name, i >= 15 && i <= 20 ? QString() : QStringLiteral("N%1").arg(i)) << i;
    EXPECT_EQ(Forms::get<frmMain>().cmdAlias[14]->text(), QStringLiteral("N14"));
    EXPECT_TRUE(Forms::get<frmMain>().cmdAlias[15]->text().isEmpty());

    // Entries the load did not read keep their stored values at exit,
    // unless they were filled in this run.
    settings().Buttons[16].Name = QStringLiteral("Edited");
    settings().Buttons[5].Name = QString();
    EXPECT_THROW(SaveSettings(), ProgramEnd);
    EXPECT_EQ(stored(sectionOf(15), QStringLiteral("Name")), QStringLiteral("N15"));
    EXPECT_EQ(stored(sectionOf(20), QStringLiteral("Name")), QStringLiteral("N20"));
    EXPECT_EQ(stored(sectionOf(16), QStringLiteral("Name")), QStringLiteral("Edited"));
    EXPECT_EQ(stored(sectionOf(5), QStringLiteral("Name")), QString());
    EXPECT_EQ(stored(sectionOf(15), QStringLiteral("Tip")), QString());
}

TEST_F(SettingsIOTest, LaterRunWithAnEmptyStoreTakesTheLoadDefaults)
{
    // A first run that ended without File > Exit stored nothing but its flag.
    LoadSettings();
    const Settings& s = settings();
    EXPECT_TRUE(s.SoundOn);
    EXPECT_FALSE(s.MusicOn);
    EXPECT_FALSE(s.RandomSongs);
    EXPECT_FALSE(optionMenus().mnuOptionsTags.Checked());
    EXPECT_TRUE(world().ShowTags);
    EXPECT_FALSE(optionMenus().mnuOptionLangFilter.Checked());
    EXPECT_TRUE(optionMenus().mnuOptionsChat.Checked());
    EXPECT_FALSE(optionMenus().mnuOptionsAdmin.Checked());
    EXPECT_EQ(connection().TimeOfDay, 1);
    EXPECT_EQ(s.Season, 1);
    EXPECT_TRUE(s.FontType.isEmpty());
    EXPECT_TRUE(s.FontType2.isEmpty());
    EXPECT_EQ(s.FontSize, 8);
    EXPECT_TRUE(s.BoldNames);
    EXPECT_FALSE(s.Italic);
    EXPECT_EQ(s.ChatColour.Name, QStringLiteral("Blue"));
    EXPECT_EQ(s.TellColour.Name, QStringLiteral("Red"));
    EXPECT_EQ(s.PlanColour.Name, QStringLiteral("Turquoise"));
    EXPECT_EQ(s.AnnounceColour.Name, QStringLiteral("Grey"));
    EXPECT_EQ(s.AnnounceColour.Light, RGB(192, 192, 192));
    EXPECT_EQ(world().TileSize, 32);
    EXPECT_FALSE(Forms::isLoaded<frmDebug>());

    // Zoom In unchecked gives 16-pixel tiles.
    resetClientState();
    optionMenus().mnuOptionsZoom.setChecked(false);
    LoadSettings();
    EXPECT_EQ(world().TileSize, 16);
}

TEST_F(SettingsIOTest, ColourNamesEmptyGivesDefaultLowerCaseKeepsBlack)
{
    store(QStringLiteral("Colours"), QStringLiteral("Tell"), QString());
    store(QStringLiteral("Colours"), QStringLiteral("Chat"), QStringLiteral("blue"));
    LoadSettings();
    EXPECT_EQ(settings().TellColour.Name, QStringLiteral("Red"));
    EXPECT_EQ(settings().TellColour.Dark, RGB(128, 0, 0));
    EXPECT_EQ(settings().ChatColour.Name, QStringLiteral("blue"));
    EXPECT_EQ(settings().ChatColour.Dark, 0u);
    EXPECT_EQ(settings().ChatColour.Light, 0u);
}

TEST_F(SettingsIOTest, BadStoredValuesAreRecordedAndTheDefaultsTaken)
{
    store(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("maybe"));
    store(QStringLiteral("Options"), QStringLiteral("AutoChat"), QStringLiteral("0"));
    store(QStringLiteral("Options"), QStringLiteral("Music"), QStringLiteral("-1"));
    store(QStringLiteral("Client Data"), QStringLiteral("Time"), QStringLiteral("noon"));
    store(QStringLiteral("Client Data"), QStringLiteral("Season"), QStringLiteral("99999999999"));
    // From the fonts on, a bad value is only skipped.
    store(QStringLiteral("Settings"), QStringLiteral("FontSize"), QStringLiteral("300"));
    store(QStringLiteral("Settings"), QStringLiteral("Italic"), QStringLiteral("yes"));
    store(QStringLiteral("Settings"), QStringLiteral("FontType"), QStringLiteral("Georgia"));
    writeFile(QStringLiteral("DesignData.Dat"), "[INIT]\r\nNumberButtons=many\r\n");
    store(sectionOf(14), QStringLiteral("Name"), QStringLiteral("N14"));
    store(sectionOf(15), QStringLiteral("Name"), QStringLiteral("N15"));

    LoadSettings();

    const Settings& s = settings();
    EXPECT_TRUE(s.SoundOn);
    EXPECT_FALSE(optionMenus().mnuOptionsChat.Checked());
    EXPECT_TRUE(s.MusicOn);
    EXPECT_EQ(connection().TimeOfDay, 1);
    EXPECT_EQ(s.Season, 1);
    EXPECT_EQ(s.FontSize, 0);
    EXPECT_FALSE(s.Italic);
    EXPECT_EQ(s.FontType, QStringLiteral("Georgia"));
    // The button count falls back to 14.
    EXPECT_EQ(s.Buttons[14].Name, QStringLiteral("N14"));
    EXPECT_TRUE(s.Buttons[15].Name.isEmpty());
    EXPECT_EQ(s.ChatColour.Name, QStringLiteral("Blue"));

    ASSERT_TRUE(Forms::isLoaded<frmDebug>());
    EXPECT_FALSE(Forms::get<frmDebug>().Visible());
    EXPECT_EQ(errorLog(), QStringLiteral("Error #13 Type mismatch in SettingsIO,LoadSettings\n"
                                         "Error #13 Type mismatch in SettingsIO,LoadSettings\n"
                                         "Error #6 Overflow in SettingsIO,LoadSettings\n"
                                         "Error #13 Type mismatch in SettingsIO,LoadSettings\n"));
    EXPECT_TRUE(messageTexts().isEmpty());
}

TEST_F(SettingsIOTest, MissingFilesAreReportedOnceAndTheLoadGoesOn)
{
    QFile::remove(programFolder() + QStringLiteral("/DesignData.Dat"));
    QFile::remove(programFolder() + QStringLiteral("/command.txt"));
    store(sectionOf(14), QStringLiteral("Name"), QStringLiteral("N14"));
    store(QStringLiteral("Settings"), QStringLiteral("FontSize"), QStringLiteral("12"));

    LoadSettings();

    ASSERT_EQ(services().messageBoxes.size(), 1u);
    const QString text = services().messageBoxes[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("DesignData.Dat"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("command.txt"))) << text.toStdString();
    EXPECT_EQ(errorLog(), QStringLiteral("Error #53 File not found in SettingsIO,LoadSettings\n"
                                         "Error #53 File not found in SettingsIO,LoadSettings\n"));
    EXPECT_EQ(settings().Buttons[14].Name, QStringLiteral("N14"));
    EXPECT_EQ(settings().FontSize, 12);
    EXPECT_TRUE(settings().CommandText.isEmpty());
    // The command list keeps its own text.
    EXPECT_EQ(Forms::get<frmCmd>().CmdList->toPlainText(), QStringLiteral("Could Not Connect to Command List..."));
    EXPECT_EQ(Forms::get<frmCmd>().Caption(), QStringLiteral("Quelvar Command List"));
}

TEST_F(SettingsIOTest, ExitCreatesAMissingSettingsFolder)
{
    const QString file = platform::settingsFilePath(platform::programName());
    QDir(QFileInfo(file).path()).removeRecursively();
    ASSERT_FALSE(QFileInfo::exists(QFileInfo(file).path()));
    settings().FontType = QStringLiteral("Arial");

    EXPECT_THROW(SaveSettings(), ProgramEnd);

    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(stored(QStringLiteral("Settings"), QStringLiteral("FontType")), QStringLiteral("Arial"));
    // The options window was loaded (hidden) for its button count.
    ASSERT_TRUE(Forms::isLoaded<frmOptions>());
    EXPECT_EQ(stored(QStringLiteral("Client Data"), QStringLiteral("Buttons")), QStringLiteral("14"));
}

TEST_F(SettingsIOTest, AFirstRunAndAnExitOnAFullDiskRecordOneLineEachForTheSavesThatFailed)
{
    const SmallDisk disk;
    if (!disk.ok())
        GTEST_SKIP() << SmallDisk::kCannotMount;
    const SettingsFolder folder(disk.path());
    const QString file = platform::settingsFilePath(platform::programName());
    store(QStringLiteral("LASTUSER"), QStringLiteral("Username"), QStringLiteral("alice"));
    const QByteArray before = SmallDisk::contents(file);
    ASSERT_TRUE(disk.fill());
    InitSettings();
    settings().FontType = QStringLiteral("Arial");

    EXPECT_THROW(SaveSettings(), ProgramEnd);

    EXPECT_EQ(SmallDisk::contents(file), before);
    const QString firstRunFlag = platform::settingsFilePath(QStringLiteral("ZADO"));
    EXPECT_EQ(errorLog(), QStringLiteral("Error #75 Cannot write ") + firstRunFlag +
                              QStringLiteral(": the disk is full in Startup,InitSettings\n") +
                              QStringLiteral("Error #75 Cannot write ") + file +
                              QStringLiteral(": the disk is full in SettingsIO,SaveSettings\n"));
}
