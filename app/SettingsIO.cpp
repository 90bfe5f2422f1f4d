#include "app/SettingsIO.h"

#include "community/frmShop.h"
#include "community/frmWho.h"
#include "connection/ConnectionState.h"
#include "foundation/Ansi.h"
#include "foundation/ButtonTable.h"
#include "foundation/Convert.h"
#include "foundation/IniFile.h"
#include "foundation/MenuState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "ui/frmBack.h"
#include "ui/frmCmd.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "world/WorldState.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

namespace {

const QString kModule = QStringLiteral("SettingsIO");
const QString kLoad = QStringLiteral("LoadSettings");

QString get(const QString& section, const QString& key, const QString& defaultValue)
{
    return platform::GetSetting(platform::programName(), section, key, defaultValue);
}

// The full path of a file in the program's folder.
QString programFile(const QString& name) { return platform::programFolder() + QLatin1Char('/') + name; }

// The first load steps: a stored value that does not convert is recorded and
// the default taken, so that one bad value costs no other setting.
template <class T, class Convert>
T readOr(const QString& section, const QString& key, T defaultValue, const QString& defaultText, Convert convert)
{
    try {
        return convert(get(section, key, defaultText));
    } catch (const RuntimeError& e) {
        AddToLog(kModule, kLoad, e.err());
        return defaultValue;
    }
}

bool readFlag(const QString& section, const QString& key, bool defaultValue)
{
    return readOr(section, key, defaultValue, BoolText(defaultValue), [](const QString& t) { return CBool(t); });
}

qint32 readLong(const QString& section, const QString& key, qint32 defaultValue)
{
    return readOr(section, key, defaultValue, QString::number(defaultValue), [](const QString& t) { return CLng(t); });
}

// From the fifth load step on, a statement that fails is skipped.
template <class Statement>
void resumeNext(Statement&& statement)
{
    try {
        statement();
    } catch (const RuntimeError&) {
    }
}

UserButton& entry(int index)
{
    if (index < 0 || index >= static_cast<int>(settings().Buttons.size()))
        Raise(errSubscriptOutOfRange);
    return settings().Buttons[static_cast<std::size_t>(index)];
}

// Element `index` of a control array whose first element has index `first`.
template <std::size_t N>
QPushButton& element(const std::array<QPushButton*, N>& buttons, int index, int first = 0)
{
    const int k = index - first;
    if (k < 0 || k >= static_cast<int>(N) || !buttons[static_cast<std::size_t>(k)])
        Raise(errSubscriptOutOfRange);
    return *buttons[static_cast<std::size_t>(k)];
}

// Entries from..to of the table from the store, each labelling the button
// of its index that button(i) reaches.
template <class Button>
void loadButtons(int from, int to, Button&& button)
{
    // Beyond the table's last entry every statement fails.
    to = std::min(to, static_cast<int>(settings().Buttons.size()) - 1);
    for (int i = from; i <= to; ++i) {
        resumeNext([&] { ReadButtonEntry(i); });
        resumeNext([&] { button(i).setText(entry(i).Name); });
        resumeNext([&] { button(i).setToolTip(entry(i).Tip); });
    }
}

// The button count from "DesignData.Dat"; a missing file or count is
// recorded and the default taken.
qint16 readButtonCount(QStringList& unreadable)
{
    const QString file = programFile(QStringLiteral("DesignData.Dat"));
    if (!QFile::exists(file)) {
        unreadable << file;
        AddToLog(kModule, kLoad, RuntimeError(errFileNotFound).err());
        return kDefaultButtonCount;
    }
    try {
        return CInt(ReadINI(file, QStringLiteral("INIT"), QStringLiteral("NumberButtons")));
    } catch (const RuntimeError& e) {
        AddToLog(kModule, kLoad, e.err());
        return kDefaultButtonCount;
    }
}

// The command list from "command.txt" into CommandText and the command-list
// window; a file that cannot be read is recorded and the list left as it is.
void readCommandList(QStringList& unreadable)
{
    const QString file = programFile(QStringLiteral("command.txt"));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        unreadable << file;
        AddToLog(kModule, kLoad, RuntimeError(f.exists() ? errPermissionDenied : errFileNotFound).err());
        return;
    }
    settings().CommandText = FromAnsi(f.readAll());
    f.close();
    Forms::get<frmCmd>().CmdList->setPlainText(settings().CommandText);
}

} // namespace

