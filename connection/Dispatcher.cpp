#include "connection/Dispatcher.h"

#include "connection/ClientWindows.h"
#include "connection/ConnectionState.h"
#include "connection/Frame.h"
#include "connection/ServerMessages.h"
#include "foundation/Ansi.h"
#include "foundation/Convert.h"
#include "foundation/OptionsState.h"
#include "foundation/SettingsState.h"
#include "foundation/Utilities.h"
#include "platform/Services.h"
#include "world/MapFile.h"
#include "world/WorldModel.h"
#include "world/WorldState.h"


namespace {

using Box = ClientWindows::Box;
constexpr quint32 kRed = 255;

bool g_batchRunning = false;

// A field that the message does not have is out of range, like any index.
const QByteArray& field(const ServerMessage& m, int index)
{
    if (index >= m.Fields.size())
        Raise(errSubscriptOutOfRange);
    return m.Fields[index];
}

QString text(const ServerMessage& m, int index) { return FromAnsi(field(m, index)); }

qint16 smallNumber(const QByteArray& f, int index) { return static_cast<qint16>(SmallNumberValue(f, index)); }

Point2 cellOf(const QByteArray& f) { return Point2{smallNumber(f, 0), smallNumber(f, 1)}; }

// "Map <name><suffix> was not found!" unless the map file exists, in which
// case it is loaded.
void loadMapOrComplain(ClientWindows& w, const QString& suffix)
{
    const QString name = world().MapName;
    if (MapFileExists(name))
        w.LoadMap(name);
    else
        w.AddText(Box::GameChat, QStringLiteral("Map ") + name + suffix + QStringLiteral(" was not found!"), kRed,
                  true, true, false);
}

void aliasReply(const ServerMessage& m, ClientWindows& w)
{
    const QString title = QStringLiteral("Alias Console");
    switch (smallNumber(field(m, 0), 0)) {
    case 0: {
        // The alias text may hold NULs of its own (a saved alias is its name,
        // NUL, its commands); cutting the message into fields split it there.
        QByteArray payload = field(m, 1);
        for (int i = 2; i < m.Fields.size(); ++i)
            payload.append('\0').append(m.Fields[i]);
        w.AliasProcess(FromAnsi(payload));
        break;
    }
    case 1: {
        const QString payload = text(m, 1);
        if (StrEqual(payload, QStringLiteral("X"), 1))
            platform::MsgBox(QStringLiteral("Sorry, you have reached your limit of Alias'"), platform::vbInformation,
                             title);
        else
            w.AliasAddNew(payload);
        break;
    }
    case 2: {
        // The reply names the alias that went; without a name nothing did.
        const QString name = text(m, 1);
        platform::MsgBox(name + (name.isEmpty() ? QStringLiteral(" was failed to be removed.")
                                                : QStringLiteral(" was sucessfully removed.")),
                         platform::vbInformation, title);
        break;
    }
    default:
        break;
    }
}

void whoEntry(const ServerMessage& m, ClientWindows& w)
{
    if (CDbl(text(m, 0)) == 0) {
        const QString name = text(m, 1);
        w.WhoListRemove(name, CInt(text(m, 2)));
    } else {
        const QString name = text(m, 2);
        const qint16 slot = CInt(text(m, 1));
        w.WhoListAdd(name, slot, CInt(Val(text(m, 3))));
    }
}

void serverMessage(const ServerMessage& m, ClientWindows& w)
{
    const int count = static_cast<int>(m.Fields.size());
    if (count > 3)
        return;
    const QByteArray& f0 = m.Fields[0];
    const qint16 id = smallNumber(f0, 0);
    const QString s1 = FromAnsi(f0.mid(1));
    ShowServerMessage(id, s1, count >= 2 ? text(m, 1) : QString(), count >= 3 ? text(m, 2) : QString(), w);
}

void ownPosition(const QByteArray& f0, ClientWindows& w)
{
    const qint16 x = smallNumber(f0, 0);
    const qint16 y = smallNumber(f0, 1);
    const qint16 slot = smallNumber(f0, 2);
    World& wd = world();
    // The view follows the player only on an axis it was centred on.
    if (wd.ViewCenterX == wd.Pos.X)
        wd.ViewCenterX = x;
    if (wd.ViewCenterY == wd.Pos.Y)
        wd.ViewCenterY = y;
    wd.Pos = Point2{x, y};
    SetPlayerOnMap(wd.Pos, slot, 1);

    Connection& c = connection();
    for (int i = 0; i <= 3; ++i) {
        const Shop& shop = wd.Shops[i];
        if (shop.X == wd.Pos.X && shop.Y == wd.Pos.Y && !c.InBuilding) {
            w.AddText(Box::GameChat, QStringLiteral("You Enter The ") + shop.Name + QStringLiteral("!"), kRed, true,
                      true, false);
            c.InBuilding = true;
            if (options().AutoOpenShops == 255) {
                w.ShowShop();
                w.Server(QStringLiteral("l"), QString());
            }
            return;
        }
        if (i == 3 && c.InBuilding)
            c.InBuilding = false;
    }
}

void playerStatus(const ServerMessage& m, ClientWindows& w)
{
    Connection& c = connection();
    const qint16 level = smallNumber(field(m, 0), 0);
    if (level >= 80)
        c.bIsAdmin = true;
    c.UserLevel = level;
    const QString money = text(m, 1);
    if (money.isEmpty())
        return;
    if (Fix(CDbl(money)) > 0)
        c.Money = CLng(money);
    w.SetBackCaption(QStringLiteral("Quelvar  - [") + c.UserName + QStringLiteral("]  - [$") +
                     QString::number(c.Money) + QStringLiteral("]"));
}

void moneyUpdate(const ServerMessage& m, ClientWindows& w)
{
    Connection& c = connection();
    c.Money = CLng(Int(CDbl(text(m, 0))));
    w.SetBackCaption(QStringLiteral("Quelvar - [") + c.UserName + QStringLiteral("]  - [$") +
                     QString::number(c.Money) + QStringLiteral("]"));
}

void worldSetting(const ServerMessage& m, ClientWindows& w)
{
    const QByteArray& selector = field(m, 0);
    Connection& c = connection();
    if (selector == "0") {
        const QByteArray& v = field(m, 1);
        if (v == "0")
            c.TimeOfDay = 1;
        else if (v == "1")
            c.TimeOfDay = 2;
        else if (v == "2")
            c.TimeOfDay = 3;
    } else if (selector == "1") {
        const QByteArray& v = field(m, 1);
        if (v == "0")
            w.LoadTerrainNormal();
        else if (v == "1")
            w.LoadTerrainWinter();
    } else if (selector == "2") {
        c.Lightning = CBool(text(m, 1));
        if (c.Lightning)
            w.StartLightningTimer();
    }
}

} // namespace

