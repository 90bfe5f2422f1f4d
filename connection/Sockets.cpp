#include "connection/Sockets.h"

#include <QTcpSocket>

void CloseSocketAtOnce(QTcpSocket* socket)
{
    socket->flush();
    socket->close();
    if (socket->state() != QAbstractSocket::UnconnectedState)
        socket->abort();
}
