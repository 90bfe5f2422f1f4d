#include "ui/ServerSend.h"

#include "connection/Sockets.h"
#include "ui/frmMain.h"

namespace {
std::function<void(const QString&, const QString&)>& observer()
{
    static std::function<void(const QString&, const QString&)> o;
    return o;
}
} // namespace

void ServerSend(const QString& CtrlChar, const QString& Msg)
{
    if (observer())
        observer()(CtrlChar, Msg);
    Forms::get<frmMain>().Server(CtrlChar, Msg);
}

void setServerSendObserver(std::function<void(const QString&, const QString&)> o) { observer() = std::move(o); }

void CloseGameSocket()
{
    CloseSocketAtOnce(Forms::get<frmMain>().Wsk);
}
