#include "ui/frmMain.h"

#include "connection/ConnectionState.h"
#include "connection/Dispatcher.h"
#include "connection/Frame.h"
#include "connection/RecvBuffer.h"
#include "connection/Sockets.h"
#include "connection/frmConnect.h"
#include "foundation/Ansi.h"
#include "foundation/TextOutput.h"
#include "foundation/frmDebug.h"
#include "ui/frmBack.h"
#include "ui/WindowsBridge.h"
#include "ui/frmChat.h"
#include "world/WorldReset.h"

// The game window's sockets and the send procedure.

namespace {
constexpr quint32 kBlack = 0;
constexpr quint32 kRed = 255;

} // namespace

void frmMain::connectSockets()
{
    connect(Wsk, &QTcpSocket::connected, this, &frmMain::Wsk_Connect);
    connect(Wsk, &QTcpSocket::readyRead, this, [this] { Wsk_DataArrival(Wsk->bytesAvailable()); });
    connect(Wsk, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError) {
            // The server ended a connection that was up. When we are closing
            // it ourselves (the disconnect and login commands) nothing runs.
            // The handler runs once the socket has finished closing, outside
            // the socket's own read.
            if (Wsk->state() == QAbstractSocket::ConnectedState)
                QMetaObject::invokeMethod(this, &frmMain::Wsk_Close, Qt::QueuedConnection);
            return;
        }
        Wsk_Error(SocketErrorNumber(*Wsk), Wsk->errorString());
    });

    connect(WskUsers, &QTcpSocket::connected, this, &frmMain::WskUsers_Connect);
    connect(WskUsers, &QTcpSocket::readyRead, this, [this] { WskUsers_DataArrival(WskUsers->bytesAvailable()); });
    // A user list that cannot be fetched shows nothing; the reason goes to
    // the error log. The server ending the connection after its reply is no
    // failure.
    connect(WskUsers, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            return;
        AddToLog(QStringLiteral("frmMain"), QStringLiteral("WskUsers_Error"),
                 ErrObject{SocketErrorNumber(*WskUsers), WskUsers->errorString()});
    });
}

void frmMain::Server(const QString& CtrlChar, const QString& Msg)
{
    const QByteArray frame = BuildFrame(CtrlChar, Msg);
    if (Wsk->state() == QAbstractSocket::ConnectedState)
        Wsk->write(frame);
}

void frmMain::Wsk_Connect()
{
    Connection& c = connection();
    frmChat& chat = Forms::get<frmChat>();
    frmBack& back = Forms::get<frmBack>();
    AddText(QStringLiteral("Connecting as ") + c.UserName + QStringLiteral("..."), *chat.txtStatus, kBlack, true,
            true, false);
    back.EnableInputLine();
    chat.txtStatus->setEnabled(true);
    chat.WhoList->setEnabled(true);
    picMap->setEnabled(true);
    mnuFileConnect->setText(QStringLiteral("Disconnect"));
    back.cmdConnect->setText(QStringLiteral("Disconnect"));
    back.StatBar->setPanel(1, QStringLiteral("Logged In"));
    Wsk->write(BuildLoginFrame(c.UserName, c.Password, VersionText()));
    Server(QStringLiteral("T"), QStringLiteral("1"));
    DoEvents();
}

void frmMain::Wsk_DataArrival(qint64)
{
    if (Wsk->state() != QAbstractSocket::UnconnectedState) {
        WindowsBridge windows;
        AppendReceived(windows, Wsk->readAll());
    }
}

void frmMain::Wsk_Close()
{
    // A batch that let events run still holds messages the server sent
    // before it closed: they must not land in the reset world after
    // "Disconnected". ProcessData runs the close when the batch ends.
    if (BatchRunning()) {
        closeAfterBatch_ = true;
        return;
    }
    // What the server sent right before closing (a kick or ban notice, the
    // last chat lines) would be dropped by the reset below: take the rest
    // of the stream and handle it first, as the frame tick would have.
    connection().RecvBuffer.append(Wsk->readAll());
    if (!connection().RecvBuffer.isEmpty())
        ProcessData();

    frmBack& back = Forms::get<frmBack>();
    AddText(QStringLiteral("Disconnected"), *Forms::get<frmChat>().txtStatus, kRed, true, true, false);
    back.cmdConnect->setText(QStringLiteral("Connect"));
    ResetWorld();
    mnuFileConnect->setText(QStringLiteral("Connect"));
    back.StatBar->setPanel(1, QStringLiteral("Not Logged In"));
    back.setCaption(QStringLiteral("Quelvar [Disconnected]"));
}

void frmMain::Wsk_Error(int Number, const QString& Description)
{
    AddToLog(QStringLiteral("frmMain"), QStringLiteral("Wsk_Error"), ErrObject{Number, Description});
    frmBack& back = Forms::get<frmBack>();
    AddText(QStringLiteral("Couldn't establish a connection!"), *Forms::get<frmChat>().txtStatus, kBlack, true, true,
            false);
    back.cmdConnect->setText(QStringLiteral("Connect"));
    mnuFileConnect->setText(QStringLiteral("Connect"));
    back.StatBar->setPanel(1, QStringLiteral("Not Logged In"));
    setCaption(QStringLiteral("Quelvar [Error Connecting]"));
}

void frmMain::WskUsers_Connect()
{
    WskUsers->write("sUsers");
    DoEvents();
}

void frmMain::WskUsers_DataArrival(qint64)
{
    const QByteArray data = WskUsers->readAll();
    if (!data.isEmpty())
        Forms::get<frmConnect>().Update(FromAnsi(data));
}
