#include "app/Startup.h"

#include "app/SettingsIO.h"
#include "connection/frmConnect.h"
#include "foundation/MenuState.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"
#include "platform/Services.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/TileBitmaps.h"
#include "world/WorldModel.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

bool IsPrevInstance() { return platform::services().isPrevInstance(); }

bool HasSoundCard() { return platform::services().waveOutDeviceCount() >= 1; }

void Main()
{
    if (IsPrevInstance()) {
        platform::MsgBox(QStringLiteral("This application is already running. Please terminate your current session "
                                        "to start a new one."),
                         platform::vbOKOnly, QStringLiteral("Instance Detection Error"));
        End();
    }
    if (!HasSoundCard())
        platform::MsgBox(QStringLiteral("Sound card not detected!"), platform::vbOKOnly, QStringLiteral("Detection Error"));
    const QString banned = platform::GetSetting(QStringLiteral("Microsoft"), QStringLiteral("MSOffice"),
                                                QStringLiteral("WordProcessor"), QStringLiteral("False"));
    if (banned == QLatin1String("True")) {
        platform::MsgBox(QStringLiteral("You have been banned."), platform::vbOKOnly | platform::vbCritical,
                         QStringLiteral("Quelvar"));
        End();
    }
    InitClient();
}

void InitClient()
{
    const QString folder = platform::programFolder();
    settings().GraphicsPath = folder + QStringLiteral("/Graphics/");
    settings().DatPath = folder + QStringLiteral("/Dat/");
    settings().MapPath = folder + QStringLiteral("/Map/");
    // The program's icon: every window without one of its own shows it.
    QApplication::setWindowIcon(QIcon(settings().GraphicsPath + QStringLiteral("Quelvar.ico")));

    InitForms();
    InitSettings();
    InitMapAndShops();
    LoadGraphics();

    const QString lastMap = platform::GetSetting(platform::programName(), QStringLiteral("LASTSETTINGS"),
                                                 QStringLiteral("Map"), QString());
    if (!lastMap.isEmpty())
        world().MapName = lastMap;

    if (settings().Season == 1)
        LoadTerrainNormal();
    else
        LoadTerrainWinter();

    frmMain& game = Forms::get<frmMain>();
    game.DXTimer->start();

    game.setTop(0);
    game.setLeft(0);
    frmChat& chat = Forms::get<frmChat>();
    chat.setTop(6500);
    chat.setLeft(0);

    frmConnect& login = Forms::get<frmConnect>();
    login.Show();
}

void InitForms()
{
    Forms::get<frmBack>().Show();
    Forms::get<frmChat>().Show();
    options().AutoOpenShops = 255;
    world().setWholeGridSize();
    DoEvents();
}

void InitSettings()
{
    const QString startup = platform::GetSetting(QStringLiteral("ZADO"), QStringLiteral("General"),
                                                 QStringLiteral("Startup"), QStringLiteral("True"));
    if (startup != QLatin1String("True")) {
        LoadSettings();
        return;
    }
    // The first run: fixed defaults, nothing read from the store.
    world().TileSize = 16;
    // Reaching the game window's menu items loads the game window.
    Forms::get<frmMain>();
    OptionMenus& m = optionMenus();
    m.mnuOptionLangFilter.setChecked(false);
    m.mnuOptionSplatIgnore.setChecked(false);
    m.mnuOptionsScroll.setChecked(false);
    m.mnuOptionsChat.setChecked(true);
    m.mnuOptionsAdmin.setChecked(false);
    Settings& s = settings();
    s.MusicOn = true;
    s.RandomSongs = false;
    s.SoundOn = true;
    SetColourSet(s.ChatColour, QStringLiteral("Blue"));
    SetColourSet(s.TellColour, QStringLiteral("Orange"));
    SetColourSet(s.PlanColour, QStringLiteral("Green"));
    SetColourSet(s.AnnounceColour, QStringLiteral("Red"));
    s.BoldNames = true;
    s.Italic = false;
    s.FontType = QStringLiteral("MS Sans Serif");
    s.FontType2 = QStringLiteral("Arial");
    s.FontSize = 10;
    platform::SettingsSave save(QStringLiteral("ZADO"));
    save.put(QStringLiteral("General"), QStringLiteral("Startup"), QStringLiteral("False"));
    WriteSettingsSave(QStringLiteral("Startup"), QStringLiteral("InitSettings"), save);
}
