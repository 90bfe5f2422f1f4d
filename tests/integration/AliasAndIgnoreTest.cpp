// Aliases and the ignore list against the server: the alias requests on the
// wire, the server's alias texts, and chat lines from ignored senders.

#include "EndToEnd.h"

#include "foundation/Controls.h"
#include "foundation/SettingsState.h"
#include "ui/frmAlias.h"
#include "ui/frmChat.h"
#include "ui/frmIgnore.h"
#include "ui/frmMain.h"
#include "ui/frmPM.h"

#include <QTest>
#include <QTreeWidget>

namespace {
class AliasAndIgnoreTest : public EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        settings().DatPath = programFolder() + QStringLiteral("/Dat/");
        login();
    }
};
} // namespace

TEST_F(AliasAndIgnoreTest, AliasRequestsAndRepliesCrossTheWire)
{
    game().mnuViewAlias->trigger();
    frmAlias& alias = Forms::get<frmAlias>();
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('a', "0")});

    QTest::keyClicks(alias.txtName, QStringLiteral("jump"));
    QTest::keyClicks(alias.rtbCommands, QStringLiteral("go n"));
    QTest::mouseClick(alias.cmdUpdateAlias, Qt::LeftButton);
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('a', "1jumpgo n")});

    // The server's saved alias: its name and commands in fields of their own.
    receive(ServerFrame('a', {"\x05", "\x06jump", "go n"}) + ServerFrame('a', {"\x05", "\x05" "a\x06x"}));
    ASSERT_EQ(alias.lvAliases->topLevelItemCount(), 1);
    EXPECT_EQ(alias.lvAliases->topLevelItem(0)->text(0), QStringLiteral("a"));
    receive(ServerFrame('a', {"\x05", "\x06jump", "go n"}));
    ASSERT_EQ(alias.lvAliases->topLevelItemCount(), 2);
    EXPECT_EQ(frmAlias::ItemCommands(alias.lvAliases->topLevelItem(1)), QStringLiteral("go n"));
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join(QLatin1Char('|')).toStdString();
}

TEST_F(AliasAndIgnoreTest, IgnoredSendersAreSilencedInChatAndTells)
{
    writeFile(QStringLiteral("Dat/Ignore.Dat"), " 1 \r\nMallory\r\n");
    receive(ServerFrame('c', {"Mallory", "spam", "0"}) + ServerFrame('c', {"mallory", "hello", "0"}) +
            ServerFrame('c', {"Mallory", "psst", "2"}) + ServerFrame('c', {"Mallory", "bought a gun", "6"}));
    // The first ignore test read the file into the ignore window, loaded hidden.
    ASSERT_TRUE(Forms::isLoaded<frmIgnore>());
    EXPECT_FALSE(Forms::find<frmIgnore>()->Visible());
    const QString global = chat().txtGlobal->Text();
    EXPECT_TRUE(global.contains(QStringLiteral("mallory chats: hello"))) << global.toStdString();
    EXPECT_FALSE(global.contains(QStringLiteral("spam")));
    for (const auto& pm : PMForms())
        EXPECT_TRUE(!pm || pm->isHidden());
    EXPECT_TRUE(chat().txtStatus->Text().contains(QStringLiteral("bought a gun")));
}
