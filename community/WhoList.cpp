#include "community/WhoList.h"

void MarkWhoListUser(const QString&) {}
void WhoListAdd(const QString&, qint16, qint16) {}
void WhoListRemove(const QString&, qint16) {}
void SendWhoRefresh() {}
