#include "community/WhoList.h"

#include "ui/frmMain.h"

void MarkWhoListUser(const QString&) {}
void WhoListAdd(const QString&, qint16, qint16) {}
void WhoListRemove(const QString&, qint16) {}

void SendWhoRefresh()
{
    Forms::get<frmMain>().Server(QStringLiteral("w"), QString());
}
