// The game socket's events against the fake server: the login, the server
// closing the connection, our own close, a refused connection.

#include "connection/ConnectionState.h"
#include "connection/Sockets.h"
#include "connection/frmConnect.h"
#include "foundation/frmDebug.h"
#include "support/FakeGameServer.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"

#include <QTextBlock>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <chrono>
#include <thread>

namespace {
class GameSocketTest : public FakeServerTest {
protected:
    // Logs in through the dialog, as a user does.
    void loginThroughDialog(const QString& user, const QString& password)
    {
        frmConnect& dialog = Forms::get<frmConnect>();
        dialog.txtUsername->setEditText(user);
        dialog.txtPassword->setText(password);
        dialog.cmdServer->setEditText(QStringLiteral("Master Server"));
        dialog.cmdOkay_Click();
    }
};

// The lines of a chat box with the colour of each line's first character.
struct Line {
    QString text;
    QColor colour;
    bool bold = false;
};
std::vector<Line> linesOf(const RichTextBox& box)
{
    std::vector<Line> lines;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
        if (b.text().isEmpty())
            continue;
        const QTextCharFormat f = b.begin().fragment().charFormat();
        lines.push_back({b.text(), f.foreground().color(), f.fontWeight() == QFont::Bold});
    }
    return lines;
}
} // namespace

TEST_F(GameSocketTest, LoginSendsTheLoginFrameThenTheTournamentRequest)
{
    Forms::get<frmChat>();
    frmMain& game = Forms::get<frmMain>();
    frmBack& back = Forms::get<frmBack>();
    // ResetWorld leaves these disabled until the connection is up.
    back.txtSend->setEnabled(false);
    game.picMap->setEnabled(false);
    Forms::get<frmChat>().WhoList->setEnabled(false);
    Forms::get<frmChat>().txtStatus->setEnabled(false);

    loginThroughDialog(QStringLiteral("Zoë x"), QStringLiteral("p¦ss"));
    ASSERT_TRUE(fake->waitForGameFrames(2));
    // The password goes as typed, its 0xA6 included; the version is "105".
    const QByteArray expected = Bytes("\xA6!\0Zo\xEB x\0p\xA6ss\0" "105\0\x01") + ClientFrame('T', "1");
    EXPECT_EQ(fake->gameReceived(), expected);

    const auto lines = linesOf(*Forms::get<frmChat>().txtStatus);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, QStringLiteral("Connecting as Zoë x..."));
    EXPECT_EQ(lines[0].colour, QColor(0, 0, 0));
    EXPECT_TRUE(lines[0].bold);
    EXPECT_TRUE(back.txtSend->isEnabled());
    EXPECT_TRUE(game.picMap->isEnabled());
    EXPECT_TRUE(Forms::get<frmChat>().WhoList->isEnabled());
    EXPECT_TRUE(Forms::get<frmChat>().txtStatus->isEnabled());
    EXPECT_EQ(game.mnuFileConnect->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(back.cmdConnect->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(back.StatBar->Panel(1), QStringLiteral("Logged In"));
    EXPECT_FALSE(Forms::get<frmConnect>().Visible());
}

TEST_F(GameSocketTest, ServerClosingRightAfterLogin)
{
    loginThroughDialog(QStringLiteral("alice"), QStringLiteral("secret"));
    ASSERT_TRUE(fake->waitForGameFrames(2));
    fake->closeGame();
    frmBack& back = Forms::get<frmBack>();
    ASSERT_TRUE(waitUntil([&] { return back.Caption() == QStringLiteral("Quelvar [Disconnected]"); }));

    const auto lines = linesOf(*Forms::get<frmChat>().txtStatus);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, QStringLiteral("Connecting as alice..."));
    EXPECT_EQ(lines[1].text, QStringLiteral("Disconnected"));
    EXPECT_EQ(lines[1].colour, QColor(255, 0, 0));
    EXPECT_TRUE(lines[1].bold);
    EXPECT_EQ(back.cmdConnect->text(), QStringLiteral("Connect"));
    EXPECT_EQ(Forms::get<frmMain>().mnuFileConnect->text(), QStringLiteral("Connect"));
    EXPECT_EQ(back.StatBar->Panel(1), QStringLiteral("Not Logged In"));
    EXPECT_NE(Forms::get<frmMain>().Caption(), QStringLiteral("Quelvar [Error Connecting]"));
    // Nothing is sent and nothing recorded as an error.
    EXPECT_EQ(fake->gameFrames().size(), 2);
    EXPECT_FALSE(Forms::isLoaded<frmDebug>());
}

TEST_F(GameSocketTest, OurOwnCloseRunsNoCloseHandler)
{
    connectGame(QStringLiteral("bob"));
    frmMain& game = Forms::get<frmMain>();
    game.Wsk->close();
    ASSERT_TRUE(fake->waitForGameDisconnect());
    // Give a late close event every chance to arrive.
    waitUntil([] { return false; }, 100);
    const auto lines = linesOf(*Forms::get<frmChat>().txtStatus);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, QStringLiteral("Connecting as bob..."));
    EXPECT_NE(Forms::get<frmBack>().Caption(), QStringLiteral("Quelvar [Disconnected]"));
    EXPECT_EQ(Forms::get<frmBack>().StatBar->Panel(1), QStringLiteral("Logged In"));
    EXPECT_FALSE(Forms::isLoaded<frmDebug>());
}

