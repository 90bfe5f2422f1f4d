// The send procedure, checked on the wire against the fake server.

#include "connection/Frame.h"
#include "support/FakeGameServer.h"
#include "ui/frmMain.h"

#include <QByteArray>

namespace {
class ServerTest : public FakeServerTest {};
} // namespace

TEST_F(ServerTest, SendsFramesWhileConnected)
{
    connectGame();
    frmMain& game = Forms::get<frmMain>();
    game.Server(QStringLiteral("w"), QString());
    game.Server(QStringLiteral("a"), QStringLiteral("1") + QChar(0) + QStringLiteral("name") + QChar(0) +
                                         QStringLiteral("say hi") + QChar(0xA6) + QChar(1) + QChar(2));
    const QString viewport = QString(SmallNumber(0)) + SmallNumber(149) + SmallNumber(15) + SmallNumber(11);
    game.Server(QStringLiteral("M"), viewport);
    ASSERT_TRUE(fake->waitForGameFrames(3));
    const QList<QByteArray> frames = fake->gameFrames();
    ASSERT_EQ(frames.size(), 3);
    EXPECT_EQ(frames[0], BytesOf({0xA6, 0x77, 0x00, 0x00, 0x01}));
    EXPECT_EQ(frames[1], ClientFrame('a', "1namesay hi"));
    EXPECT_EQ(frames[2], BytesOf({0xA6, 'M', 0x00, 0x05, 0x9A, 0x14, 0x10, 0x00, 0x01}));
}

TEST_F(ServerTest, DropsFramesUnlessConnected)
{
    frmMain& game = Forms::get<frmMain>();
    // Closed: nothing, and no error.
    game.Server(QStringLiteral("C"), QStringLiteral("lost"));

    // Still connecting: nothing either; the connection then carries only
    // what Wsk_Connect sends.
    game.Wsk->connectToHost(QStringLiteral("127.0.0.1"), fake->gamePort());
    ASSERT_NE(game.Wsk->state(), QAbstractSocket::ConnectedState);
    game.Server(QStringLiteral("C"), QStringLiteral("early"));
    ASSERT_TRUE(fake->waitForGameFrames(2));
    game.Server(QStringLiteral("w"), QString());
    ASSERT_TRUE(fake->waitForGameFrames(3));
    const QList<QByteArray> frames = fake->gameFrames();
    EXPECT_EQ(frames.size(), 3);
    EXPECT_TRUE(frames[0].startsWith(QByteArray("\xA6!", 2)));
    EXPECT_EQ(frames[1], ClientFrame('T', "1"));
    EXPECT_EQ(frames[2], ClientFrame('w', ""));
    EXPECT_FALSE(fake->gameReceived().contains("lost"));
    EXPECT_FALSE(fake->gameReceived().contains("early"));

    // After our own close: dropped again.
    game.Wsk->close();
    ASSERT_TRUE(fake->waitForGameDisconnect());
    game.Server(QStringLiteral("C"), QStringLiteral("after"));
    EXPECT_FALSE(waitUntil([&] { return fake->gameReceived().contains("after"); }, 200));
}
