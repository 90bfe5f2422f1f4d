// The user list of the login dialog: the request on the user-list socket and
// the list it fills.

#include "connection/frmConnect.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "support/FakeGameServer.h"
#include "ui/frmMain.h"

namespace {
class UserListTest : public FakeServerTest {
protected:
    QStringList names(const frmConnect& d) const
    {
        QStringList out;
        for (int i = 0; i < d.Server->topLevelItemCount(); ++i)
            out.append(d.Server->topLevelItem(i)->text(0));
        return out;
    }
    QTreeWidgetItem* item(const frmConnect& d, int i) const { return d.Server->topLevelItem(i); }
};
} // namespace

TEST_F(UserListTest, UpdateColoursByLevel)
{
    frmConnect& d = Forms::get<frmConnect>();
    d.Update(QStringLiteral("ann:85;bob:12;cid:4"));
    ASSERT_EQ(names(d), (QStringList{QStringLiteral("ann"), QStringLiteral("bob"), QStringLiteral("cid")}));
    EXPECT_EQ(item(d, 0)->foreground(0).color(), QColor(0, 128, 0));
    EXPECT_EQ(item(d, 1)->foreground(0).color(), QColor(255, 128, 0));
    EXPECT_EQ(item(d, 2)->foreground(0).style(), Qt::NoBrush);
    EXPECT_EQ(item(d, 0)->text(1), QStringLiteral("85"));
    EXPECT_EQ(item(d, 1)->text(1), QStringLiteral("12"));
    EXPECT_EQ(item(d, 2)->text(1), QStringLiteral("4"));
    EXPECT_EQ(d.PlayersOnLbl->text(), QStringLiteral("3"));

    d.Update(QStringLiteral("a:10;b:79;c:80;d:90;e:95;f:99;g:100;h:;i;j:x;k: 80 "));
    const QColor orange(255, 128, 0);
    const std::vector<QColor> colours = {orange,          orange,          QColor(0, 192, 0), QColor(0, 0, 192),
                                         QColor(0, 0, 128), QColor(192, 0, 0), QColor(),          QColor(),
                                         QColor(),        QColor(),        QColor(0, 192, 0)};
    ASSERT_EQ(d.Server->topLevelItemCount(), 11);
    for (int i = 0; i < 11; ++i) {
        const QBrush b = item(d, i)->foreground(0);
        if (colours[i].isValid())
            EXPECT_EQ(b.color(), colours[i]) << i;
        else
            EXPECT_EQ(b.style(), Qt::NoBrush) << i;
    }
    // The level as received, also when it is no number; none without one.
    EXPECT_EQ(item(d, 9)->text(1), QStringLiteral("x"));
    EXPECT_EQ(item(d, 8)->text(1), QString());
    EXPECT_EQ(item(d, 10)->text(1), QStringLiteral(" 80 "));

    // A name twice is one item; empty rows add none.
    d.Update(QStringLiteral("ann:85;;ann:12;"));
    EXPECT_EQ(names(d), QStringList{QStringLiteral("ann")});
    EXPECT_EQ(item(d, 0)->text(1), QStringLiteral("85"));
    EXPECT_EQ(d.PlayersOnLbl->text(), QStringLiteral("1"));
}

TEST_F(UserListTest, PickingAServerFetchesTheList)
{
    frmConnect& d = Forms::get<frmConnect>();
    d.cmdServer->setCurrentIndex(0);
    ASSERT_EQ(d.cmdServer->currentText(), QStringLiteral("Master Server"));
    d.cmdServer_Click();
    ASSERT_TRUE(fake->waitForUserListBytes(6));
    EXPECT_EQ(fake->userListReceived(), QByteArray("sUsers"));

    // Each piece replaces the list: only the second one's records remain.
    fake->sendUserList("ann:85;bob:12");
    ASSERT_TRUE(waitUntil([&] { return d.PlayersOnLbl->text() == QStringLiteral("2"); }));
    fake->sendUserList(";cid:4");
    ASSERT_TRUE(waitUntil([&] { return names(d) == QStringList{QStringLiteral("cid")}; }));
    EXPECT_EQ(d.PlayersOnLbl->text(), QStringLiteral("1"));

    // Picking again closes the open connection and asks anew.
    d.cmdServer->setCurrentIndex(1);
    d.cmdServer_Click();
    ASSERT_TRUE(fake->waitForUserListBytes(12));
    EXPECT_EQ(fake->userListConnections(), 2);
    EXPECT_EQ(fake->userListReceived(), QByteArray("sUsers") + "sUsers");

    // The server ending the connection after its reply is no error.
    fake->closeUserList();
    EXPECT_TRUE(waitUntil([&] { return Forms::get<frmMain>().WskUsers->state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_FALSE(Forms::isLoaded<frmDebug>());
}

TEST_F(UserListTest, UnreachableUserListShowsNothingAndIsLogged)
{
    platform::Endpoints e = platform::endpoints();
    fake->refuseGame();
    e.userListPort = fake->gamePort();  // nothing listens there now
    platform::setEndpointsForTests(e);
    frmConnect& d = Forms::get<frmConnect>();
    d.cmdServer->setCurrentIndex(1);
    d.cmdServer_Click();
    ASSERT_TRUE(waitUntil([] { return Forms::isLoaded<frmDebug>(); }));
    EXPECT_TRUE(Forms::get<frmDebug>().txtLog->Text().contains(QStringLiteral("Error #10061 ")));
    EXPECT_TRUE(services().messageBoxes.empty());
    EXPECT_EQ(d.Server->topLevelItemCount(), 0);
}