void LoadSettings()
{
    // A hundred keys, and the file read once for all of them.
    const platform::SettingsReading reading(platform::programName());
    Settings& s = settings();
    const QString options = QStringLiteral("Options");
    s.SoundOn = readFlag(options, QStringLiteral("Sound"), true);
    s.MusicOn = readFlag(options, QStringLiteral("Music"), false);
    s.RandomSongs = readFlag(options, QStringLiteral("RandomSongs"), false);
    // Reaching the game window's menu items loads the game window.
    Forms::get<frmMain>();
    OptionMenus& m = optionMenus();
    m.mnuOptionsTags.setChecked(readFlag(options, QStringLiteral("Tags"), false));
    world().ShowTags = true;
    m.mnuOptionLangFilter.setChecked(readFlag(options, QStringLiteral("LangFilter"), false));
    m.mnuOptionsChat.setChecked(readFlag(options, QStringLiteral("AutoChat"), true));
    m.mnuOptionsAdmin.setChecked(readFlag(options, QStringLiteral("AutoAdmin"), false));
    m.mnuOptionLoginIgnore.setChecked(readFlag(options, QStringLiteral("IgnoreLogins"), false));
    m.mnuOptionSplatIgnore.setChecked(readFlag(options, QStringLiteral("IgnoreWhoSplats"), false));

    const QString clientData = QStringLiteral("Client Data");
    connection().TimeOfDay = readLong(clientData, QStringLiteral("Time"), 1);
    s.Season = readLong(clientData, QStringLiteral("Season"), 1);

    QStringList unreadable;
    const qint16 n = readButtonCount(unreadable);
    s.LoadedButtonCount = n;
    readCommandList(unreadable);
    if (!unreadable.isEmpty())
        platform::MsgBox(QStringLiteral("Could not read %1. Quelvar goes on with its default settings.")
                             .arg(unreadable.join(QStringLiteral(" and "))),
                         platform::vbOKOnly | platform::vbExclamation);

    if (n >= 15 && n <= 20) {
        for (int i = 16; i <= n + 1; ++i)
            resumeNext([&] { element(Forms::get<frmBack>().cmdAlias, i).setVisible(true); });
    }

    const QString fonts = QStringLiteral("Settings");
    resumeNext([&] { s.FontType = get(fonts, QStringLiteral("FontType"), QString()); });
    resumeNext([&] { s.FontType2 = get(fonts, QStringLiteral("FontType2"), QString()); });
    resumeNext([&] { s.FontSize = CByte(get(fonts, QStringLiteral("FontSize"), QStringLiteral("8"))); });
    resumeNext([&] { s.BoldNames = CBool(get(fonts, QStringLiteral("BoldNames"), QStringLiteral("True"))); });
    resumeNext([&] { s.Italic = CBool(get(fonts, QStringLiteral("Italic"), QStringLiteral("False"))); });

    const struct {
        ColourSet& set;
        const char* key;
        const char* defaultName;
    } colours[] = {
        {s.ChatColour, "Chat", "Blue"},
        {s.TellColour, "Tell", "Red"},
        {s.PlanColour, "Plan", "Turquoise"},
        {s.AnnounceColour, "Announce", "Grey"},
    };
    for (const auto& c : colours) {
        resumeNext([&] {
            const QString name = get(QStringLiteral("Colours"), QLatin1String(c.key), QString());
            SetColourSet(c.set, name.isEmpty() ? QLatin1String(c.defaultName) : name);
        });
    }

    loadButtons(0, n, [](int i) -> QPushButton& { return element(Forms::get<frmMain>().cmdAlias, i); });
    // The main window's bar, the one the user sees, shows entries 0 to 20 too.
    for (int i = 0; i <= 20; ++i) {
        element(Forms::get<frmBack>().cmdAlias, i).setText(entry(i).Name);
        element(Forms::get<frmBack>().cmdAlias, i).setToolTip(entry(i).Tip);
    }
    loadButtons(frmShop::kAliasFirst, frmShop::kAliasFirst + 5, [](int i) -> QPushButton& {
        return element(Forms::get<frmShop>().cmdAlias, i, frmShop::kAliasFirst);
    });
    loadButtons(frmWho::kAliasFirst, frmWho::kAliasFirst + 5, [](int i) -> QPushButton& {
        return element(Forms::get<frmWho>().cmdAlias, i, frmWho::kAliasFirst);
    });

    world().TileSize = m.mnuOptionsZoom.Checked() ? 32 : 16;
}

void SaveSettings()
{
    frmMain& game = Forms::get<frmMain>();
    game.DXTimer->stop();
    const Settings& s = settings();
    platform::SettingsSave save(platform::programName());

    save.put(QStringLiteral("LASTSETTINGS"), QStringLiteral("Map"), world().MapName);

    WriteButtonTable(save);

    const QString options = QStringLiteral("Options");
    const OptionMenus& m = optionMenus();
    save.put(options, QStringLiteral("Sound"), BoolText(s.SoundOn));
    save.put(options, QStringLiteral("Music"), BoolText(s.MusicOn));
    save.put(options, QStringLiteral("RandomSongs"), BoolText(s.RandomSongs));
    save.put(options, QStringLiteral("LangFilter"), BoolText(m.mnuOptionLangFilter.Checked()));
    save.put(options, QStringLiteral("AutoChat"), BoolText(m.mnuOptionsChat.Checked()));
    save.put(options, QStringLiteral("AutoAdmin"), BoolText(m.mnuOptionsAdmin.Checked()));
    save.put(options, QStringLiteral("IgnoreLogins"), BoolText(m.mnuOptionLoginIgnore.Checked()));
    save.put(options, QStringLiteral("IgnoreWhoSplats"), BoolText(m.mnuOptionSplatIgnore.Checked()));

    const QString clientData = QStringLiteral("Client Data");
    save.put(clientData, QStringLiteral("Time"), QString::number(connection().TimeOfDay));
    save.put(clientData, QStringLiteral("Season"), QString::number(s.Season));
    save.put(clientData, QStringLiteral("Buttons"), Forms::get<frmOptions>().cmbButtons->currentText());

    const QString fonts = QStringLiteral("Settings");
    save.put(fonts, QStringLiteral("FontType"), s.FontType);
    save.put(fonts, QStringLiteral("FontType2"), s.FontType2);
    save.put(fonts, QStringLiteral("FontSize"), QString::number(s.FontSize));
    save.put(fonts, QStringLiteral("BoldNames"), BoolText(s.BoldNames));
    save.put(fonts, QStringLiteral("Italic"), BoolText(s.Italic));

    const QString colours = QStringLiteral("Colours");
    save.put(colours, QStringLiteral("Chat"), s.ChatColour.Name);
    save.put(colours, QStringLiteral("Tell"), s.TellColour.Name);
    save.put(colours, QStringLiteral("Plan"), s.PlanColour.Name);
    save.put(colours, QStringLiteral("Announce"), s.AnnounceColour.Name);

    // One write and one line for the whole save; the program ends all the same.
    WriteSettingsSave(kModule, QStringLiteral("SaveSettings"), save);
    game.Hide();
    End();
}
