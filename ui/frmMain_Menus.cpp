#include "ui/frmMain.h"

// The game window's menu handlers, its buttons, the exit procedure and its
// Connect command.

#include "community/frmGame.h"
#include "community/frmNews.h"
#include "community/frmRanks.h"
#include "community/frmShop.h"
#include "community/frmTeams.h"
#include "community/frmTop10.h"
#include "community/frmTourn.h"
#include "community/frmWho.h"
#include "connection/frmConnect.h"
#include "foundation/MenuState.h"
#include "foundation/ProgramLinks.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/Services.h"
#include "ui/Focus.h"
#include "ui/InputCodes.h"
#include "ui/ServerSend.h"
#include "ui/frmAbout.h"
#include "ui/frmAlias.h"
#include "ui/frmBack.h"
#include "ui/frmBtnEdit.h"
#include "ui/frmChat.h"
#include "ui/frmCmd.h"
#include "ui/frmIgnore.h"
#include "ui/frmOptions.h"
#include "ui/frmSound.h"
#include "world/Viewport.h"
#include "world/WorldReset.h"
#include "world/WorldState.h"
#include "world/frmMaps.h"
#include "world/frmOverview.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
bool loggedIn() { return Forms::get<frmBack>().StatBar->Panel(1) == QLatin1String("Logged In"); }

void toggle(CheckItem& item) { item.setChecked(!item.Checked()); }

// Runs a handler that records its run-time errors in the error log and ends.
template <class F>
void logErrors(const char* handler, F&& body)
{
    try {
        body();
    } catch (const RuntimeError& e) {
        AddToLog(QStringLiteral("frmMain"), QLatin1String(handler), e.err());
    }
}

void openForumPage(const char* page)
{
    platform::services().openUrl(platform::endpoints().forumBase + QLatin1String(page));
}

// The help file is opened by the desktop when it lies beside the program.
void showHelpFile()
{
    const QString folder = platform::programFolder();
    const QString file = folder + QStringLiteral("/QUELVAR.hlp");
    if (QFileInfo::exists(file))
        platform::services().shellExecute(QStringLiteral("Open"), file, QString(), folder, 1);
    else
        platform::MsgBox(QStringLiteral("The help file QUELVAR.hlp was not found."),
                         platform::vbOKOnly | platform::vbExclamation);
}
} // namespace

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
    connect(mnuOptionsReady, &QMenu::aboutToShow, this, &frmMain::refreshWindowList);
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

// ---- File ----

void frmMain::mnuFileConnect_Click()
{
    if (mnuFileConnect->text() == QLatin1String("Connect")) {
        Forms::get<frmConnect>().Show();
        return;
    }
    // The caption of this window's own Connect button stays as it is.
    Forms::get<frmBack>().DisconnectSteps(mnuFileConnect);
}

void frmMain::mnuFileExit_Click()
{
    if (Wsk->state() == QAbstractSocket::ConnectedState) {
        platform::MsgBox(QStringLiteral("Disconnect Before Exiting Quelvar!"), platform::vbOKOnly);
        return;
    }
    ServerSend(QStringLiteral("d"), QString());
    DoEvents();
    ResetWorld();
    CloseGameSocket();
    LinkedSaveSettings();
}

// ---- View ----

void frmMain::mnuViewBuy_Click()
{
    logErrors("mnuViewBuy_Click", [] { Forms::get<frmShop>().Show(); });
}

void frmMain::mnuViewWho_Click()
{
    frmWho& who = Forms::get<frmWho>();
    who.Show();
    ServerSend(QStringLiteral("w"), QString());
    who.StatusBar1->setSimpleText(QStringLiteral("Updating Please wait..."));
}

void frmMain::mnuIgnoreList_Click() { Forms::get<frmIgnore>().Show(); }
void frmMain::mnuRanks_Click() { Forms::get<frmRanks>().Show(); }
void frmMain::mnuSatellite_Click() { Forms::get<frmOverview>().Show(); }

void frmMain::mnuViewAlias_Click()
{
    logErrors("mnuViewAlias_Click", [] { Forms::get<frmAlias>().Show(); });
}

void frmMain::mnuTourn_Click() { Forms::get<frmTourn>().Show(); }
void frmMain::mnuViewTeam_Click() { Forms::get<frmTeams>().Show(); }

void frmMain::mnuGameInfo_Click() { Forms::get<frmGame>().Show(); }

void frmMain::mnuViewTop_Click() { Forms::get<frmTop10>().Show(); }

// ---- Commands ----

void frmMain::mnuCommandScreen_Click() { UpdateViewport(); }
void frmMain::mnuCmdLst_Click() { Forms::get<frmCmd>().Show(); }
void frmMain::mnuClearWindow_Click() { Forms::get<frmChat>().txtStatus->clear(); }

// ---- Options ----

void frmMain::refreshWindowList()
{
    for (QAction* a : windowListItems_) {
        mnuOptionsReady->removeAction(a);
        a->deleteLater();
    }
    windowListItems_.clear();
    QMdiArea* area = Forms::get<frmBack>().mdiArea;
    const auto children = area->subWindowList();
    if (children.isEmpty())
        return;
    windowListItems_.push_back(mnuOptionsReady->addSeparator());
    int number = 0;
    for (QMdiSubWindow* child : children) {
        QAction* item = mnuOptionsReady->addAction(QStringLiteral("&%1 %2").arg(++number).arg(child->windowTitle()));
        item->setCheckable(true);
        item->setChecked(child == area->activeSubWindow());
        connect(item, &QAction::triggered, area, [area, child] { area->setActiveSubWindow(child); });
        windowListItems_.push_back(item);
    }
}