void DispatchMessage(const ServerMessage& m, ClientWindows& w)
{
    World& wd = world();
    switch (m.Command) {
    case 'a': aliasReply(m, w); break;
    case 'b': ClearMarkLayer(); break;
    case 'c': {
        QStringList fields;
        for (const QByteArray& f : m.Fields)
            fields.append(FromAnsi(f));
        w.ChatLine(fields);
        break;
    }
    case 'C': {
        const Point2 p = cellOf(field(m, 0));
        w.ClearSquare(p.X, p.Y);
        break;
    }
    case 'd': w.Server(QStringLiteral("d"), QString()); break;
    case 'D':
        w.ShowNews();
        w.AddText(Box::News, text(m, 0), 0, true, true, false);
        break;
    case 'E':
    case 'F': {
        const QByteArray& f0 = field(m, 0);
        Point2 p = cellOf(f0);
        const qint16 slot = smallNumber(f0, 2);
        SetPlayerOnMap(p, slot, m.Command == 'E' ? 2 : 3);
        break;
    }
    case 'f': {
        const QByteArray& f0 = field(m, 0);
        Point2 p = cellOf(f0);
        DrawCTFObject(p, smallNumber(f0, 2));
        break;
    }
    case 'g': {
        const QByteArray& f0 = field(m, 0);
        MarkRectangle(smallNumber(f0, 0), smallNumber(f0, 1), smallNumber(f0, 2), smallNumber(f0, 3));
        break;
    }
    case 'G': w.SetGameInfo(text(m, 0)); break;
    case 'Q': w.Top10ProcessData(text(m, 0)); break;
    case 'Z':
    case '@': w.Top10ProcessData1(text(m, 0)); break;
    case 'i': break;
    case 'l': w.ShopParseData(text(m, 0)); break;
    case 'L': whoEntry(m, w); break;
    case 'm':
        if (field(m, 0) == "0") {
            wd.MapName = text(m, 1);
            loadMapOrComplain(w, QStringLiteral(".map"));
        }
        break;
    case 'M': serverMessage(m, w); break;
    case 'o': {
        const QByteArray& f0 = field(m, 0);
        Point2 p = cellOf(f0);
        const qint16 layer = smallNumber(f0, 2);
        const qint16 value = smallNumber(f0, 3);
        if (layer != 2)
            w.ClearSquare(p.X, p.Y);
        SetMapCell(p, layer, value);
        break;
    }
    case 'P': ownPosition(field(m, 0), w); break;
    case 'S': ClearSplatLayer(); break;
    case 's': break;
    case 'z': break;
    case 't':
        switch (smallNumber(field(m, 0), 0)) {
        case 0: connection().TeamName = text(m, 1); break;
        case 1: w.TeamsRecvData(text(m, 1)); break;
        default: break;
        }
        break;
    case 'U': w.UpdateViewport(); break;
    case 'v': playerStatus(m, w); break;
    case 'V': moneyUpdate(m, w); break;
    case 'w':
        if (!field(m, 0).isEmpty())
            w.WhoUpdate(text(m, 0));
        break;
    case 'p': w.SendWhoRefresh(); break;
    case 'W': worldSetting(m, w); break;
    case '#':
        platform::MsgBox(QStringLiteral("Error notification from server! ") + text(m, 0), platform::vbOKOnly,
                         QStringLiteral("Quelvar"));
        break;
    case '?':
        wd.MapName = text(m, 1);
        if (!wd.MapName.isEmpty())
            loadMapOrComplain(w, QString());
        break;
    default:
        break;
    }
}

bool BatchRunning() { return g_batchRunning; }

bool ProcessBatch(ClientWindows& w)
{
    // Handlers let events run (tab marks, message boxes, windows loading); a
    // frame tick meanwhile must not start a second batch, which would handle
    // newer messages before the rest of this one.
    if (g_batchRunning)
        return false;
    struct Running {
        Running() { g_batchRunning = true; }
        ~Running() { g_batchRunning = false; }
    } running;

    bool reported = false;
    CutBatch(w, [&](const ServerMessage& m) {
        try {
            DispatchMessage(m, w);
        } catch (const RuntimeError& e) {
            // One bad message costs only itself: the rest of the batch goes on.
            w.AddToLog(QStringLiteral("frmMain"), QStringLiteral("ProcessData"), e.err());
            if (!reported) {
                reported = true;
                platform::MsgBox(QStringLiteral("Error occured in ProcessData()\r\nErrNum# ") +
                                     QString::number(e.number()) + QStringLiteral(", ") + e.description(),
                                 platform::vbOKOnly | platform::vbExclamation, QStringLiteral("Quelvar"));
            }
        }
    });
    return true;
}
