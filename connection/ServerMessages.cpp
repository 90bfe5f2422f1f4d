#include "connection/ServerMessages.h"

#include "connection/ClientWindows.h"
#include "connection/ConnectionState.h"
#include "connection/Frame.h"
#include "world/WorldModel.h"
#include "foundation/ChatLog.h"
#include "foundation/MenuState.h"
#include "foundation/RuntimeError.h"
#include "foundation/Sound.h"
#include "platform/SettingsStore.h"
#include "world/WorldState.h"

namespace {

constexpr quint32 kRed = 255;

// Sound indexes of the Graphics folder's wave files.
enum SoundIndex : qint32 {
    sndBoink = 0,
    sndFire = 2,
    sndSplat = 3,
    sndHitYou = 4,
    sndSiren = 5,
    sndUnsiren = 8,
    sndBots = 12,
    sndShotEmpty = 13,
    sndFiring = 15,
};

// The game type in the first character of s1 (a small number); 9 and any
// number outside the table are "Unknown".
qint32 gameTypeIndex(const QString& s1) { return SmallNumberValue(s1); }

QString gameTypeName(qint32 index)
{
    static const char* const kNames[] = {"Survival",       "Random Teams", "Capture The Flag", "Invaderz", "Two Man Teams",
                                         "Tournament",     "Buddy",        "Football",         "Resurection"};
    if (index >= 0 && index < 9)
        return QString::fromLatin1(kNames[index]);
    return QStringLiteral("Unknown");
}

class Status {
public:
    explicit Status(ClientWindows& w) : w_(w) {}

    // One line into the game chat box.
    void write(const QString& line, quint32 colour = 0, bool bold = false)
    {
        w_.AddText(ClientWindows::Box::GameChat, line, colour, true, bold, false);
    }
    // A line that the map view also prints.
    void writeStatus(const QString& line)
    {
        write(line);
        world().LastStatusText = line;
    }
    void splat(const QString& line)
    {
        write(line);
        world().LastSplatText = line;
    }

    void readyState(const QString& s1)
    {
        OptionMenus& menus = optionMenus();
        menus.mnuOptionsReadyNot.setChecked(false);
        menus.mnuOptionsReadyYes.setChecked(false);
        menus.mnuOptionsReadyAuto.setChecked(false);
        const QString state = s1.toUpper();
        if (state == QLatin1String("NO")) {
            menus.mnuOptionsReadyNot.setChecked(true);
            writeStatus(QStringLiteral("You are NOT ready for the next game"));
        } else if (state == QLatin1String("YES")) {
            menus.mnuOptionsReadyYes.setChecked(true);
            writeStatus(QStringLiteral("You are READY for the next game"));
        } else if (state == QLatin1String("AUTO")) {
            menus.mnuOptionsReadyAuto.setChecked(true);
            writeStatus(QStringLiteral("You are AUTO-READY for the next game"));
        }
    }

    void splatMessage(const QString& shooter, const QString& hit, const QString& where)
    {
        const QString me = connection().UserName.toLower();
        if (hit.toLower() == me) {
            splat(shooter + QStringLiteral(" has splat you in the ") + where + QStringLiteral("!"));
            PlaySound(0, sndHitYou);
        } else if (shooter.toLower() == me) {
            splat(QStringLiteral("You have splatted ") + hit + QStringLiteral(" in the ") + where + QStringLiteral("!"));
            PlaySound(0, sndSplat);
        } else if (!optionMenus().mnuOptionSplatIgnore.Checked()) {
            splat(shooter + QStringLiteral(" has splat ") + hit + QStringLiteral(" in the ") + where +
                  QStringLiteral("!"));
        }
    }

