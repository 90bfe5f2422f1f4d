#pragma once
// The game window: the map view, the menu bar through which the user reaches
// every tool window and option, the game's command buttons, the frame and
// overview timers and the two sockets to the game server.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>
#include <array>
#include <vector>

class CheckItem;

class frmMain : public Form<QMdiSubWindow> {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // ---- controls ----
    QWidget* content;        // the window's inner area
    PictureBox* picMap;      // the map view
    QPushButton* cmdConnect;
    QPushButton* cmdReload;
    QPushButton* Command1;
    QPushButton* Command2;
    std::array<QPushButton*, 22> cmdAlias{};
    QComboBox* txtSend;      // below the visible area; typing into it sends nothing

    QTimer* DXTimer;         // the frame timer, 32 ms
    QTimer* Timer1;          // the overview timer, 15 s
    QTimer* LightningTimer;  // 10 s

    QTcpSocket* Wsk;         // the game socket
    QTcpSocket* WskUsers;    // the user-list socket

    // ---- menus ----
    QMenu* mnuFile;
    QAction* mnuFileConnect;
    QAction* mnuFileBar0;
    QAction* mnuUpdate;
    QAction* mnuFileBar3;
    QAction* mnuFileExit;

    QMenu* mnuView;
    QAction* mnuViewBuy;
    QAction* mnuViewWho;
    QAction* mnuIgnoreList;
    QAction* mnuRanks;
    QAction* mnuSatellite;
    QAction* mnuViewAlias;
    QAction* mnuTourn;
    QAction* mnuViewTeam;
    QAction* mnuGameInfo;
    QAction* mnuViewTop;

    QMenu* mnuCommands;
    QAction* mnuCommandScreen;
    QAction* mnuCmdLst;
    QAction* mnuClearWindow;

    QMenu* mnuOptions;
    QMenu* mnuOptionsReady;   // "&Status", also the window list
    QMenu* mnuReadyStatus;
    QAction* mnuOptionsReadyNot;
    QAction* mnuOptionsReadyYes;
    QAction* mnuOptionsReadyAuto;
    QAction* mnuOptionsZoom;
    QMenu* mnuOptionSkins;
    QAction* mnuOptionsSkinsApply;
    QAction* mnuOptionSkinsSave;
    QAction* mnuOptionSkinsRemove;
    QAction* mnuKeyMove;
    QAction* mnuOptionsTags;
    QAction* mnuOptionLangFilter;
    QAction* mnuOptionsChat;
    QAction* mnuOptionsScroll;
    QAction* mnuLine3;
    QAction* mnuOptionsSound;
    QAction* mnuOptionsGeneral;
    QAction* mnuSplit3;
    QAction* mnuOptionLoginIgnore;
    QAction* mnuOptionSplatIgnore;

    QMenu* mnuForum;
    QAction* mnuGeneral;
    QAction* mnuSales;
    QAction* mnuSupport;

    QMenu* mnuAdmin;
    QAction* mnuOptionsAdmin;
    QAction* mnuFileBar2;
    QAction* mnuerrorlog;
    QAction* mnuLoadMap;
    QAction* FileBar8;
    QAction* mnuLogAll;
    QAction* mnuLogChatter;

    QMenu* mnuHelp;
    QAction* mnuHelpContents;
    QAction* mnuHelpNews;
    QAction* mnuBasic;
    QAction* mnuCommandList;
    QAction* mnuhomepage;
    QAction* mnuHelpAbout;

    QMenu* mnuMisc;
    QAction* mnuMiscIgnore;
    QAction* mnuMiscTell;
    QAction* mnuMiscEnlist;

    // The menus of the menu bar, in order; the main window shows them while
    // this window is the active child.
    std::vector<QMenu*> menuBarMenus() const;

