#include "ui/ServerSend.h"

#include "ui/frmMain.h"

#include <QSignalBlocker>

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
    QTcpSocket* socket = Forms::get<frmMain>().Wsk;
    const QSignalBlocker quiet(socket);
    // What was sent just before (the disconnect command) still goes out.
    socket->flush();
    socket->abort();
}
