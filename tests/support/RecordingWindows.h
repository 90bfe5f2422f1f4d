#pragma once
// ClientWindows for tests, the fuzzer and the benchmarks: every effect is
// recorded in order and nothing is shown. Header-only and QtCore-only, so the
// fuzz build (which has no widgets) can use it too.
//
// Clear_Square is carried out on the world model, as the game window does,
// so that the dispatcher runs with the world behind it.

#include "connection/ClientWindows.h"
#include "foundation/RuntimeError.h"
#include "world/WorldState.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class RecordingWindows : public ClientWindows {
public:
    struct TextLine {
        Box box = Box::GameChat;
        QString text;
        quint32 colour = 0;
        bool lineBreak = false;
        bool bold = false;
        bool secondFont = false;
    };

    // ---- what happened, in order ----
    // One entry per call: the method's name and its arguments, "|"-separated.
    QStringList calls;
    std::vector<TextLine> lines;
    std::vector<std::pair<QString, QString>> sent;  // Server(ctrl, msg)

    // ---- how the windows answer ----
    QString selectedTab = QStringLiteral("Game Chat");
    bool whoListEmpty = true;
    // Runs inside DoEvents (to let "socket data" arrive mid-batch).
    std::function<void()> onDoEvents;
    // When false, EndProgram only records (the fuzzer goes on).
    bool endThrows = true;
    // When false, nothing is recorded: only the effects on the world and the
    // answers remain (the fuzzer reads no record, and writing it slowed every
    // input down).
    bool keepRecord = true;

    // The texts written into one box.
    QStringList texts(Box box = Box::GameChat) const
    {
        QStringList out;
        for (const TextLine& l : lines)
            if (l.box == box)
                out.append(l.text);
        return out;
    }
    // The calls whose name is `name`.
    QStringList callsTo(const QString& name) const
    {
        QStringList out;
        for (const QString& c : calls)
            if (c == name || c.startsWith(name + QLatin1Char('|')))
                out.append(c);
        return out;
    }
    void clear()
    {
        calls.clear();
        lines.clear();
        sent.clear();
    }

    void AddText(Box box, const QString& text, quint32 colour, bool lineBreak, bool bold, bool secondFont) override
    {
        if (keepRecord)
            lines.push_back({box, text, colour, lineBreak, bold, secondFont});
        record({QStringLiteral("AddText"), box == Box::GameChat ? QStringLiteral("GameChat") : QStringLiteral("News"),
                text});
    }
    void SetBackCaption(const QString& caption) override { record({QStringLiteral("SetBackCaption"), caption}); }
    QString SelectedChatTab() override { return selectedTab; }
    void MarkChatTabUnread(int tab) override { record({QStringLiteral("MarkChatTabUnread"), QString::number(tab)}); }
    void Server(const QString& ctrlChar, const QString& msg) override
    {
        if (keepRecord)
            sent.emplace_back(ctrlChar, msg);
        record({QStringLiteral("Server"), ctrlChar, msg});
    }
    void ClearSquare(qint16 x, qint16 y) override
    {
        record({QStringLiteral("ClearSquare"), QString::number(x), QString::number(y)});
        World& w = world();
        w.MapAmmo.set(x, y, -1);
        w.MapObjects.set(x, y, -1);
        w.MapBots.set(x, y, -1);
        w.MapPlayers.set(x, y, -1);
    }
    void LoadMap(const QString& mapName) override { record({QStringLiteral("LoadMap"), mapName}); }
    void LoadTerrainNormal() override { record({QStringLiteral("LoadTerrainNormal")}); }
    void LoadTerrainWinter() override { record({QStringLiteral("LoadTerrainWinter")}); }
    void StartLightningTimer() override { record({QStringLiteral("StartLightningTimer")}); }
    void UpdateViewport() override { record({QStringLiteral("UpdateViewport")}); }
    void ChatLine(const QStringList& fields) override
    {
        QStringList c{QStringLiteral("ChatLine")};
        c.append(fields);
        record(c);
    }
    void MarkWhoListUser(const QString& name) override { record({QStringLiteral("MarkWhoListUser"), name}); }
    bool WhoListEmpty() override { return whoListEmpty; }
    void WhoListAdd(const QString& name, qint16 slot, qint16 level) override
    {
        record({QStringLiteral("WhoListAdd"), name, QString::number(slot), QString::number(level)});
    }
    void WhoListRemove(const QString& name, qint16 slot) override
    {
        record({QStringLiteral("WhoListRemove"), name, QString::number(slot)});
    }
    void SendWhoRefresh() override { record({QStringLiteral("SendWhoRefresh")}); }
    void WhoUpdate(const QString& rawData) override { record({QStringLiteral("WhoUpdate"), rawData}); }
    void TeamsRecvData(const QString& raw) override { record({QStringLiteral("TeamsRecvData"), raw}); }
    void SetTeamsStatusText(const QString& text) override { record({QStringLiteral("SetTeamsStatusText"), text}); }
    void Top10ProcessData(const QString& raw) override { record({QStringLiteral("Top10ProcessData"), raw}); }
    void Top10ProcessData1(const QString& raw) override { record({QStringLiteral("Top10ProcessData1"), raw}); }
    void ShopParseData(const QString& raw) override { record({QStringLiteral("ShopParseData"), raw}); }
    void ShowShop() override { record({QStringLiteral("ShowShop")}); }
    void AliasProcess(const QString& data) override { record({QStringLiteral("AliasProcess"), data}); }
    void AliasAddNew(const QString& name) override { record({QStringLiteral("AliasAddNew"), name}); }
    void ShowNews() override { record({QStringLiteral("ShowNews")}); }
    void SetGameInfo(const QString& text) override { record({QStringLiteral("SetGameInfo"), text}); }
    void DoEvents() override
    {
        record({QStringLiteral("DoEvents")});
        if (onDoEvents)
            onDoEvents();
    }
    void AddToLog(const QString& strForm, const QString& strFunction, const ErrObject& err) override
    {
        record({QStringLiteral("AddToLog"), strForm, strFunction, QString::number(err.Number), err.Description});
    }
    void EndProgram() override
    {
        record({QStringLiteral("EndProgram")});
        if (endThrows)
            End();
    }

private:
    void record(const QStringList& parts)
    {
        if (keepRecord)
            calls.append(parts.join(QLatin1Char('|')));
    }
};
