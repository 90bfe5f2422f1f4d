#include "CommunityTest.h"

#include "community/WhoList.h"
#include "connection/ConnectionState.h"
#include "foundation/SettingsState.h"
#include "support/StartedWorld.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QTreeWidgetItem>

namespace {
const QByteArray kMarker = ClientFrame('~', "end of step");
}

void CommunityTest::SetUp()
{
    FakeServerTest::SetUp();
    StartWorld(world());
    Forms::get<frmBack>().Show();
    Forms::get<frmChat>().Show();
    Forms::get<frmMain>();
    QApplication::processEvents();
    connectGame(QStringLiteral("ann"));
}

void CommunityTest::receive(const QByteArray& frames)
{
    const qsizetype expected = connection().RecvBuffer.size() + frames.size();
    fake->sendGame(frames);
    ASSERT_TRUE(waitUntil([&] { return connection().RecvBuffer.size() >= expected; }));
    Forms::get<frmMain>().ProcessData();
}

QList<QByteArray> CommunityTest::sentFrames()
{
    Forms::get<frmMain>().Wsk->write(kMarker);
    EXPECT_TRUE(waitUntil([&] { return fake->gameReceived().endsWith(kMarker); }));
    QList<QByteArray> frames = fake->gameFrames();
    if (!frames.isEmpty() && frames.last() == kMarker)
        frames.removeLast();
    fake->clearGameReceived();
    return frames;
}

void CommunityTest::useGeneratedGraphics()
{
    installAssets();
    settings().GraphicsPath = programFolder() + QStringLiteral("/Graphics/");
}

QString pictureOf(const QTreeWidgetItem* item, int column) { return item->data(column, kPictureKeyRole).toString(); }

qint64 colourOf(const QTreeWidgetItem* item)
{
    const QBrush b = item->foreground(0);
    if (b.style() == Qt::NoBrush)
        return -1;
    const QColor c = b.color();
    return RGB(c.red(), c.green(), c.blue());
}

bool boldOf(const QTreeWidgetItem* item) { return item->font(0).bold(); }
