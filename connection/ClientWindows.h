#pragma once
// Everything the server's messages do to windows and to the outside world,
// as one interface. The receive buffer's cutting, the dispatcher and the
// numbered status messages only change the world and connection state
// directly; every other effect goes through this interface, so that they run
// headless under tests and the fuzzer (with a recorder) and with the real
// forms in the program (ui/WindowsBridge).
//
// Message boxes are not part of it: they go through platform::MsgBox, which
// is headless and recordable already.

#include "foundation/RuntimeError.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

class ClientWindows {
public:
    // The rich-text boxes the dispatcher writes into.
    enum class Box {
        GameChat,  // the chat window's "Game Chat" box, txtStatus
        News,      // the news window's box, rtbNews
    };

    virtual ~ClientWindows() = default;

    // ---- text, captions and the chat window's tabs ----
    // Appends text to a box, as AddText does (colour RGB with red in the low byte).
    virtual void AddText(Box box, const QString& text, quint32 colour, bool lineBreak, bool bold,
                         bool secondFont) = 0;
    // The main window's (frmBack's) caption.
    virtual void SetBackCaption(const QString& caption) = 0;
    // The caption of the chat window's selected tab ("Game Chat", ...).
    virtual QString SelectedChatTab() = 0;
    // Puts the unread mark on a chat tab (0 is "Game Chat").
    virtual void MarkChatTabUnread(int tab) = 0;

    // ---- the game socket ----
    // frmMain.Server: frames and sends a command while connected.
    virtual void Server(const QString& ctrlChar, const QString& msg) = 0;

    // ---- the game window's world procedures ----
    // frmMain.Clear_Square: clears ammunition, objects, bots and players on a cell.
    virtual void ClearSquare(qint16 x, qint16 y) = 0;
    // frmMain.LoadMap: loads the map file of that name into the terrain.
    virtual void LoadMap(const QString& mapName) = 0;
    // Loads "Terrain.BMP" / "Winter.BMP" as the terrain strip.
    virtual void LoadTerrainNormal() = 0;
    virtual void LoadTerrainWinter() = 0;
    // Switches frmMain.LightningTimer on.
    virtual void StartLightningTimer() = 0;
    // Recomputes the view around the own position and sends it.
    virtual void UpdateViewport() = 0;

    // ---- chat and the chat window's user list ----
    // Routes one chat message ("c") by its fields.
    virtual void ChatLine(const QStringList& fields) = 0;
    // Gives the buddy mark to the players of that name (empty: removes every mark).
    virtual void MarkWhoListUser(const QString& name) = 0;
    // True while the chat window's user list holds no player.
    virtual bool WhoListEmpty() = 0;
    virtual void WhoListAdd(const QString& name, qint16 slot, qint16 level) = 0;
    virtual void WhoListRemove(const QString& name, qint16 slot) = 0;
    // Asks the server for a fresh who list.
    virtual void SendWhoRefresh() = 0;

    // ---- tool windows (each is loaded, hidden, on first use) ----
    virtual void WhoUpdate(const QString& rawData) = 0;              // frmWho.Update
    virtual void TeamsRecvData(const QString& raw) = 0;              // frmTeams.RecvData
    virtual void SetTeamsStatusText(const QString& text) = 0;        // frmTeams' status bar text
    virtual void Top10ProcessData(const QString& raw) = 0;           // frmTop10.ProcessData
    virtual void Top10ProcessData1(const QString& raw) = 0;          // frmTop10.ProcessData1
    virtual void ShopParseData(const QString& raw) = 0;              // frmShop.ParseShopData
    virtual void ShowShop() = 0;                                     // frmShop shown
    virtual void AliasProcess(const QString& data) = 0;              // frmAlias.ProcessAlias
    virtual void AliasAddNew(const QString& name) = 0;               // frmAlias.AddNew
    virtual void ShowNews() = 0;                                     // frmNews shown, modeless
    virtual void SetGameInfo(const QString& text) = 0;               // frmGame.GameLbl's text

    // ---- the program ----
    // Lets pending window events run once (socket data may arrive meanwhile).
    virtual void DoEvents() = 0;
    // Records an error in the error-log window.
    virtual void AddToLog(const QString& strForm, const QString& strFunction, const ErrObject& err) = 0;
    // Ends the program at once, without saving; the real windows never return.
    virtual void EndProgram() = 0;
};
