#include "CommunityTest.h"

#include "connection/ConnectionState.h"
#include "ui/frmMain.h"

#include <QCoreApplication>

void CommunityTest::expectFrames(const QList<QByteArray>& frames)
{
    EXPECT_TRUE(fake->waitForGameFrames(static_cast<int>(frames.size())));
    QCoreApplication::processEvents();
    EXPECT_EQ(fake->gameFrames(), frames);
    fake->clearGameReceived();
}

void CommunityTest::receive(const QByteArray& bytes)
{
    fake->sendGame(bytes);
    ASSERT_TRUE(waitUntil([&] { return connection().RecvBuffer.size() >= bytes.size(); }));
    Forms::get<frmMain>().ProcessData();
}
