// The login dialog: its load, its fields' limits, its checks and what a
// Connect stores.

#include "connection/ConnectionState.h"
#include "connection/Scramble.h"
#include "connection/frmConnect.h"
#include "foundation/OptionsState.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"
#include "support/FakeGameServer.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {
class LoginDialogTest : public FakeServerTest {
protected:
    QString stored(const QString& key) const
    {
        return platform::GetSetting(QStringLiteral("Quelvar"), QStringLiteral("LASTUSER"), key, QStringLiteral("<none>"));
    }
    void store(const QString& key, const QString& value)
    {
        platform::SaveSetting(QStringLiteral("Quelvar"), QStringLiteral("LASTUSER"), key, value);
    }
    void fill(frmConnect& d, const QString& user, const QString& password, const QString& server)
    {
        d.txtUsername->setEditText(user);
        d.txtPassword->setText(password);
        d.cmdServer->setEditText(server);
    }
};
} // namespace

TEST_F(LoginDialogTest, LoadRemembersTheLastUserAndFetchesTheAddress)
{
    store(QStringLiteral("Username"), QStringLiteral("  Ann Lee  "));
    store(QStringLiteral("Password"), ScrambleText(QStringLiteral("pw1234"), 1));
    fake->addressText = "10.1.2.3\r\n";
    frmConnect& d = Forms::get<frmConnect>();

    EXPECT_EQ(d.Caption(), QStringLiteral("Quelvar [Connect]"));
    ASSERT_EQ(services().displayModes.size(), 1u);
    EXPECT_EQ(services().displayModes[0], std::make_pair(1024, 768));
    EXPECT_EQ(connection().UserName, QStringLiteral("Ann Lee"));
    EXPECT_EQ(connection().Password, QStringLiteral("pw1234"));
    EXPECT_EQ(d.txtUsername->currentText(), QStringLiteral("Ann Lee"));
    EXPECT_EQ(d.txtPassword->text(), QStringLiteral("pw1234"));
    EXPECT_EQ(d.cmbserver->currentText(), QStringLiteral("Server 1"));
    EXPECT_FALSE(d.cmbserver->isVisibleTo(&d));
    // The whole response, untrimmed.
    EXPECT_EQ(connection().MasterServer, QStringLiteral("10.1.2.3\r\n"));
    EXPECT_EQ(fake->httpRequests, QStringList{QStringLiteral("GET /files/address.txt HTTP/1.1")});
    EXPECT_EQ(options().AutoScreenCenter, 255);

    EXPECT_EQ(d.cmdServer->currentText(), QStringLiteral("Select Server"));
    EXPECT_EQ(d.cmdServer->itemText(0), QStringLiteral("Master Server"));
    EXPECT_EQ(d.cmdServer->itemText(1), QStringLiteral("Slave Server"));
    EXPECT_EQ(d.Server->headerItem()->text(0), QStringLiteral("Name"));
    EXPECT_EQ(d.Server->headerItem()->text(1), QStringLiteral("Level"));
    EXPECT_EQ(d.PlayersOnLbl->text(), QStringLiteral("0"));
    EXPECT_EQ(d.Text1->text(),
              QStringLiteral("Survival, Invaderz, Capture the Flag, Team Survival, Team Capture the Flag"));
    EXPECT_EQ(d.cmdOkay->text(), QStringLiteral("&Connect"));
    EXPECT_EQ(d.cmdOkay->toolTip(), QStringLiteral("Connect"));
    EXPECT_EQ(d.cmdCancel->text(), QStringLiteral("&Close"));
    EXPECT_EQ(d.cmdCancel->toolTip(), QStringLiteral("Close Game"));
    EXPECT_EQ(d.Frame1->title(), QStringLiteral("Connection Information: "));
}

TEST_F(LoginDialogTest, FailedAddressFetchIsLoggedAndConnectReportsIt)
{
    fake->httpStatus = 404;
    store(QStringLiteral("Username"), QStringLiteral("olduser"));
    frmConnect& d = Forms::get<frmConnect>();
    EXPECT_EQ(connection().MasterServer, QString());
    ASSERT_TRUE(Forms::isLoaded<frmDebug>());
    EXPECT_TRUE(Forms::get<frmDebug>().txtLog->Text().contains(QStringLiteral(" in frmConnect,Form_Load")));

    fill(d, QStringLiteral("alice"), QStringLiteral("secret"), QStringLiteral("Master Server"));
    d.Show();
    d.cmdOkay_Click();
    ASSERT_EQ(services().messageBoxes.size(), 1u);
    const RecordedMessageBox& box = services().messageBoxes[0];
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Error while connecting:\n")));
    EXPECT_EQ(box.title, QStringLiteral("Error #10049"));
    EXPECT_EQ(box.style, platform::vbOKOnly | platform::vbCritical);
    // The later steps did not run.
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(stored(QStringLiteral("Username")), QStringLiteral("olduser"));
    EXPECT_EQ(fake->gameConnections(), 0);
}

