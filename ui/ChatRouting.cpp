#include "ui/ChatRouting.h"

#include "connection/ConnectionState.h"
#include "foundation/ChatLog.h"
#include "foundation/Convert.h"
#include "foundation/MenuState.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/TextOutput.h"
#include "platform/Services.h"
#include "ui/IgnoreList.h"
#include "ui/ServerSend.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmPM.h"
#include "world/WorldState.h"

namespace {
constexpr qint32 kAllLog = 0;
constexpr qint32 kChatterLog = 1;

// Marks a tab unread unless it is the selected one; a line for the tab on
// view lets pending window events run once instead.
void MarkTab(frmChat& chat, int tab, const char* caption)
{
    if (chat.SSTab1Caption() == QLatin1String(caption))
        DoEvents();
    else
        chat.MarkTabUnread(tab);
}

void LogAll(const QString& text)
{
    if (optionMenus().mnuLogAll.Checked())
        WriteLog(text, kAllLog);
}

// A sender part followed by the message on the same line.
void WriteLine(RichTextBox& box, const QString& sender, quint32 senderColour, bool senderStyle, const QString& text,
               quint32 textColour)
{
    AddText(sender, box, senderColour, false, senderStyle, senderStyle);
    AddText(text, box, textColour, true, false, false);
}

void WritePrivate(frmPM& pm, const QString& sender, const QString& text)
{
    const ColourSet& tell = settings().TellColour;
    AddText(sender, *pm.MessageTxt, tell.Dark, false, true, true);
    AddText(text, *pm.MessageTxt, tell.Light, true, false, false);
    pm.noteActivity();
    pm.Show();
}
} // namespace

void RouteChatLine(const QStringList& fields)
{
    const QString name = fields.value(0);
    QString text;
    qint16 kind = StatusText;
    if (fields.size() >= 3) {
        text = fields.at(1);
        kind = CInt(fields.at(2));
    } else {
        // A short message shows its own text, never an earlier line's.
        text = fields.value(1);
    }

    if (kind < GlobalChat || kind > AdminChat) {
        platform::MsgBox(QStringLiteral("Communication data incorrect:") + name + QLatin1Char(',') + text +
                             QLatin1Char(',') + QString::number(kind),
                         platform::vbOKOnly, QStringLiteral("Quelvar"));
        return;
    }
    if (kind <= TellEcho && IsIgnored(name))
        return;

    const Settings& s = settings();
    const bool boldNames = s.BoldNames;
    frmChat& chat = Forms::get<frmChat>();

    switch (kind) {
    case GlobalChat: {
        const QString sender = QLatin1Char('[') + CurrentTimeText() + QStringLiteral("] ") + name +
                               QStringLiteral(" chats: ");
        std::vector<RichTextBox*> targets{chat.txtGlobal, chat.txtHelp};
        if (options().ShowChatInGame)
            targets.push_back(chat.txtStatus);
        for (RichTextBox* box : targets)
            WriteLine(*box, sender, 0, boldNames, text, 0);
        MarkTab(chat, 1, "Global Chat");
        const QString logText = name + QStringLiteral(" chats:") + text;
        if (optionMenus().mnuLogChatter.Checked())
            WriteLog(logText, kChatterLog);
        LogAll(logText);
        break;
    }
    case Emote:
        AddText(name + QLatin1Char(' ') + text, *chat.txtStatus, RGB(75, 75, 10), true, false, false);
        break;
    case Tell:
        WritePrivate(PMWindowFor(name), name + QStringLiteral(": "), text);
        break;
    case TellEcho: {
        // The echo of an own tell belongs to the conversation with its
        // partner, so the next reply there goes to the same player. Only
        // without one does the first window take it, under the partner's name.
        frmPM* pm = PMWindowNamed(name);
        if (!pm) {
            pm = &PMWindow(kPMFirst);
            if (pm->Caption() != name)
                pm->setCaption(name);
        }
        WritePrivate(*pm, QStringLiteral("You say: "), text);
        break;
    }
    case SystemNotice:
    case SystemText:
        AddText(text, *chat.txtStatus, 0, true, false, false);
        world().LastStatusText = text;
        ServerSend(QStringLiteral("w"), QString());
        break;
    case Announce:
        WriteLine(*chat.txtStatus, name + QStringLiteral(" announces:"), s.AnnounceColour.Dark, boldNames, text,
                  s.AnnounceColour.Light);
        LogAll(name + QStringLiteral(" announces:") + text);
        break;
    case TeamChat:
        WriteLine(*chat.txtTeam, name + QStringLiteral(": "), s.PlanColour.Dark, boldNames, text, s.PlanColour.Light);
        LogAll(name + QStringLiteral(" team plans:") + text);
        MarkTab(chat, 4, "Team Chat");
        break;
    case GamePlan:
        WriteLine(*chat.txtStatus, name + QStringLiteral(" game plans:"), RGB(20, 70, 70), boldNames, text,
                  RGB(40, 140, 140));
        LogAll(name + QStringLiteral(" game plans:") + text);
        break;
    case StatusText:
        Forms::get<frmBack>().StatBar->setPanel(2, text);
        break;
    case AdminChat:
        if (connection().bIsAdmin) {
            MarkTab(chat, 3, "Trainer");
            WriteLine(*chat.txtTrainer, name + (boldNames ? QStringLiteral(": ") : QStringLiteral(" :")),
                      RGB(0, 80, 100), boldNames, text, RGB(0, 160, 200));
        } else {
            AddText(text, *chat.txtTrainer, RGB(0, 160, 200), true, false, false);
        }
        LogAll(name + QStringLiteral(" Admin chats:") + text);
        break;
    default:
        break;
    }
}
