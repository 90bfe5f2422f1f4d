#include "support/FakeGameServer.h"

#include "connection/ConnectionState.h"
#include "foundation/Forms.h"
#include "platform/Endpoints.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"

#include <QHostAddress>
#include <QTest>
#include <memory>

namespace {
quint16 listenOn(QTcpServer& server)
{
    if (!server.listen(QHostAddress::LocalHost, 0))
        qFatal("FakeGameServer: cannot listen: %s", qPrintable(server.errorString()));
    return server.serverPort();
}
} // namespace

FakeGameServer::FakeGameServer()
{
    gamePort_ = listenOn(game_);
    userListPort_ = listenOn(userList_);
    httpPort_ = listenOn(http_);
    connect(&game_, &QTcpServer::newConnection, this,
            [this] { accept(game_, gameSocket_, gameConnections_, gameReceived_); });
    connect(&userList_, &QTcpServer::newConnection, this,
            [this] { accept(userList_, userListSocket_, userListConnections_, userListReceived_); });
    connect(&http_, &QTcpServer::newConnection, this, &FakeGameServer::acceptHttp);
}

FakeGameServer::~FakeGameServer() = default;

QString FakeGameServer::webHost() const { return QStringLiteral("http://127.0.0.1:%1").arg(httpPort_); }

void FakeGameServer::accept(QTcpServer& server, QPointer<QTcpSocket>& current, int& connections,
                            QByteArray& received)
{
    while (QTcpSocket* s = server.nextPendingConnection()) {
        ++connections;
        current = s;
        connect(s, &QTcpSocket::readyRead, this, [s, &received] { received.append(s->readAll()); });
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
    }
}

void FakeGameServer::acceptHttp()
{
    while (QTcpSocket* s = http_.nextPendingConnection()) {
        auto request = std::make_shared<QByteArray>();
        connect(s, &QTcpSocket::readyRead, this, [this, s, request] {
            request->append(s->readAll());
            if (request->contains("\r\n\r\n"))
                answerHttp(s, *request);
        });
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
    }
}

void FakeGameServer::answerHttp(QTcpSocket* socket, QByteArray& request)
{
    const QByteArray line = request.left(request.indexOf("\r\n"));
    request.clear();
    httpRequests.append(QString::fromLatin1(line));
    const QList<QByteArray> parts = line.split(' ');
    int status = httpStatus;
    if (parts.size() < 2 || parts.at(0) != "GET" || parts.at(1) != "/files/address.txt")
        status = 404;
    const QByteArray body = status == 200 ? addressText : QByteArray("Not Found");
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error") + "\r\n";
    response += "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
                "\r\nConnection: close\r\n\r\n" + body;
    socket->write(response);
    socket->disconnectFromHost();
}

bool FakeGameServer::gameConnected() const
{
    return gameSocket_ && gameSocket_->state() == QAbstractSocket::ConnectedState;
}

QList<QByteArray> FakeGameServer::gameFrames() const
{
    QList<QByteArray> frames;
    qsizetype start = 0;
    for (qsizetype i = 0; i < gameReceived_.size(); ++i) {
        if (gameReceived_.at(i) == '\x01') {
            frames.append(gameReceived_.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    return frames;
}

namespace {
void sendOn(QTcpSocket* socket, const QByteArray& bytes)
{
    if (socket) {
        socket->write(bytes);
        socket->flush();
    }
}
void closeOn(QTcpSocket* socket)
{
    if (socket)
        socket->disconnectFromHost();
}
} // namespace

void FakeGameServer::sendGame(const QByteArray& bytes) { sendOn(gameSocket_, bytes); }
void FakeGameServer::closeGame() { closeOn(gameSocket_); }
void FakeGameServer::refuseGame() { game_.close(); }
void FakeGameServer::sendUserList(const QByteArray& bytes) { sendOn(userListSocket_, bytes); }
void FakeGameServer::closeUserList() { closeOn(userListSocket_); }

bool FakeGameServer::waitForGameConnection(int count, int timeoutMs)
{
    return waitUntil([&] { return gameConnections_ >= count && gameConnected(); }, timeoutMs);
}

bool FakeGameServer::waitForGameFrames(int count, int timeoutMs)
{
    return waitUntil([&] { return gameFrames().size() >= count; }, timeoutMs);
}

bool FakeGameServer::waitForGameDisconnect(int timeoutMs)
{
    return waitUntil([&] { return !gameConnected(); }, timeoutMs);
}

bool FakeGameServer::waitForUserListBytes(int count, int timeoutMs)
{
    return waitUntil([&] { return userListReceived_.size() >= count; }, timeoutMs);
}

void useFakeServer(const FakeGameServer& server)
{
    platform::Endpoints e = platform::endpoints();
    e.webHost = server.webHost();
    e.slaveServer = QStringLiteral("127.0.0.1");
    e.gamePort = server.gamePort();
    e.userListPort = server.userListPort();
    platform::setEndpointsForTests(e);
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

QByteArray ServerFrame(char command, const QList<QByteArray>& fields)
{
    QByteArray frame;
    frame.append('\xA6');
    frame.append(command);
    frame.append('\0');
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            frame.append('\0');
        frame.append(fields.at(i));
    }
    frame.append('\x01');
    return frame;
}

QByteArray ClientFrame(char command, const QByteArray& text)
{
    QByteArray frame;
    frame.append('\xA6');
    frame.append(command);
    frame.append('\0');
    frame.append(text);
    frame.append('\0');
    frame.append('\x01');
    return frame;
}

void FakeServerTest::SetUp()
{
    ClientTest::SetUp();
    fake = std::make_unique<FakeGameServer>();
    useFakeServer(*fake);
}

void FakeServerTest::TearDown()
{
    ClientTest::TearDown();
    fake.reset();
}

void FakeServerTest::connectGame(const QString& userName, const QString& password)
{
    connection().UserName = userName;
    connection().Password = password;
    Forms::get<frmChat>();
    frmMain& game = Forms::get<frmMain>();
    const int before = fake->gameConnections();
    game.Wsk->connectToHost(QStringLiteral("127.0.0.1"), fake->gamePort());
    ASSERT_TRUE(fake->waitForGameConnection(before + 1));
    ASSERT_TRUE(fake->waitForGameFrames(2));
    ASSERT_EQ(game.Wsk->state(), QAbstractSocket::ConnectedState);
    fake->clearGameReceived();
}

QByteArray BytesOf(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}