TEST_F(LoginDialogTest, AWebHostWrittenWithoutItsSchemeIsReachedOverHttp)
{
    QFile ini(programFolder() + QStringLiteral("/Endpoints.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[Endpoints]\r\nWebHost=127.0.0.1:%1/\r\n").arg(fake->httpPort()).toLatin1());
    ini.close();
    platform::reloadEndpoints();
    fake->addressText = "10.1.2.3";
    Forms::get<frmConnect>();
    EXPECT_EQ(fake->httpRequests, QStringList{QStringLiteral("GET /files/address.txt HTTP/1.1")});
    EXPECT_EQ(connection().MasterServer, QStringLiteral("10.1.2.3"));
}

TEST_F(LoginDialogTest, AnAddressHostThatKeepsTricklingIsCutOffInAFewSeconds)
{
    // Answers at once, then sends one byte of its body every half second.
    QTcpServer slow;
    ASSERT_TRUE(slow.listen(QHostAddress::LocalHost));
    QTimer trickle;
    QPointer<QTcpSocket> peer;
    QObject::connect(&slow, &QTcpServer::newConnection, [&] {
        peer = slow.nextPendingConnection();
        peer->write("HTTP/1.1 200 OK\r\nContent-Length: 30\r\n\r\n");
        trickle.start(500);
    });
    QObject::connect(&trickle, &QTimer::timeout, [&] {
        if (peer)
            peer->write("1");
    });
    platform::Endpoints e = platform::endpoints();
    e.webHost = QStringLiteral("http://127.0.0.1:%1").arg(slow.serverPort());
    platform::setEndpointsForTests(e);

    QElapsedTimer clock;
    clock.start();
    Forms::get<frmConnect>();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(connection().MasterServer, QString());
    ASSERT_TRUE(Forms::isLoaded<frmDebug>());
    EXPECT_TRUE(Forms::get<frmDebug>().txtLog->Text().contains(QStringLiteral(" in frmConnect,Form_Load")));
}

TEST_F(LoginDialogTest, FieldLimits)
{
    store(QStringLiteral("Username"), QStringLiteral("Remembered"));
    store(QStringLiteral("Password"), ScrambleText(QStringLiteral("pw1234"), 1));
    frmConnect& d = Forms::get<frmConnect>();

    d.txtPassword->setText(QStringLiteral("123456789012345678901"));
    EXPECT_EQ(d.txtPassword->text(), QStringLiteral("12345678901234567890"));

    // Case only: the password stays.
    d.txtPassword->setText(QStringLiteral("pw1234"));
    d.txtUsername->setEditText(QStringLiteral("REMEMBERED"));
    EXPECT_EQ(d.txtPassword->text(), QStringLiteral("pw1234"));
    // Blanks collapse; code-page characters survive.
    d.txtUsername->setEditText(QStringLiteral("Œl   a  €"));
    EXPECT_EQ(d.txtUsername->currentText(), QStringLiteral("Œl a €"));
    // Another name empties the password.
    EXPECT_EQ(d.txtPassword->text(), QString());
    // Sixteen characters are cut to fifteen.
    d.txtUsername->setEditText(QStringLiteral("abcdefghijklmnop"));
    EXPECT_EQ(d.txtUsername->currentText(), QStringLiteral("abcdefghijklmno"));
    // Typing the remembered name back, in other case, keeps a new password.
    d.txtUsername->setEditText(QStringLiteral("remembered"));
    d.txtPassword->setText(QStringLiteral("typed"));
    d.txtUsername->setEditText(QStringLiteral("rememberED"));
    EXPECT_EQ(d.txtPassword->text(), QStringLiteral("typed"));
}

