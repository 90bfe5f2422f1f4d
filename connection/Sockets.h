#pragma once
// Closing a socket of the client's own accord, and the numbers of socket
// errors.

#include <QtGlobal>

class QAbstractSocket;
class QTcpSocket;

// Closes the socket, so that it can connect again right after; what was
// written to it before (a disconnect command) gets about a second to go out
// first, a wait that runs no events. A close of our own is not the server
// closing the connection: the socket's close handling does not run for it.
void CloseSocketAtOnce(QTcpSocket* socket);

// The Windows Sockets number of the socket's last error, so that the error
// log reads the way the game's operators know it.
qint32 SocketErrorNumber(const QAbstractSocket& socket);