    void centreViewOnPlayer()
    {
        World& wd = world();
        wd.ViewCenterX = wd.Pos.X;
        wd.ViewCenterY = wd.Pos.Y;
    }

private:
    ClientWindows& w_;
};

void show(qint16 id, const QString& s1, const QString& s2, const QString& s3, ClientWindows& w)
{
    w.Server(QStringLiteral("w"), QString());
    if (w.SelectedChatTab() != QLatin1String("Game Chat"))
        w.MarkChatTabUnread(0);
    else
        w.DoEvents();

    Status st(w);
    switch (id) {
    case 1:
        st.write(QStringLiteral("You have fired your gun!"));
        PlaySound(0, sndFire);
        break;
    case 2:
        st.write(QStringLiteral("You cannot move out of the holding arena!"));
        st.centreViewOnPlayer();
        break;
    case 3: st.writeStatus(QStringLiteral("Can't buy anything here!")); break;
    case 4: break;
    case 5: st.write(QStringLiteral("You fired your ") + s1 + QStringLiteral("!")); break;
    case 6:
        st.write(QStringLiteral("Sorry, You can't leave the game!"));
        st.centreViewOnPlayer();
        break;
    case 7: {
        const qint32 index = gameTypeIndex(s1);
        const QString line = QStringLiteral("You have entered a ") + gameTypeName(index) + QStringLiteral(" game.");
        if (index >= 0 && index <= 4)
            st.writeStatus(line);
        else
            st.write(line);
        break;
    }
    case 8:
        st.write(QStringLiteral("You are out of ammunition!"));
        PlaySound(0, sndShotEmpty);
        world().LastStatusText = QStringLiteral("You are out of ammunition!");
        break;
    case 9: st.writeStatus(QStringLiteral("You do not have a free hand to buy that!")); break;
    case 10: {
        PlaySound(0, sndSiren);
        const qint32 index = gameTypeIndex(s1);
        const QString line = index >= 0 && index <= 9
                                 ? QStringLiteral("A ") + gameTypeName(index) + QStringLiteral(" game has started.")
                                 : QStringLiteral("An UNKNOWN game has started.");
        if (index >= 0 && index <= 4)
            st.writeStatus(line);
        else
            st.write(line);
        ClearObjectLayer();
        ClearSplatLayer();
        break;
    }
    case 11:
        st.writeStatus(QStringLiteral("The game has ended."));
        ClearDynamicLayers();
        PlaySound(0, sndUnsiren);
        break;
    case 12: st.write(QStringLiteral("Your paintball has died!")); break;
    case 13:
        st.write(QStringLiteral("You have been charged $") + s1 + QStringLiteral(" for playing in this game."), kRed);
        break;
    case 14:
        st.write(QStringLiteral("You receive $") + s1 + QStringLiteral(" for winning the current Match!."), kRed);
        break;
    case 15: st.write(QStringLiteral("New account created, Thank-you for registering.")); break;
    case 16: st.write(QStringLiteral("The paintball has ran out of power!")); break;
    case 17: st.write(s1 + QStringLiteral(" has just fired a shot!")); break;
    case 18: st.readyState(s1); break;
    case 19: st.writeStatus(QStringLiteral("You are not wearing a weapon!")); break;
    case 20: st.writeStatus(QStringLiteral("Your weapon jams!")); break;
    case 21: st.write(QStringLiteral("The game could not be started!")); break;
    case 22: st.write(QStringLiteral("GAME: You have started the game.")); break;
    case 23: {
        const QString line = s1 + QStringLiteral(" bots have joined the match!");
        st.write(line);
        PlaySound(0, sndBots);
        world().LastStatusText = line;
        break;
    }
    case 24: st.write(QStringLiteral("Sorry, this location isn't a store!")); break;
    case 25:
        st.write(QStringLiteral("Sorry, your IP address is already logged on to the server. Please only use one "
                                "character at a time."));
        break;
    case 27: st.write(QStringLiteral("User account already logged in.")); break;
    case 28:
        st.write(QStringLiteral("You have been banned."));
        // The next start refuses to run.
        if (QString error; !platform::SaveSetting(QStringLiteral("Microsoft"), QStringLiteral("MSOffice"),
                                                  QStringLiteral("WordProcessor"), QStringLiteral("True"), &error))
            w.AddToLog(QStringLiteral("ServerMessages"), QStringLiteral("ShowServerMessage"),
                       ErrObject{errPathFileAccess, error});
        break;
    case 29: w.EndProgram(); break;
    case 30: st.splatMessage(s1, s2, s3); break;
    case 31: w.SetTeamsStatusText(QStringLiteral("Team already exists.")); break;
    case 32: w.SetTeamsStatusText(QStringLiteral("Team '") + s1 + QStringLiteral("' has been created.")); break;
    case 33:
        st.write(QStringLiteral("a ") + s1 + QStringLiteral(" has bounced off your ") + s2);
        PlaySound(0, sndBoink);
        break;
    case 34:
        st.write(QStringLiteral("a ") + s1 + QStringLiteral(" has bounced off of ") + s3 + QStringLiteral("s' ") + s2 +
                 QStringLiteral("!"));
        PlaySound(0, sndBoink);
        break;
    case 35: w.SetTeamsStatusText(QStringLiteral("You are already on a team.")); break;
    case 36: w.SetTeamsStatusText(s1); break;
    case 37: st.write(QStringLiteral("You have changed your team's website to: '") + s1 + QStringLiteral("'.")); break;
    case 38: st.write(QStringLiteral("Team plan what?")); break;
    case 39: st.write(QStringLiteral("Sorry, but '") + s1 + QStringLiteral("' is not online!")); break;
    case 40:
        st.write(QStringLiteral("You have changed your team's news and events to: '") + s1 + QStringLiteral("'."));
        break;
    case 41: st.write(QStringLiteral("Fine whom how much ?")); break;
    case 42: st.write(QStringLiteral("Goto whoms position ?")); break;
    case 43: st.write(QStringLiteral("'") + s1 + QStringLiteral("' is not online!")); break;
    case 44: st.write(QStringLiteral("Reply to who?")); break;
    case 45: st.write(s1); break;
    case 46:
        st.write(QStringLiteral("You have buddied with ") + s1 + QStringLiteral("."));
        w.MarkWhoListUser(s1);
        break;
    case 47:
        st.write(QStringLiteral("Your buddy ") + s1 + QStringLiteral(" has logged off."));
        w.MarkWhoListUser(QString());
        break;
    case 48:
        if (!optionMenus().mnuOptionLoginIgnore.Checked())
            st.write(s1 + QStringLiteral(" has entered Quelvar at ") + CurrentTimeText());
        break;
    case 49:
        if (!optionMenus().mnuOptionLoginIgnore.Checked())
            st.write(s1 + QStringLiteral(" has left Quelvar at ") + CurrentTimeText());
        break;
    case 50: st.write(QStringLiteral("You have idled off.")); break;
    case 51: st.write(s1 + QStringLiteral(" has killed off all of his opponents and won the game!")); break;
    case 52: st.write(QStringLiteral("GAME: The next game is starting in 10 seconds.")); break;
    case 53:
        if (!w.WhoListEmpty())
            w.MarkWhoListUser(s1);
        break;
    case 54: w.ShowNews(); break;
    case 55:
        st.write(QStringLiteral("The next game will be a tournament game between '") + s1 + QStringLiteral("' and '") +
                     s2 + QStringLiteral("'!"),
                 0, true);
        break;
    case 56:
        st.write(QStringLiteral("Times up - Begin fireing"), 0, true);
        PlaySound(0, sndFiring);
        break;
    case 57:
    case 58:
    case 59:
        st.write(QStringLiteral("Message ID: ") + QString::number(id) + QStringLiteral(" is unsupported."));
        break;
    default:
        break;
    }
}

} // namespace

void ShowServerMessage(qint16 id, const QString& s1, const QString& s2, const QString& s3, ClientWindows& windows)
{
    try {
        show(id, s1, s2, s3, windows);
    } catch (const RuntimeError&) {
        // A status line that cannot be shown is left out; nothing is reported.
    }
}
