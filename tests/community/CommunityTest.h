#pragma once
// Tests of the community windows, logged in to the fake game server: what a
// window sends is checked as bytes on the wire, what the server sends goes
// through the game window's batch as in the program.

#include "support/FakeGameServer.h"

#include <QList>

class CommunityTest : public FakeServerTest {
protected:
    void SetUp() override
    {
        FakeServerTest::SetUp();
        connectGame();
    }
    // Waits for exactly these frames from the client and forgets them.
    void expectFrames(const QList<QByteArray>& frames);
    // The server sends the bytes; the game window handles them as one batch.
    void receive(const QByteArray& bytes);
};
