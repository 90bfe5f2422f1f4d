// Batches through the game window with the real windows (offscreen).

#include "community/frmGame.h"
#include "community/frmNews.h"
#include "community/frmShop.h"
#include "community/frmTeams.h"
#include "community/frmTop10.h"
#include "community/frmWho.h"
#include "connection/ConnectionState.h"
#include "foundation/OptionsState.h"
#include "foundation/frmDebug.h"
#include "support/ClientTest.h"
#include "support/StartedWorld.h"
#include "tests/connection/ServerFrames.h"
#include "ui/frmAlias.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/WorldState.h"

namespace {

class ProcessDataTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        StartWorld(world());
        connection().UserName = QStringLiteral("Ann");
        main = &Forms::get<frmMain>();
        chat = &Forms::get<frmChat>();
    }

    void feed(const QByteArray& bytes)
    {
        connection().RecvBuffer += bytes;
        main->ProcessData();
    }

    frmMain* main = nullptr;
    frmChat* chat = nullptr;
};

TEST_F(ProcessDataTest, MessagesReachTheChatBoxCaptionsAndTheNewsWindow)
{
    chat->SSTab1->setCurrentIndex(2);
    options().AutoOpenShops = 0;
    feed(frame('P', {smalls({4, 10, 0})}) + frame('v', {smalls({12}), "250"}) + frame('M', {smalls({12})}) +
         frame('D', {"Big news"}) + frame('G', {"Game 4 of 5"}) + frame('m', {"0", "nowhere"}));

    EXPECT_EQ(chat->txtStatus->Text(),
              QStringLiteral("You Enter The EQ Shop!\nYour paintball has died!\nMap nowhere.map was not found!\n"));
    EXPECT_TRUE(chat->TabMarked(0));
    EXPECT_EQ(Forms::get<frmBack>().Caption(), QStringLiteral("Quelvar  - [Ann]  - [$250]"));
    ASSERT_TRUE(Forms::isLoaded<frmNews>());
    EXPECT_TRUE(Forms::find<frmNews>()->Visible());
    EXPECT_EQ(Forms::find<frmNews>()->rtbNews->Text(), QStringLiteral("Big news\n"));
    EXPECT_EQ(Forms::get<frmGame>().GameLbl->toPlainText(), QStringLiteral("Game 4 of 5"));
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
}

TEST_F(ProcessDataTest, HandOffsLoadTheirWindowsHidden)
{
    feed(frame('w', {"ann:10:Rookie:5:Waiting:Reds:3:0:100"}) + frame('Q', {"splats"}) + frame('@', {"hours"}) + frame('l', {"Paint Pouch:5:1"}) +
         frame('t', {smalls({1}), "team"}) + frame('M', {QByteArray(1, 32 + 5)}) + frame('a', {smalls({0}), smalls({0}) + "go\x06n"}));
    ASSERT_TRUE(Forms::isLoaded<frmWho>() && Forms::isLoaded<frmTop10>() && Forms::isLoaded<frmShop>() &&
                Forms::isLoaded<frmTeams>() && Forms::isLoaded<frmAlias>());
    EXPECT_EQ(Forms::find<frmWho>()->Caption(), QStringLiteral("Who's Online - 1 Players Online."));
    EXPECT_EQ(Forms::find<frmTop10>()->lvResults->headerItem()->text(1), QStringLiteral("Hours"));
    EXPECT_EQ(Forms::find<frmShop>()->Caption(), QStringLiteral("Ammo Shop"));
    EXPECT_EQ(Forms::find<frmTeams>()->txtTeamName->text(), QStringLiteral("team"));
    EXPECT_EQ(Forms::find<frmTeams>()->StatusBar1->SimpleText(), QStringLiteral("Team '' has been created."));
    EXPECT_EQ(Forms::find<frmAlias>()->lvAliases->topLevelItem(0)->text(0), QStringLiteral("go"));
    for (FormBase* f : std::initializer_list<FormBase*>{Forms::find<frmWho>(), Forms::find<frmTop10>(),
                                                        Forms::find<frmShop>(), Forms::find<frmTeams>(),
                                                        Forms::find<frmAlias>()})
        EXPECT_FALSE(f->Visible());
}

TEST_F(ProcessDataTest, AnErrorIsLoggedAndReportedOnceAndTheBatchGoesOn)
{
    feed(frame('V', {"x"}) + frame('G', {"after"}) + frame('t', {"", "y"}));
    EXPECT_EQ(Forms::get<frmGame>().GameLbl->toPlainText(), QStringLiteral("after"));
    EXPECT_EQ(messageTexts(), QStringList{"Error occured in ProcessData()\r\nErrNum# 13, Type mismatch"});
    const QString log = Forms::get<frmDebug>().txtLog->Text();
    EXPECT_TRUE(log.contains(QStringLiteral("Error #13 Type mismatch in frmMain,ProcessData"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Error #5 Invalid procedure call or argument in frmMain,ProcessData")))
        << log.toStdString();
}

} // namespace
