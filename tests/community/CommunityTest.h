#pragma once
// Window tests of the community windows: the main windows shown offscreen,
// logged in to the fake game server, what the server sends arriving over the
// socket and what the client sends checked frame by frame.

#include "support/FakeGameServer.h"

#include <QColor>
#include <QList>
#include <QString>

class QTreeWidgetItem;

class CommunityTest : public FakeServerTest {
protected:
    void SetUp() override;

    // The server sends the frames; once they are in the receive buffer a
    // frame tick runs a batch.
    void receive(const QByteArray& frames);
    // Every frame the client sent since the last call, in order.
    QList<QByteArray> sentFrames();
    // Points the graphics folder at the generated assets.
    void useGeneratedGraphics();
};

// A column's picture key and the item's look.
QString pictureOf(const QTreeWidgetItem* item, int column);
// The item's text colour as RGB (red in the low byte); -1 while it has the default.
qint64 colourOf(const QTreeWidgetItem* item);
bool boldOf(const QTreeWidgetItem* item);
