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

// Every id with the same three texts: its line, colour, weight, sound and
// whether the map view prints it as the status line.
TEST_F(ServerMessagesTest, EveryIdsLineColourSoundAndStatusLine)
{
    constexpr quint32 red = 255;
    struct Row {
        int id;
        const char* line;  // nullptr: nothing in the chat box
        quint32 colour = 0;
        bool bold = false;
        const char* sound = nullptr;
        bool statusLine = false;
    };
    // "S1" starts with a game type outside the table.
    const Row rows[] = {
        {-1, nullptr},
        {0, nullptr},
        {1, "You have fired your gun!", 0, false, "fire.wav"},
        {2, "You cannot move out of the holding arena!"},
        {3, "Can't buy anything here!", 0, false, nullptr, true},
        {4, nullptr},
        {5, "You fired your S1!"},
        {6, "Sorry, You can't leave the game!"},
        {7, "You have entered a Unknown game."},
        {8, "You are out of ammunition!", 0, false, "shotempty.wav", true},
        {9, "You do not have a free hand to buy that!", 0, false, nullptr, true},
        {10, "An UNKNOWN game has started.", 0, false, "siren.wav"},
        {11, "The game has ended.", 0, false, "Unsiren.wav", true},
        {12, "Your paintball has died!"},
        {13, "You have been charged $S1 for playing in this game.", red},
        {14, "You receive $S1 for winning the current Match!.", red},
        {15, "New account created, Thank-you for registering."},
        {16, "The paintball has ran out of power!"},
        {17, "S1 has just fired a shot!"},
        {18, nullptr},
        {19, "You are not wearing a weapon!", 0, false, nullptr, true},
        {20, "Your weapon jams!", 0, false, nullptr, true},
        {21, "The game could not be started!"},
        {22, "GAME: You have started the game."},
        {23, "S1 bots have joined the match!", 0, false, "bots.wav", true},
        {24, "Sorry, this location isn't a store!"},
        {25, "Sorry, your IP address is already logged on to the server. Please only use one character at a time."},
        {26, nullptr},
        {27, "User account already logged in."},
        {28, "You have been banned."},
        {30, "S1 has splat S2 in the S3!"},
        {31, nullptr},
        {32, nullptr},
        {33, "a S1 has bounced off your S2", 0, false, "boink.wav"},
        {34, "a S1 has bounced off of S3s' S2!", 0, false, "boink.wav"},
        {35, nullptr},
        {36, nullptr},
        {37, "You have changed your team's website to: 'S1'."},
        {38, "Team plan what?"},
        {39, "Sorry, but 'S1' is not online!"},
        {40, "You have changed your team's news and events to: 'S1'."},
        {41, "Fine whom how much ?"},
        {42, "Goto whoms position ?"},
        {43, "'S1' is not online!"},
        {44, "Reply to who?"},
        {45, "S1"},
        {46, "You have buddied with S1."},
        {47, "Your buddy S1 has logged off."},
        {48, "S1 has entered Quelvar at "},  // and the time of day
        {49, "S1 has left Quelvar at "},
        {50, "You have idled off."},
        {51, "S1 has killed off all of his opponents and won the game!"},
        {52, "GAME: The next game is starting in 10 seconds."},
        {53, nullptr},
        {54, nullptr},
        {55, "The next game will be a tournament game between 'S1' and 'S2'!", 0, true},
        {56, "Times up - Begin fireing", 0, true, "firing.wav"},
        {57, "Message ID: 57 is unsupported."},
        {58, "Message ID: 58 is unsupported."},
        {59, "Message ID: 59 is unsupported."},
        {60, nullptr},
        {200, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.id);
        windows.clear();
        services().soundFiles.clear();
        world().LastStatusText = QStringLiteral("before");
        show(r.id, QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3"));
        if (!r.line) {
            EXPECT_TRUE(windows.lines.empty());
        } else {
            ASSERT_EQ(windows.lines.size(), 1u);
            const auto& line = windows.lines[0];
            if (r.id == 48 || r.id == 49)
                EXPECT_TRUE(line.text.startsWith(QLatin1String(r.line))) << line.text.toStdString();
            else
                EXPECT_EQ(line.text, QLatin1String(r.line));
            EXPECT_EQ(line.colour, r.colour);
            EXPECT_EQ(line.bold, r.bold);
            EXPECT_TRUE(line.lineBreak);
            EXPECT_FALSE(line.secondFont);
            EXPECT_EQ(line.box, ClientWindows::Box::GameChat);
        }
        EXPECT_EQ(services().soundFiles, r.sound ? QStringList{QLatin1String(r.sound)} : QStringList{});
        EXPECT_EQ(world().LastStatusText, r.statusLine ? QLatin1String(r.line) : QLatin1String("before"));
    }
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

TEST_F(ServerMessagesTest, SilenceTheViewAndTheEndOfAGame)
{
    settings().SoundOn = false;
    show(1);
    EXPECT_TRUE(services().soundFiles.isEmpty());

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
