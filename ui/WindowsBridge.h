#pragma once
// The server's messages reaching the real windows: ClientWindows over the
// program's forms.

#include "connection/ClientWindows.h"

class WindowsBridge : public ClientWindows {
public:
    void AddText(Box box, const QString& text, quint32 colour, bool lineBreak, bool bold, bool secondFont) override;
    void SetBackCaption(const QString& caption) override;
    QString SelectedChatTab() override;
    void MarkChatTabUnread(int tab) override;
    void Server(const QString& ctrlChar, const QString& msg) override;
    void ClearSquare(qint16 x, qint16 y) override;
    void LoadMap(const QString& mapName) override;
    void LoadTerrainNormal() override;
    void LoadTerrainWinter() override;
    void StartLightningTimer() override;
    void UpdateViewport() override;
    void ChatLine(const QStringList& fields) override;
    void MarkWhoListUser(const QString& name) override;
    bool WhoListEmpty() override;
    void WhoListAdd(const QString& name, qint16 slot, qint16 level) override;
    void WhoListRemove(const QString& name, qint16 slot) override;
    void SendWhoRefresh() override;
    void WhoUpdate(const QString& rawData) override;
    void TeamsRecvData(const QString& raw) override;
    void SetTeamsStatusText(const QString& text) override;
    void Top10ProcessData(const QString& raw) override;
    void Top10ProcessData1(const QString& raw) override;
    void ShopParseData(const QString& raw) override;
    void ShowShop() override;
    void AliasProcess(const QString& data) override;
    void AliasAddNew(const QString& name) override;
    void ShowNews() override;
    void SetGameInfo(const QString& text) override;
    void DoEvents() override;
    void AddToLog(const QString& strForm, const QString& strFunction, const ErrObject& err) override;
    void EndProgram() override;
};