TEST_F(LoginDialogTest, ChecksInOrder)
{
    frmConnect& d = Forms::get<frmConnect>();
    d.Show();
    struct Case {
        const char* user;
        const char* password;
        const char* server;
        const char* message;
    } cases[] = {
        {"", "", "Master Server", "Please enter in your username!"},
        {"ab", "", "Master Server", "Please enter in your user password!"},
        {"ab", "pw", "Master Server", "The username you have entered is too short!"},
        {"abc", "pw1", "Master Server", "The password you have entered is too short!"},
        {"abc", "pw12", "Select Server", "Please select a server!"},
        {"abc", "pw12", "", "Please select a server!"},
    };
    for (const Case& c : cases) {
        services().messageBoxes.clear();
        fill(d, QString::fromUtf8(c.user), QString::fromUtf8(c.password), QString::fromUtf8(c.server));
        d.cmdOkay_Click();
        ASSERT_EQ(services().messageBoxes.size(), 1u) << c.message;
        EXPECT_EQ(services().messageBoxes[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Connect"));
        EXPECT_EQ(services().messageBoxes[0].style, platform::vbOKOnly);
        // The globals take the fields; nothing else happens.
        EXPECT_EQ(connection().UserName, QString::fromUtf8(c.user));
        EXPECT_EQ(connection().Password, QString::fromUtf8(c.password));
        EXPECT_TRUE(d.Visible());
        EXPECT_EQ(d.txtUsername->count(), 0);
    }
    EXPECT_EQ(stored(QStringLiteral("Username")), QStringLiteral("<none>"));
    EXPECT_EQ(fake->gameConnections(), 0);
}

TEST_F(LoginDialogTest, ConnectStoresTheUserAndConnects)
{
    frmConnect& d = Forms::get<frmConnect>();
    Forms::get<frmChat>().WhoList->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("old")}));
    d.Show();
    fill(d, QStringLiteral("alice"), QStringLiteral("abc€"), QStringLiteral("Slave Server"));
    d.cmdOkay_Click();
    EXPECT_TRUE(services().messageBoxes.empty());
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(Forms::get<frmChat>().WhoList->topLevelItemCount(), 0);
    EXPECT_EQ(stored(QStringLiteral("Username")), QStringLiteral("alice"));
    // "€" cannot be scrambled, so the stored password is empty.
    EXPECT_EQ(stored(QStringLiteral("Password")), QString());
    EXPECT_EQ(stored(QStringLiteral("Server")), QStringLiteral("Server 1"));
    ASSERT_TRUE(fake->waitForGameFrames(2));
    EXPECT_EQ(fake->gameFrames()[0], Bytes("\xA6!\0alice\0abc\x80\0" "105\0\x01"));

    // The second Connect with the same name adds it to the list only once;
    // it closes the old connection first.
    fill(d, QStringLiteral("alice"), QStringLiteral("pw1234"), QStringLiteral("Master Server"));
    d.cmdOkay_Click();
    ASSERT_TRUE(fake->waitForGameConnection(2));
    EXPECT_EQ(d.txtUsername->count(), 1);
    EXPECT_EQ(d.txtUsername->itemText(0), QStringLiteral("alice"));
    EXPECT_EQ(ScrambleText(stored(QStringLiteral("Password")), 0), QStringLiteral("pw1234"));

    // Typed keys stay as typed: no completion from the lists.
    d.txtUsername->clearEditText();
    QTest::keyClicks(d.txtUsername, QStringLiteral("al"));
    EXPECT_EQ(d.txtUsername->currentText(), QStringLiteral("al"));
    d.cmdServer->clearEditText();
    QTest::keyClicks(d.cmdServer, QStringLiteral("m"));
    EXPECT_EQ(d.cmdServer->currentText(), QStringLiteral("m"));

    // The next start shows the empty password of an unscramblable one.
    Forms::destroyAll();
    connection() = Connection{};
    platform::SaveSetting(QStringLiteral("Quelvar"), QStringLiteral("LASTUSER"), QStringLiteral("Password"),
                          ScrambleText(QStringLiteral("abc€"), 1));
    frmConnect& again = Forms::get<frmConnect>();
    EXPECT_EQ(again.txtUsername->currentText(), QStringLiteral("alice"));
    EXPECT_EQ(again.txtPassword->text(), QString());
}

TEST_F(LoginDialogTest, CloseEndsTheProgram)
{
    Forms::get<frmConnect>();
    EXPECT_THROW(Forms::get<frmConnect>().cmdCancel_Click(), ProgramEnd);
    EXPECT_TRUE(ProgramHasEnded());
}
