#pragma once
// End-to-end tests: the real windows offscreen, logged in to the fake game
// server, with what the server receives checked byte for byte and what the
// user sees checked in the boxes, captions and panels.

#include "support/FakeGameServer.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

class RichTextBox;
class frmBack;
class frmChat;
class frmMain;

// Readable QStrings and byte arrays in failure messages.
void PrintTo(const QString& s, std::ostream* os);

// One run of text in a box, with its look (colour as RGB, red in the low byte).
struct BoxRun {
    QString text;
    quint32 colour = 0;
    bool bold = false;
    bool operator==(const BoxRun& o) const { return text == o.text && colour == o.colour && bold == o.bold; }
};
void PrintTo(const BoxRun& r, std::ostream* os);

// The lines of a box (without empty ones), each as its runs.
std::vector<std::vector<BoxRun>> linesOf(const RichTextBox& box);
// The texts of the lines of a box.
QStringList lineTexts(const RichTextBox& box);

class EndToEndTest : public FakeServerTest {
protected:
    void SetUp() override;

    frmBack& back();
    frmMain& game();
    frmChat& chat();

    // Logs in on the game socket and empties the game box of its
    // "Connecting as" line, so the test sees only what follows.
    void login(const QString& userName = QStringLiteral("tester"));

    // The server sends the bytes; once they are all in the receive buffer,
    // a frame tick runs a batch, as the frame timer does while the socket is
    // connected and the buffer holds something.
    void receive(const QByteArray& bytes);
    void frameTick();

    // Every frame the client sent since the last call, in order. A marker
    // frame sent behind them shows that nothing else is on its way.
    QList<QByteArray> sentFrames();

    // Gives the main window the focus, as the desktop would.
    void activate();
};