void frmMain::mnuOptionsReadyNot_Click() { ServerSend(QStringLiteral("R"), QStringLiteral("0")); }
void frmMain::mnuOptionsReadyYes_Click() { ServerSend(QStringLiteral("R"), QStringLiteral("1")); }
void frmMain::mnuOptionsReadyAuto_Click() { ServerSend(QStringLiteral("R"), QStringLiteral("2")); }

void frmMain::mnuOptionsZoom_Click()
{
    CheckItem& zoom = optionMenus().mnuOptionsZoom;
    if (zoom.Checked()) {
        zoom.setChecked(false);
        world().TileSize = 16;
    } else {
        zoom.setChecked(true);
        world().TileSize = 32;
    }
    if (loggedIn())
        UpdateViewport();
}

void frmMain::mnuOptionsSkinsApply_Click() {}
void frmMain::mnuOptionSkinsSave_Click() {}

void frmMain::mnuOptionSkinsRemove_Click()
{
    logErrors("mnuOptionSkinsRemove_Click", [] {});
}

void frmMain::mnuKeyMove_Click() { toggle(optionMenus().mnuKeyMove); }

void frmMain::mnuOptionsTags_Click()
{
    CheckItem& tags = optionMenus().mnuOptionsTags;
    world().ShowTags = !tags.Checked();
    tags.setChecked(!tags.Checked());
}

// Its check is set by the settings load alone.
void frmMain::mnuOptionLangFilter_Click() {}

void frmMain::mnuOptionsChat_Click()
{
    logErrors("mnuOptionsChat_Click", [] {
        OptionMenus& m = optionMenus();
        if (m.mnuOptionsChat.Checked()) {
            m.mnuOptionsChat.setChecked(false);
        } else {
            m.mnuOptionsAdmin.setChecked(false);
            m.mnuOptionsChat.setChecked(true);
        }
    });
}

void frmMain::mnuOptionsScroll_Click() { toggle(optionMenus().mnuOptionsScroll); }
void frmMain::mnuOptionsSound_Click() { Forms::get<frmSound>().Show(); }
void frmMain::mnuOptionsGeneral_Click() { Forms::get<frmOptions>().Show(); }
void frmMain::mnuOptionLoginIgnore_Click() { toggle(optionMenus().mnuOptionLoginIgnore); }

void frmMain::mnuOptionSplatIgnore_Click()
{
    logErrors("mnuOptionSplatIgnore_Click", [] { toggle(optionMenus().mnuOptionSplatIgnore); });
}

// ---- Forum ----

void frmMain::mnuGeneral_Click() { openForumPage("viewforum.php?f=1"); }
void frmMain::mnuSales_Click() { openForumPage("viewforum.php?f=2"); }
void frmMain::mnuSupport_Click() { openForumPage("viewforum.php?f=3"); }

// ---- Administration ----

void frmMain::mnuOptionsAdmin_Click()
{
    OptionMenus& m = optionMenus();
    if (m.mnuOptionsAdmin.Checked()) {
        m.mnuOptionsAdmin.setChecked(false);
    } else {
        m.mnuOptionsChat.setChecked(false);
        m.mnuOptionsAdmin.setChecked(true);
    }
}

void frmMain::mnuerrorlog_Click() { Forms::get<frmDebug>().Show(); }
void frmMain::mnuLoadMap_Click() { Forms::get<frmMaps>().Show(); }
void frmMain::mnuLogAll_Click() { toggle(optionMenus().mnuLogAll); }
void frmMain::mnuLogChatter_Click() { toggle(optionMenus().mnuLogChatter); }

// ---- Help ----

void frmMain::mnuHelpContents_Click() { showHelpFile(); }
void frmMain::mnuHelpNews_Click() { Forms::get<frmNews>().Show(); }
void frmMain::mnuBasic_Click() { showHelpFile(); }
void frmMain::mnuCommandList_Click() { Forms::get<frmCmd>().Show(); }
void frmMain::mnuhomepage_Click() { platform::services().openUrl(platform::endpoints().homePage); }
void frmMain::mnuHelpAbout_Click() { Forms::get<frmAbout>().Show(); }

// ---- buttons ----

void frmMain::connectButtons()
{
    connect(cmdConnect, &QPushButton::clicked, this, &frmMain::cmdConnect_Click);
    connect(cmdReload, &QPushButton::clicked, this, &frmMain::cmdReload_Click);
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    for (int i = 0; i < static_cast<int>(cmdAlias.size()); ++i) {
        connect(cmdAlias[i], &QPushButton::clicked, this, [this, i] { cmdAlias_Click(i); });
        OnMouseDown(cmdAlias[i],
                    [this, i](int button, int shift, float x, float y) { cmdAlias_MouseDown(i, button, shift, x, y); });
    }
}

void frmMain::cmdConnect_Click() { mnuFileConnect_Click(); }

void frmMain::cmdReload_Click()
{
    ServerSend(QStringLiteral("C"), QStringLiteral("BUY VILE & DUMP VILE GUN & SELL VILE"));
    SetFocusIfAble(txtSend);
}

void frmMain::Command1_Click()
{
    ServerSend(QStringLiteral("C"), QStringLiteral("GET FLAG"));
    SetFocusIfAble(txtSend);
}

void frmMain::Command2_Click()
{
    ServerSend(QStringLiteral("C"), QStringLiteral("GET FLAG"));
    SetFocusIfAble(txtSend);
}

void frmMain::cmdAlias_Click(int Index)
{
    ServerSend(QStringLiteral("C"), settings().Buttons.at(static_cast<std::size_t>(Index)).Command);
    SetFocusIfAble(txtSend);
}

void frmMain::cmdAlias_MouseDown(int Index, int Button, int, float, float)
{
    if (Button == vbRightButton)
        Forms::get<frmBtnEdit>().EditButton(Index);
}
