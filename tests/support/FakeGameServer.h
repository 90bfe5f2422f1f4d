#pragma once
// A game server for tests, on 127.0.0.1 with ephemeral ports: the game port
// (command frames), the user-list port and a small web host that serves
// "/files/address.txt". It records every byte the client sends, cuts the game
// stream into frames, sends scripted bytes and frames, and can close a
// connection or refuse new ones. Everything runs on the test's thread: the
// wait helpers let events run until a condition holds or a timeout passes.
//
//   FakeGameServer fake;
//   useFakeServer(fake);                  // the client's endpoints point here
//   ... client connects ...
//   ASSERT_TRUE(fake.waitForGameFrames(2));
//   EXPECT_EQ(fake.gameFrames()[1], Frame('T', "1"));

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <initializer_list>
#include <memory>

#include "support/ClientTest.h"

class FakeGameServer : public QObject {
    Q_OBJECT
public:
    FakeGameServer();
    ~FakeGameServer() override;

    quint16 gamePort() const { return gamePort_; }
    quint16 userListPort() const { return userListPort_; }
    quint16 httpPort() const { return httpPort_; }
    // "http://127.0.0.1:<port>", the client's web host.
    QString webHost() const;

    // ---- the web host ----
    // The body of "/files/address.txt" (default "127.0.0.1", no line break).
    QByteArray addressText = "127.0.0.1";
    // The status the web host answers with (200, or e.g. 404 to fail).
    int httpStatus = 200;
    // Requests seen, as their request lines ("GET /files/address.txt HTTP/1.1").
    QStringList httpRequests;

    // ---- the game port ----
    // Connections accepted so far.
    int gameConnections() const { return gameConnections_; }
    bool gameConnected() const;
    // Every byte received on the game port, over all connections.
    const QByteArray& gameReceived() const { return gameReceived_; }
    // The received stream cut after every end byte 0x01 (whole frames only).
    QList<QByteArray> gameFrames() const;
    // Forgets what was received so far (to look only at what comes next).
    void clearGameReceived() { gameReceived_.clear(); }
    void sendGame(const QByteArray& bytes);
    // The server closes the current game connection.
    void closeGame();
    // Stops listening on the game port, so a connection to it is refused.
    void refuseGame();

    // ---- the user-list port ----
    int userListConnections() const { return userListConnections_; }
    const QByteArray& userListReceived() const { return userListReceived_; }
    void sendUserList(const QByteArray& bytes);
    void closeUserList();

    // ---- waiting (events run meanwhile; false on timeout) ----
    bool waitForGameConnection(int count = 1, int timeoutMs = 5000);
    bool waitForGameFrames(int count, int timeoutMs = 5000);
    bool waitForGameDisconnect(int timeoutMs = 5000);
    bool waitForUserListBytes(int count, int timeoutMs = 5000);

private:
    void accept(QTcpServer& server, QPointer<QTcpSocket>& current, int& connections, QByteArray& received);
    void acceptHttp();
    void answerHttp(QTcpSocket* socket, QByteArray& request);

    QTcpServer game_;
    QTcpServer userList_;
    QTcpServer http_;
    quint16 gamePort_ = 0;
    quint16 userListPort_ = 0;
    quint16 httpPort_ = 0;
    QPointer<QTcpSocket> gameSocket_;
    QPointer<QTcpSocket> userListSocket_;
    int gameConnections_ = 0;
    int userListConnections_ = 0;
    QByteArray gameReceived_;
    QByteArray userListReceived_;
};

// Points the client's endpoints (web host, both servers, both ports) at the
// fake server.
void useFakeServer(const FakeGameServer& server);

// Lets events run until the condition holds; false when the timeout passes.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

// A server frame: 0xA6, the command, 0x00, the fields joined by 0x00, 0x01.
QByteArray ServerFrame(char command, const QList<QByteArray>& fields);
// The bytes of a string literal, NULs included: Bytes("\xA6w\0\0\x01").
template <std::size_t N>
QByteArray Bytes(const char (&literal)[N])
{
    return QByteArray(literal, static_cast<qsizetype>(N - 1));
}
// Bytes from their values: BytesOf({0xA6, 'w', 0, 0, 1}).
QByteArray BytesOf(std::initializer_list<int> values);
// A client frame as Server sends it: 0xA6, the command, 0x00, text, 0x00, 0x01.
QByteArray ClientFrame(char command, const QByteArray& text);

// The base of protocol tests: a ClientTest with a fake server that the
// client's endpoints point at.
class FakeServerTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Logs in without the dialog: sets the user name and password, connects
    // the game socket and waits until the login and "T" frames arrived; then
    // forgets them, so the test sees only what follows.
    void connectGame(const QString& userName = QStringLiteral("tester"),
                     const QString& password = QStringLiteral("secret"));

    std::unique_ptr<FakeGameServer> fake;
};