// A server on its own thread that accepts one connection and reads nothing
// for a while (as a busy server does), then everything until the client
// closes.
namespace {
class SlowReader {
public:
    explicit SlowReader(std::chrono::milliseconds pause)
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        // A small receive buffer, taken over by the accepted socket: a few
        // megabytes written are then far more than the system holds for a
        // reader that does not read, on any machine.
        const int buffer = 64 * 1024;
        ::setsockopt(listener_, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) == 0 && ::listen(listener_, 1) == 0 &&
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port_ = ntohs(address.sin_port);
        thread_ = std::thread([this, pause] {
            const int peer = ::accept(listener_, nullptr, nullptr);
            if (peer < 0)
                return;
            timeval limit{10, 0};
            ::setsockopt(peer, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
            std::this_thread::sleep_for(pause);
            char chunk[65536];
            for (ssize_t n; (n = ::recv(peer, chunk, sizeof chunk, 0)) > 0;)
                received_.append(chunk, static_cast<qsizetype>(n));
            ::close(peer);
        });
    }
    ~SlowReader()
    {
        ::shutdown(listener_, SHUT_RDWR);
        if (thread_.joinable())
            thread_.join();
        ::close(listener_);
    }
    quint16 port() const { return port_; }
    // Everything read, once the client has closed.
    const QByteArray& received()
    {
        thread_.join();
        return received_;
    }

private:
    int listener_ = -1;
    quint16 port_ = 0;
    std::thread thread_;
    QByteArray received_;
};
} // namespace

TEST_F(GameSocketTest, OurCloseGivesWhatWasWrittenTimeToLeave)
{
    SlowReader server(std::chrono::milliseconds(250));
    ASSERT_NE(server.port(), 0);
    Forms::get<frmChat>();
    frmMain& game = Forms::get<frmMain>();
    game.Wsk->connectToHost(QStringLiteral("127.0.0.1"), server.port());
    ASSERT_TRUE(waitUntil([&] { return Forms::get<frmBack>().cmdConnect->text() == QStringLiteral("Disconnect"); }));
    // More than the system's buffers hold, then the disconnect.
    const QString chunk(1 << 20, QLatin1Char('x'));
    for (int i = 0; i < 4; ++i)
        game.Server(QStringLiteral("C"), chunk);
    Forms::get<frmBack>().cmdConnect_Click();
    EXPECT_EQ(game.Wsk->state(), QAbstractSocket::UnconnectedState);
    EXPECT_TRUE(server.received().endsWith(ClientFrame('C', QByteArray(1 << 20, 'x')) + ClientFrame('d', "")));
    // Our own close: the server-close handling does not run.
    waitUntil([] { return false; }, 100);
    EXPECT_NE(Forms::get<frmBack>().Caption(), QStringLiteral("Quelvar [Disconnected]"));
}

// The error log numbers socket errors as Windows Sockets does; where the
// socket's error kind is too coarse, its text tells the system's error.
TEST(SocketErrorNumbers, FollowWindowsSockets)
{
    struct FailedSocket : QTcpSocket {
        FailedSocket(SocketError error, const char* text)
        {
            setSocketError(error);
            setErrorString(QLatin1String(text));
        }
    };
    const std::tuple<QAbstractSocket::SocketError, const char*, int> cases[] = {
        {QAbstractSocket::ConnectionRefusedError, "Connection refused", 10061},
        {QAbstractSocket::NetworkError, "Host unreachable", 10065},
        {QAbstractSocket::NetworkError, "Network unreachable", 10051},
        {QAbstractSocket::NetworkError, "Connection timed out", 10060},
        {QAbstractSocket::NetworkError, "Network error", 10050},
        {QAbstractSocket::SocketTimeoutError, "Socket operation timed out", 10060},
        {QAbstractSocket::RemoteHostClosedError, "The remote host closed the connection", 10053},
    };
    for (const auto& [error, text, number] : cases)
        EXPECT_EQ(SocketErrorNumber(FailedSocket(error, text)), number) << text;
}

TEST_F(GameSocketTest, RefusedConnection)
{
    fake->refuseGame();
    loginThroughDialog(QStringLiteral("carol"), QStringLiteral("secret"));
    // The world is not reset by the error: what the buffer holds stays.
    connection().RecvBuffer = "kept";
    frmMain& game = Forms::get<frmMain>();
    ASSERT_TRUE(waitUntil([&] { return game.Caption() == QStringLiteral("Quelvar [Error Connecting]"); }));

    const auto lines = linesOf(*Forms::get<frmChat>().txtStatus);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, QStringLiteral("Couldn't establish a connection!"));
    EXPECT_EQ(lines[0].colour, QColor(0, 0, 0));
    frmBack& back = Forms::get<frmBack>();
    EXPECT_EQ(back.cmdConnect->text(), QStringLiteral("Connect"));
    EXPECT_EQ(game.mnuFileConnect->text(), QStringLiteral("Connect"));
    EXPECT_EQ(back.StatBar->Panel(1), QStringLiteral("Not Logged In"));
    EXPECT_NE(back.Caption(), QStringLiteral("Quelvar [Disconnected]"));
    EXPECT_EQ(connection().RecvBuffer, QByteArray("kept"));
    // The error log names the socket's error.
    ASSERT_TRUE(Forms::isLoaded<frmDebug>());
    EXPECT_TRUE(Forms::get<frmDebug>().txtLog->Text().contains(QStringLiteral("Error #10061 ")));
    EXPECT_TRUE(Forms::get<frmDebug>().txtLog->Text().contains(QStringLiteral(" in frmMain,Wsk_Error")));
}

TEST_F(GameSocketTest, ReceivedBytesOnlyGoToTheBuffer)
{
    connectGame();
    const QByteArray stream = ServerFrame('c', {"ann", "hi", "\x05"}) + Bytes("\xA6" "b\0");
    fake->sendGame(stream);
    ASSERT_TRUE(waitUntil([&] { return connection().RecvBuffer.size() >= stream.size(); }));
    EXPECT_EQ(connection().RecvBuffer, stream);
}
