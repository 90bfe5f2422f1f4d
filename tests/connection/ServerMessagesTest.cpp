// The numbered status messages.

#include "connection/ServerMessages.h"
#include "foundation/MenuState.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"
#include "tests/connection/DispatchFixture.h"

#include <QFile>

namespace {

using Sent = std::pair<QString, QString>;

class ServerMessagesTest : public DispatchTest {
protected:
    void SetUp() override
    {
        DispatchTest::SetUp();
        settings().SoundOn = true;
    }
    void show(int id, const QString& s1 = {}, const QString& s2 = {}, const QString& s3 = {})
    {
        ShowServerMessage(static_cast<qint16>(id), s1, s2, s3, windows);
    }
    // A game type as the server sends it: one small number.
    static QString gameType(int index) { return QString(QChar(index + 5)); }
};

TEST_F(ServerMessagesTest, EveryIdAsksForTheWhoListAndMarksOrRefreshesTheGameChatTab)
{
    for (int id = -2; id <= 62; ++id) {
        if (id == 29)
            continue;
        windows.clear();
        show(id, QStringLiteral("x"));
        ASSERT_FALSE(windows.calls.isEmpty()) << id;
        EXPECT_EQ(windows.calls[0], QStringLiteral("Server|w|")) << id;
        EXPECT_EQ(windows.calls[1], QStringLiteral("DoEvents")) << id;
    }
    windows.selectedTab = QStringLiteral("Team Chat");
    for (int id : {0, 4, 26, 60, 12}) {
        windows.clear();
        show(id);
        EXPECT_EQ(windows.calls.mid(0, 2), (QStringList{"Server|w|", "MarkChatTabUnread|0"})) << id;
    }
    EXPECT_EQ(windows.texts(), QStringList{"Your paintball has died!"});
}

TEST_F(ServerMessagesTest, NothingForIdsOutsideTheTableAndUnsupportedOnes)
{
    for (int id : {-1, 0, 4, 26, 60, 200})
        show(id, QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
    EXPECT_TRUE(windows.lines.empty());
    show(58);
    EXPECT_EQ(windows.texts(), QStringList{"Message ID: 58 is unsupported."});
}

TEST_F(ServerMessagesTest, GameTypesAndTheStatusLine)
{
    World& w = world();
    show(7, gameType(3));
    EXPECT_EQ(windows.texts().last(), QStringLiteral("You have entered a Invaderz game."));
    EXPECT_EQ(w.LastStatusText, QStringLiteral("You have entered a Invaderz game."));
    show(7, gameType(6));
    EXPECT_EQ(windows.texts().last(), QStringLiteral("You have entered a Buddy game."));
    EXPECT_EQ(w.LastStatusText, QStringLiteral("You have entered a Invaderz game."));
    show(7, gameType(40));
    EXPECT_EQ(windows.texts().last(), QStringLiteral("You have entered a Unknown game."));

    w.MapObjects.set(1, 1, 17);
    w.MapSplats.set(2, 2, 3);
    w.MapAmmo.set(3, 3, 1);
    show(10, gameType(20));
    EXPECT_EQ(windows.texts().last(), QStringLiteral("An UNKNOWN game has started."));
    EXPECT_EQ(w.LastStatusText, QStringLiteral("You have entered a Invaderz game."));
    EXPECT_EQ(w.MapObjects.get(1, 1), -1);
    EXPECT_EQ(w.MapSplats.get(2, 2), -1);
    EXPECT_EQ(w.MapAmmo.get(3, 3), 1);
    EXPECT_EQ(services().soundFiles, QStringList{"siren.wav"});
    show(10, gameType(9));
    EXPECT_EQ(windows.texts().last(), QStringLiteral("A Unknown game has started."));
    show(10, gameType(0));
    EXPECT_EQ(w.LastStatusText, QStringLiteral("A Survival game has started."));

    // Without a game type the line cannot be made: nothing is written, but
    // the siren has already sounded.
    windows.clear();
    services().soundFiles.clear();
    show(7);
    show(10);
    EXPECT_TRUE(windows.lines.empty());
    EXPECT_EQ(services().soundFiles, QStringList{"siren.wav"});
    EXPECT_EQ(windows.callsTo(QStringLiteral("Server")).size(), 2);
}

TEST_F(ServerMessagesTest, ReadyState)
{
    OptionMenus& m = optionMenus();
    m.mnuOptionsReadyNot.setChecked(true);
    show(18, QStringLiteral("yes"));
    EXPECT_FALSE(m.mnuOptionsReadyNot.Checked());
    EXPECT_TRUE(m.mnuOptionsReadyYes.Checked());
    EXPECT_EQ(windows.texts(), QStringList{"You are READY for the next game"});
    EXPECT_EQ(world().LastStatusText, QStringLiteral("You are READY for the next game"));
    show(18, QStringLiteral("Auto"));
    EXPECT_TRUE(m.mnuOptionsReadyAuto.Checked());
    EXPECT_FALSE(m.mnuOptionsReadyYes.Checked());
    show(18, QStringLiteral("nO"));
    EXPECT_TRUE(m.mnuOptionsReadyNot.Checked());
    EXPECT_EQ(windows.texts().last(), QStringLiteral("You are NOT ready for the next game"));

    windows.clear();
    show(18, QStringLiteral("maybe"));
    EXPECT_FALSE(m.mnuOptionsReadyNot.Checked() || m.mnuOptionsReadyYes.Checked() || m.mnuOptionsReadyAuto.Checked());
    EXPECT_TRUE(windows.lines.empty());
}

TEST_F(ServerMessagesTest, SplatsByWhoIsInvolved)
{
    World& w = world();
    show(30, QStringLiteral("Bob"), QStringLiteral("aNN"), QStringLiteral("head"));
    EXPECT_EQ(windows.texts().last(), QStringLiteral("Bob has splat you in the head!"));
    EXPECT_EQ(w.LastSplatText, QStringLiteral("Bob has splat you in the head!"));
    show(30, QStringLiteral("ANN"), QStringLiteral("Bob"), QStringLiteral("leg"));
    EXPECT_EQ(w.LastSplatText, QStringLiteral("You have splatted Bob in the leg!"));
    EXPECT_EQ(services().soundFiles, (QStringList{"Hityou.wav", "splat.wav"}));

    show(30, QStringLiteral("Bob"), QStringLiteral("Cy"), QStringLiteral("arm"));
    EXPECT_EQ(w.LastSplatText, QStringLiteral("Bob has splat Cy in the arm!"));
    optionMenus().mnuOptionSplatIgnore.setChecked(true);
    show(30, QStringLiteral("Cy"), QStringLiteral("Bob"), QStringLiteral("arm"));
    EXPECT_EQ(w.LastSplatText, QStringLiteral("Bob has splat Cy in the arm!"));
    EXPECT_EQ(windows.lines.size(), 3u);
    EXPECT_EQ(services().soundFiles.size(), 2);
}

TEST_F(ServerMessagesTest, LoginsTeamsBuddiesAndNews)
{
    show(48, QStringLiteral("Bob"));
    ASSERT_EQ(windows.lines.size(), 1u);
    EXPECT_TRUE(windows.lines[0].text.startsWith(QStringLiteral("Bob has entered Quelvar at ")));
    optionMenus().mnuOptionLoginIgnore.setChecked(true);
    windows.clear();
    show(48, QStringLiteral("Bob"));
    show(49, QStringLiteral("Bob"));
    EXPECT_TRUE(windows.lines.empty());
    EXPECT_EQ(windows.sent, (std::vector<Sent>{{"w", ""}, {"w", ""}}));

    windows.clear();
    show(31);
    show(32, QStringLiteral("Reds"));
    show(35);
    show(36, QStringLiteral("Team text"));
    EXPECT_EQ(windows.callsTo(QStringLiteral("SetTeamsStatusText")),
              (QStringList{"SetTeamsStatusText|Team already exists.", "SetTeamsStatusText|Team 'Reds' has been created.",
                           "SetTeamsStatusText|You are already on a team.", "SetTeamsStatusText|Team text"}));
    EXPECT_TRUE(windows.lines.empty());

    show(46, QStringLiteral("Bob"));
    show(47, QStringLiteral("Bob"));
    show(53, QStringLiteral("Cy"));  // the list is empty: no mark
    windows.whoListEmpty = false;
    show(53, QStringLiteral("Di"));
    show(54);
    EXPECT_EQ(windows.texts(), (QStringList{"You have buddied with Bob.", "Your buddy Bob has logged off."}));
    EXPECT_EQ(windows.callsTo(QStringLiteral("MarkWhoListUser")),
              (QStringList{"MarkWhoListUser|Bob", "MarkWhoListUser|", "MarkWhoListUser|Di"}));
    EXPECT_EQ(windows.callsTo(QStringLiteral("ShowNews")).size(), 1);
}

TEST_F(ServerMessagesTest, ColoursBoldSoundsAndTheView)
{
    show(13, QStringLiteral("5"));
    show(55, QStringLiteral("Reds"), QStringLiteral("Blues"));
    show(56);
    show(34, QStringLiteral("ball"), QStringLiteral("gun"), QStringLiteral("Bob"));
    ASSERT_EQ(windows.lines.size(), 4u);
    EXPECT_EQ(windows.lines[0].text, QStringLiteral("You have been charged $5 for playing in this game."));
    EXPECT_EQ(windows.lines[0].colour, 255u);
    EXPECT_FALSE(windows.lines[0].bold);
    EXPECT_EQ(windows.lines[1].text, QStringLiteral("The next game will be a tournament game between 'Reds' and 'Blues'!"));
    EXPECT_TRUE(windows.lines[1].bold);
    EXPECT_EQ(windows.lines[1].colour, 0u);
    EXPECT_TRUE(windows.lines[2].bold);
    EXPECT_EQ(windows.lines[3].text, QStringLiteral("a ball has bounced off of Bobs' gun!"));
    for (const auto& line : windows.lines) {
        EXPECT_TRUE(line.lineBreak);
        EXPECT_FALSE(line.secondFont);
    }
    EXPECT_EQ(services().soundFiles, (QStringList{"firing.wav", "boink.wav"}));

    settings().SoundOn = false;
    show(1);
    EXPECT_EQ(services().soundFiles.size(), 2);

    World& w = world();
    w.Pos = Point2{30, 40};
    show(2);
    EXPECT_EQ(w.ViewCenterX, 30);
    EXPECT_EQ(w.ViewCenterY, 40);

    w.MapObjects.set(1, 1, 17);
    w.MapAmmo.set(2, 2, 1);
    w.MapMarks.set(3, 3, 5);
    show(11);
    EXPECT_EQ(w.MapObjects.get(1, 1), 17);
    EXPECT_EQ(w.MapAmmo.get(2, 2), -1);
    EXPECT_EQ(w.MapMarks.get(3, 3), -1);
    EXPECT_EQ(w.LastStatusText, QStringLiteral("The game has ended."));
}

TEST_F(ServerMessagesTest, BanMarkerAndTheProgramsEnd)
{
    show(28);
    EXPECT_EQ(windows.texts(), QStringList{"You have been banned."});
    EXPECT_EQ(platform::GetSetting(QStringLiteral("Microsoft"), QStringLiteral("MSOffice"),
                                   QStringLiteral("WordProcessor")),
              QStringLiteral("True"));

    windows.clear();
    EXPECT_THROW(show(29), ProgramEnd);
    EXPECT_TRUE(ProgramHasEnded());
    EXPECT_EQ(windows.calls, (QStringList{"Server|w|", "DoEvents", "EndProgram"}));
    EXPECT_FALSE(QFile::exists(platform::settingsFilePath(platform::programName())));
}

} // namespace