    // ---- public procedures ----
    // Frames a command and sends it while the game socket is connected.
    void Server(const QString& CtrlChar, const QString& Msg);
    // Loads the map file of that name into the terrain.
    void LoadMap(QString& MapID);
    // Clears ammunition, objects, bots and players on one cell.
    void Clear_Square(qint16& X, qint16& Y);
    // One batch of the receive buffer: cuts it into messages and dispatches them.
    void ProcessData();

    // ---- sockets ----
    void Wsk_Connect();
    void Wsk_DataArrival(qint64 bytesTotal);
    void Wsk_Close();
    void Wsk_Error(int Number, const QString& Description);
    void WskUsers_Connect();
    void WskUsers_DataArrival(qint64 bytesTotal);

    // ---- timers and the map view ----
    void DXTimer_Timer();
    void Timer1_Timer();
    void LightningTimer_Timer();
    void picMap_MouseDown(int Button, int Shift, float X, float Y);
    void picMap_MouseUp(int Button, int Shift, float X, float Y);

    // ---- buttons ----
    void cmdConnect_Click();
    void cmdReload_Click();
    void Command1_Click();
    void Command2_Click();
    void cmdAlias_Click(int Index);
    void cmdAlias_MouseDown(int Index, int Button, int Shift, float X, float Y);

    // ---- window events ----
    void Form_Load() override;
    void Form_Resize();

    // ---- menu handlers ----
    void mnuFileConnect_Click();
    void mnuFileExit_Click();
    void mnuViewBuy_Click();
    void mnuViewWho_Click();
    void mnuIgnoreList_Click();
    void mnuRanks_Click();
    void mnuSatellite_Click();
    void mnuViewAlias_Click();
    void mnuTourn_Click();
    void mnuViewTeam_Click();
    void mnuGameInfo_Click();
    void mnuViewTop_Click();
    void mnuCommandScreen_Click();
    void mnuCmdLst_Click();
    void mnuClearWindow_Click();
    void mnuOptionsReadyNot_Click();
    void mnuOptionsReadyYes_Click();
    void mnuOptionsReadyAuto_Click();
    void mnuOptionsZoom_Click();
    void mnuOptionsSkinsApply_Click();
    void mnuOptionSkinsSave_Click();
    void mnuOptionSkinsRemove_Click();
    void mnuKeyMove_Click();
    void mnuOptionsTags_Click();
    void mnuOptionLangFilter_Click();
    void mnuOptionsChat_Click();
    void mnuOptionsScroll_Click();
    void mnuOptionsSound_Click();
    void mnuOptionsGeneral_Click();
    void mnuOptionLoginIgnore_Click();
    void mnuOptionSplatIgnore_Click();
    void mnuGeneral_Click();
    void mnuSales_Click();
    void mnuSupport_Click();
    void mnuOptionsAdmin_Click();
    void mnuerrorlog_Click();
    void mnuLoadMap_Click();
    void mnuLogAll_Click();
    void mnuLogChatter_Click();
    void mnuHelpContents_Click();
    void mnuHelpNews_Click();
    void mnuBasic_Click();
    void mnuCommandList_Click();
    void mnuhomepage_Click();
    void mnuHelpAbout_Click();

protected:
    bool unloadOnClose() const override { return false; }
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    void connectMenuHandlers();  // frmMain_Menus.cpp
    void connectButtons();       // frmMain_Menus.cpp
    void connectSockets();       // frmMain_Sockets.cpp
    void connectMapView();       // frmMain_Map.cpp
    // Shows an option's check mark on its menu item and keeps the two equal.
    void bindCheck(QAction* action, CheckItem& item);

    std::vector<QMenu*> menuBar_;

    // ---- menus and buttons (frmMain_Menus.cpp) ----
    // The "&Status" submenu lists the main window's child windows at its end.
    void refreshWindowList();
    std::vector<QAction*> windowListItems_;

    // ---- the server's close during a batch (frmMain_Sockets.cpp, frmMain_Data.cpp) ----
    // Set when the server closed the connection while a batch let events
    // run; the close is handled once that batch has ended.
    bool closeAfterBatch_ = false;
};
