#include "ui/frmMain.h"

// The game window's menu handlers.

void frmMain::connectMenuHandlers()
{
    connect(mnuFileConnect, &QAction::triggered, this, &frmMain::mnuFileConnect_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(mnuViewBuy, &QAction::triggered, this, &frmMain::mnuViewBuy_Click);
    connect(mnuViewWho, &QAction::triggered, this, &frmMain::mnuViewWho_Click);
    connect(mnuIgnoreList, &QAction::triggered, this, &frmMain::mnuIgnoreList_Click);
    connect(mnuRanks, &QAction::triggered, this, &frmMain::mnuRanks_Click);
    connect(mnuSatellite, &QAction::triggered, this, &frmMain::mnuSatellite_Click);
    connect(mnuViewAlias, &QAction::triggered, this, &frmMain::mnuViewAlias_Click);
    connect(mnuTourn, &QAction::triggered, this, &frmMain::mnuTourn_Click);
    connect(mnuViewTeam, &QAction::triggered, this, &frmMain::mnuViewTeam_Click);
    connect(mnuGameInfo, &QAction::triggered, this, &frmMain::mnuGameInfo_Click);
    connect(mnuViewTop, &QAction::triggered, this, &frmMain::mnuViewTop_Click);
    connect(mnuCommandScreen, &QAction::triggered, this, &frmMain::mnuCommandScreen_Click);
    connect(mnuCmdLst, &QAction::triggered, this, &frmMain::mnuCmdLst_Click);
    connect(mnuClearWindow, &QAction::triggered, this, &frmMain::mnuClearWindow_Click);
    connect(mnuOptionsReadyNot, &QAction::triggered, this, &frmMain::mnuOptionsReadyNot_Click);
    connect(mnuOptionsReadyYes, &QAction::triggered, this, &frmMain::mnuOptionsReadyYes_Click);
    connect(mnuOptionsReadyAuto, &QAction::triggered, this, &frmMain::mnuOptionsReadyAuto_Click);
    connect(mnuOptionsZoom, &QAction::triggered, this, &frmMain::mnuOptionsZoom_Click);
    connect(mnuOptionsSkinsApply, &QAction::triggered, this, &frmMain::mnuOptionsSkinsApply_Click);
    connect(mnuOptionSkinsSave, &QAction::triggered, this, &frmMain::mnuOptionSkinsSave_Click);
    connect(mnuOptionSkinsRemove, &QAction::triggered, this, &frmMain::mnuOptionSkinsRemove_Click);
    connect(mnuKeyMove, &QAction::triggered, this, &frmMain::mnuKeyMove_Click);
    connect(mnuOptionsTags, &QAction::triggered, this, &frmMain::mnuOptionsTags_Click);
    connect(mnuOptionLangFilter, &QAction::triggered, this, &frmMain::mnuOptionLangFilter_Click);
    connect(mnuOptionsChat, &QAction::triggered, this, &frmMain::mnuOptionsChat_Click);
    connect(mnuOptionsScroll, &QAction::triggered, this, &frmMain::mnuOptionsScroll_Click);
    connect(mnuOptionsSound, &QAction::triggered, this, &frmMain::mnuOptionsSound_Click);
    connect(mnuOptionsGeneral, &QAction::triggered, this, &frmMain::mnuOptionsGeneral_Click);
    connect(mnuOptionLoginIgnore, &QAction::triggered, this, &frmMain::mnuOptionLoginIgnore_Click);
    connect(mnuOptionSplatIgnore, &QAction::triggered, this, &frmMain::mnuOptionSplatIgnore_Click);
    connect(mnuGeneral, &QAction::triggered, this, &frmMain::mnuGeneral_Click);
    connect(mnuSales, &QAction::triggered, this, &frmMain::mnuSales_Click);
    connect(mnuSupport, &QAction::triggered, this, &frmMain::mnuSupport_Click);
    connect(mnuOptionsAdmin, &QAction::triggered, this, &frmMain::mnuOptionsAdmin_Click);
    connect(mnuerrorlog, &QAction::triggered, this, &frmMain::mnuerrorlog_Click);
    connect(mnuLoadMap, &QAction::triggered, this, &frmMain::mnuLoadMap_Click);
    connect(mnuLogAll, &QAction::triggered, this, &frmMain::mnuLogAll_Click);
    connect(mnuLogChatter, &QAction::triggered, this, &frmMain::mnuLogChatter_Click);
    connect(mnuHelpContents, &QAction::triggered, this, &frmMain::mnuHelpContents_Click);
    connect(mnuHelpNews, &QAction::triggered, this, &frmMain::mnuHelpNews_Click);
    connect(mnuBasic, &QAction::triggered, this, &frmMain::mnuBasic_Click);
    connect(mnuCommandList, &QAction::triggered, this, &frmMain::mnuCommandList_Click);
    connect(mnuhomepage, &QAction::triggered, this, &frmMain::mnuhomepage_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
}

void frmMain::mnuFileConnect_Click() {}
void frmMain::mnuFileExit_Click() {}
void frmMain::mnuViewBuy_Click() {}
void frmMain::mnuViewWho_Click() {}
void frmMain::mnuIgnoreList_Click() {}
void frmMain::mnuRanks_Click() {}
void frmMain::mnuSatellite_Click() {}
void frmMain::mnuViewAlias_Click() {}
void frmMain::mnuTourn_Click() {}
void frmMain::mnuViewTeam_Click() {}
void frmMain::mnuGameInfo_Click() {}
void frmMain::mnuViewTop_Click() {}
void frmMain::mnuCommandScreen_Click() {}
void frmMain::mnuCmdLst_Click() {}
void frmMain::mnuClearWindow_Click() {}
void frmMain::mnuOptionsReadyNot_Click() {}
void frmMain::mnuOptionsReadyYes_Click() {}
void frmMain::mnuOptionsReadyAuto_Click() {}
void frmMain::mnuOptionsZoom_Click() {}
void frmMain::mnuOptionsSkinsApply_Click() {}
void frmMain::mnuOptionSkinsSave_Click() {}
void frmMain::mnuOptionSkinsRemove_Click() {}
void frmMain::mnuKeyMove_Click() {}
void frmMain::mnuOptionsTags_Click() {}
void frmMain::mnuOptionLangFilter_Click() {}
void frmMain::mnuOptionsChat_Click() {}
void frmMain::mnuOptionsScroll_Click() {}
void frmMain::mnuOptionsSound_Click() {}
void frmMain::mnuOptionsGeneral_Click() {}
void frmMain::mnuOptionLoginIgnore_Click() {}
void frmMain::mnuOptionSplatIgnore_Click() {}
void frmMain::mnuGeneral_Click() {}
void frmMain::mnuSales_Click() {}
void frmMain::mnuSupport_Click() {}
void frmMain::mnuOptionsAdmin_Click() {}
void frmMain::mnuerrorlog_Click() {}
void frmMain::mnuLoadMap_Click() {}
void frmMain::mnuLogAll_Click() {}
void frmMain::mnuLogChatter_Click() {}
void frmMain::mnuHelpContents_Click() {}
void frmMain::mnuHelpNews_Click() {}
void frmMain::mnuBasic_Click() {}
void frmMain::mnuCommandList_Click() {}
void frmMain::mnuhomepage_Click() {}
void frmMain::mnuHelpAbout_Click() {}

void frmMain::connectButtons() {}
void frmMain::cmdConnect_Click() {}
void frmMain::cmdReload_Click() {}
void frmMain::Command1_Click() {}
void frmMain::Command2_Click() {}
void frmMain::cmdAlias_Click(int) {}
void frmMain::cmdAlias_MouseDown(int, int, int, float, float) {}
