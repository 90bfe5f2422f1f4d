#include "ui/WindowsBridge.h"

#include "community/WhoList.h"
#include "community/frmGame.h"
#include "community/frmNews.h"
#include "community/frmShop.h"
#include "community/frmTeams.h"
#include "community/frmTop10.h"
#include "community/frmWho.h"
#include "foundation/TextOutput.h"
#include "foundation/frmDebug.h"
#include "ui/ChatRouting.h"
#include "ui/frmAlias.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/TileBitmaps.h"
#include "world/Viewport.h"

void WindowsBridge::AddText(Box box, const QString& text, quint32 colour, bool lineBreak, bool bold, bool secondFont)
{
    RichTextBox& target = box == Box::News ? *Forms::get<frmNews>().rtbNews : *Forms::get<frmChat>().txtStatus;
    ::AddText(text, target, colour, lineBreak, bold, secondFont);
}

void WindowsBridge::SetBackCaption(const QString& caption) { Forms::get<frmBack>().setCaption(caption); }
QString WindowsBridge::SelectedChatTab() { return Forms::get<frmChat>().SSTab1Caption(); }
void WindowsBridge::MarkChatTabUnread(int tab) { Forms::get<frmChat>().MarkTabUnread(tab); }
void WindowsBridge::Server(const QString& ctrlChar, const QString& msg) { Forms::get<frmMain>().Server(ctrlChar, msg); }

void WindowsBridge::ClearSquare(qint16 x, qint16 y) { Forms::get<frmMain>().Clear_Square(x, y); }

void WindowsBridge::LoadMap(const QString& mapName)
{
    QString mapID = mapName;
    Forms::get<frmMain>().LoadMap(mapID);
}

void WindowsBridge::LoadTerrainNormal() { ::LoadTerrainNormal(); }
void WindowsBridge::LoadTerrainWinter() { ::LoadTerrainWinter(); }
void WindowsBridge::StartLightningTimer()
{
    // Switching on a running timer changes nothing: a server that repeats
    // the setting must not put the next flash off again.
    QTimer* timer = Forms::get<frmMain>().LightningTimer;
    if (!timer->isActive())
        timer->start();
}
void WindowsBridge::UpdateViewport() { ::UpdateViewport(); }
void WindowsBridge::ChatLine(const QStringList& fields) { RouteChatLine(fields); }
void WindowsBridge::MarkWhoListUser(const QString& name) { ::MarkWhoListUser(name); }
bool WindowsBridge::WhoListEmpty() { return Forms::get<frmChat>().WhoList->topLevelItemCount() == 0; }
void WindowsBridge::WhoListAdd(const QString& name, qint16 slot, qint16 level) { ::WhoListAdd(name, slot, level); }
void WindowsBridge::WhoListRemove(const QString& name, qint16 slot) { ::WhoListRemove(name, slot); }
void WindowsBridge::SendWhoRefresh() { ::SendWhoRefresh(); }
void WindowsBridge::WhoUpdate(const QString& rawData) { Forms::get<frmWho>().Update(rawData); }
void WindowsBridge::TeamsRecvData(const QString& raw) { Forms::get<frmTeams>().RecvData(raw); }
void WindowsBridge::SetTeamsStatusText(const QString& text) { Forms::get<frmTeams>().StatusBar1->setSimpleText(text); }
void WindowsBridge::Top10ProcessData(const QString& raw) { Forms::get<frmTop10>().ProcessData(raw); }
void WindowsBridge::Top10ProcessData1(const QString& raw) { Forms::get<frmTop10>().ProcessData1(raw); }
void WindowsBridge::ShopParseData(const QString& raw) { Forms::get<frmShop>().ParseShopData(raw); }
void WindowsBridge::ShowShop() { Forms::get<frmShop>().Show(); }
void WindowsBridge::AliasProcess(const QString& data) { Forms::get<frmAlias>().ProcessAlias(data); }
void WindowsBridge::AliasAddNew(const QString& name) { Forms::get<frmAlias>().AddNew(name); }
void WindowsBridge::ShowNews() { Forms::get<frmNews>().Show(); }
void WindowsBridge::SetGameInfo(const QString& text) { Forms::get<frmGame>().GameLbl->setPlainText(text); }
void WindowsBridge::DoEvents() { ::DoEvents(); }

void WindowsBridge::AddToLog(const QString& strForm, const QString& strFunction, const ErrObject& err)
{
    ::AddToLog(strForm, strFunction, err);
}

void WindowsBridge::EndProgram() { End(); }
