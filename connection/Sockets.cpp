#include "connection/Sockets.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSignalBlocker>
#include <QTcpSocket>

namespace {
// How long what was written may take to reach the system when we close.
constexpr int kWriteOutMs = 1000;
} // namespace

void CloseSocketAtOnce(QTcpSocket* socket)
{
    // Nothing the socket reports while we close it (data, the server's own
    // close) is handled: the close is ours.
    const QSignalBlocker quiet(socket);
    // A server slow to read leaves written bytes waiting: they get a bounded
    // time to go out. The wait runs no events, so no batch starts meanwhile.
    const QDeadlineTimer deadline(kWriteOutMs);
    socket->flush();
    while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() > 0 &&
           !deadline.hasExpired()) {
        if (!socket->waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            break;
    }
    socket->close();
    if (socket->state() != QAbstractSocket::UnconnectedState)
        socket->abort();
}

qint32 SocketErrorNumber(const QAbstractSocket& socket)
{
    switch (socket.error()) {
    case QAbstractSocket::ConnectionRefusedError: return 10061;
    case QAbstractSocket::RemoteHostClosedError: return 10053;
    case QAbstractSocket::HostNotFoundError: return 11001;
    case QAbstractSocket::SocketAccessError: return 10013;
    case QAbstractSocket::SocketResourceError: return 10055;
    case QAbstractSocket::SocketTimeoutError: return 10060;
    case QAbstractSocket::NetworkError: {
        // One kind for several system errors; the socket's text names the
        // system's error.
        const QString text = socket.errorString();
        auto is = [&text](const char* source) {
            return text == QCoreApplication::translate("QNativeSocketEngine", source);
        };
        if (is("Host unreachable"))
            return 10065;
        if (is("Network unreachable"))
            return 10051;
        if (is("Connection timed out"))
            return 10060;
        return 10050;
    }
    case QAbstractSocket::AddressInUseError: return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError: return 10049;
    case QAbstractSocket::UnsupportedSocketOperationError: return 10045;
    default: return 10000 + static_cast<qint32>(socket.error());
    }
}
