#include "DataFiles.h"

#include <QStringList>

namespace assetgen {

namespace {
// Joins lines with CR LF, the line end every Windows-era reader expects.
QByteArray crlf(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines)
        out += line.toLatin1() + "\r\n"; // plain ASCII: the same bytes in Windows-1252
    return out;
}
} // namespace

QByteArray commandList()
{
    return crlf({
        QStringLiteral("Quelvar - typed commands"),
        QStringLiteral("========================"),
        QString(),
        QStringLiteral("Type a line in the input line and press Enter. A line that begins with"),
        QStringLiteral("\"/\" goes to the server exactly as typed, without the \"/\"."),
        QString(),
        QStringLiteral("Chat"),
        QStringLiteral("  c <text>                 talk in the chat"),
        QStringLiteral("  team <text>              talk to your team"),
        QStringLiteral("  TELL <name> <text>       send a private message to a player"),
        QString(),
        QStringLiteral("Playing"),
        QStringLiteral("  fire <x> <y>             fire at a map cell (or right-click the cell)"),
        QStringLiteral("  GET FLAG                 take the flag in a capture-the-flag game"),
        QStringLiteral("  buy <item>               buy an item in the store you stand in"),
        QStringLiteral("  BUY VILE & DUMP VILE GUN & SELL VILE"),
        QStringLiteral("                           reload in one go"),
        QString(),
        QStringLiteral("Walking"),
        QStringLiteral("  Left-click a cell to walk there; left-click yourself to centre the view."),
        QStringLiteral("  With Keypad Movement on, the arrow and keypad keys walk; keypad 5 centres."),
        QStringLiteral("  Hold Shift for the firing pointer."),
        QString(),
        QStringLiteral("Ready state (Options menu)"),
        QStringLiteral("  Not Ready, Ready or Auto-Ready for the next game."),
        QString(),
        QStringLiteral("Tournaments"),
        QStringLiteral("  tourn join <team> <password>"),
        QStringLiteral("  tourn quit"),
        QString(),
        QStringLiteral("Staff"),
        QStringLiteral("  adm <text>               admin command (Auto-Admin prefixes every line)"),
        QStringLiteral("  admi <text>              trainer chat"),
        QStringLiteral("  tourn lock"),
        QStringLiteral("  tourn setgame <team1> <team2>"),
        QStringLiteral("  tourn game <team1> <team2>"),
    });
}

QByteArray designData()
{
    return crlf({QStringLiteral("[INIT]"), QStringLiteral("NumberButtons=20")});
}

QByteArray endpointsIni()
{
    return crlf({
        QStringLiteral("; Addresses of the game's web site and servers; the game's operator sets them."),
        QStringLiteral("[Endpoints]"),
        QStringLiteral("WebHost=http://127.0.0.1"),
        QStringLiteral("SlaveServer=127.0.0.1"),
        QStringLiteral("HomePage=http://127.0.0.1/"),
        QStringLiteral("ForumBase=http://127.0.0.1/forum/"),
        QStringLiteral("Advertising=http://127.0.0.1/"),
    });
}

} // namespace assetgen
