#include "EndToEnd.h"

#include "connection/ConnectionState.h"
#include "foundation/Controls.h"
#include "foundation/SettingsState.h"
#include "support/StartedWorld.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>

namespace {
// A frame no part of the client sends; it closes what sentFrames returns.
const QByteArray kMarker = ClientFrame('~', "end of step");
} // namespace

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

void PrintTo(const BoxRun& r, std::ostream* os)
{
    *os << '"' << r.text.toStdString() << "\" colour " << r.colour << (r.bold ? " bold" : "");
}

std::vector<std::vector<BoxRun>> linesOf(const RichTextBox& box)
{
    std::vector<std::vector<BoxRun>> lines;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty())
            continue;
        std::vector<BoxRun> runs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QColor c = f.charFormat().foreground().color();
            runs.push_back({f.text(), RGB(c.red(), c.green(), c.blue()), f.charFormat().fontWeight() >= QFont::Bold});
        }
        lines.push_back(runs);
    }
    return lines;
}

QStringList lineTexts(const RichTextBox& box)
{
    QStringList texts;
    for (const auto& line : linesOf(box)) {
        QString t;
        for (const BoxRun& r : line)
            t += r.text;
        texts.append(t);
    }
    return texts;
}

void EndToEndTest::SetUp()
{
    FakeServerTest::SetUp();
    StartWorld(world());
    Forms::get<frmBack>().Show();
    Forms::get<frmChat>().Show();
    Forms::get<frmMain>();
    QApplication::processEvents();
}

frmBack& EndToEndTest::back() { return Forms::get<frmBack>(); }
frmMain& EndToEndTest::game() { return Forms::get<frmMain>(); }
frmChat& EndToEndTest::chat() { return Forms::get<frmChat>(); }

void EndToEndTest::login(const QString& userName)
{
    connectGame(userName);
    chat().txtStatus->clear();
}

void EndToEndTest::receive(const QByteArray& bytes)
{
    const qsizetype expected = connection().RecvBuffer.size() + bytes.size();
    fake->sendGame(bytes);
    ASSERT_TRUE(waitUntil([&] { return connection().RecvBuffer.size() >= expected; }))
        << "received " << connection().RecvBuffer.size() << " of " << expected << " bytes";
    frameTick();
}

void EndToEndTest::frameTick()
{
    if (game().Wsk->state() == QAbstractSocket::ConnectedState && !connection().RecvBuffer.isEmpty())
        game().ProcessData();
}

QList<QByteArray> EndToEndTest::sentFrames()
{
    game().Wsk->write(kMarker);
    const bool arrived = waitUntil([&] { return fake->gameReceived().endsWith(kMarker); });
    EXPECT_TRUE(arrived) << "the marker frame did not arrive";
    QList<QByteArray> frames = fake->gameFrames();
    if (arrived)
        frames.removeLast();
    fake->clearGameReceived();
    return frames;
}

void EndToEndTest::activate()
{
    back().activateWindow();
    QApplication::setActiveWindow(&back());
    QApplication::processEvents();
}
