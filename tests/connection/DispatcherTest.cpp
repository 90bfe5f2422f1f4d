// What each of the server's messages does.

#include "foundation/MenuState.h"
#include "foundation/OptionsState.h"
#include "tests/connection/DispatchFixture.h"

namespace {

using Box = ClientWindows::Box;
using Sent = std::pair<QString, QString>;

TEST_F(DispatchTest, UnknownAndBlankCommandsDoNothingAndLetterCaseMatters)
{
    world().MapSplats.set(1, 1, 3);
    world().MapMarks.set(2, 2, 5);
    feed(frame('x', {"whatever"}) + QByteArray("\xA6\x01", 2) + frame('s', {"1"}) + frame('i', {"1", "2"}) +
         frame('z', {}));
    EXPECT_TRUE(windows.calls.isEmpty());
    EXPECT_EQ(world().MapSplats.get(1, 1), 3);

    feed(frame('S', {}));
    EXPECT_EQ(world().MapSplats.get(1, 1), -1);
    EXPECT_EQ(world().MapMarks.get(2, 2), 5);
    feed(frame('b', {}));
    EXPECT_EQ(world().MapMarks.get(2, 2), -1);

    feed(frame('c', {"bob", "hello", "0"}) + frame('C', {smalls({3, 4})}));
    EXPECT_EQ(windows.calls, (QStringList{"ChatLine|bob|hello|0", "ClearSquare|3|4"}));
}

TEST_F(DispatchTest, ToolWindowHandOffs)
{
    feed(frame('Q', {"rows"}) + frame('Z', {"hours"}) + frame('@', {"more"}) + frame('l', {"shop"}) +
         frame('G', {"game info"}) + frame('w', {"", "x"}) + frame('w', {"who"}) + frame('t', {smalls({0}), "Reds"}) +
         frame('t', {smalls({1}), "stats"}) + frame('t', {smalls({2}), "other"}) + frame('U', {}) + frame('p', {}) +
         frame('d', {}) + frame('D', {"news text"}));
    EXPECT_EQ(windows.calls,
              (QStringList{"Top10ProcessData|rows", "Top10ProcessData1|hours", "Top10ProcessData1|more",
                           "ShopParseData|shop", "SetGameInfo|game info", "WhoUpdate|who", "TeamsRecvData|stats",
                           "UpdateViewport", "SendWhoRefresh", "Server|d|", "ShowNews", "AddText|News|news text"}));
    EXPECT_EQ(connection().TeamName, QStringLiteral("Reds"));
    const auto& news = windows.lines.back();
    EXPECT_EQ(news.colour, 0u);
    EXPECT_TRUE(news.lineBreak);
    EXPECT_TRUE(news.bold);
    EXPECT_FALSE(news.secondFont);
}

TEST_F(DispatchTest, ServerMessageByFieldCount)
{
    feed(frame('M', {"\x23" "Al", "Bo", "head"}));  // 0x23 is id 30: a splat with three texts
    EXPECT_EQ(windows.texts(), QStringList{"Al has splat Bo in the head!"});
    windows.clear();

    feed(frame('M', {"\x23" "Al", "Bo", "head", "x"}));
    EXPECT_TRUE(windows.calls.isEmpty());

    feed(frame('M', {"\x26" "Cy"}));  // id 33 with one field: s2 empty
    EXPECT_EQ(windows.texts(), QStringList{"a Cy has bounced off your "});
}

TEST_F(DispatchTest, MapChangeAndCurrentMap)
{
    world().MapName = QStringLiteral("old");
    feed(frame('m', {"1", "new"}));
    EXPECT_EQ(world().MapName, QStringLiteral("old"));
    EXPECT_TRUE(windows.calls.isEmpty());

    feed(frame('m', {"0", "gone"}));
    EXPECT_EQ(world().MapName, QStringLiteral("gone"));
    ASSERT_EQ(windows.lines.size(), 1u);
    EXPECT_EQ(windows.lines[0].text, QStringLiteral("Map gone.map was not found!"));
    EXPECT_EQ(windows.lines[0].colour, 255u);
    EXPECT_TRUE(windows.lines[0].bold);
    EXPECT_TRUE(windows.lines[0].lineBreak);

    feed(frame('?', {"", "lost"}));
    EXPECT_EQ(windows.texts().last(), QStringLiteral("Map lost was not found!"));

    windows.clear();
    feed(frame('?', {"", ""}));
    EXPECT_TRUE(world().MapName.isEmpty());
    EXPECT_TRUE(windows.calls.isEmpty());

    writeFile(QStringLiteral("Map/arena.map"), "____");
    writeFile(QStringLiteral("Map/folder.map/x"), "");  // a folder is no map file
    feed(frame('m', {"0", "arena"}) + frame('?', {"", "arena"}) + frame('?', {"", "folder"}));
    EXPECT_EQ(windows.calls, (QStringList{"LoadMap|arena", "LoadMap|arena",
                                          "AddText|GameChat|Map folder was not found!"}));
}

TEST_F(DispatchTest, MapCellsPlayersFlagsAndMarks)
{
    World& w = world();
    w.MapAmmo.set(3, 4, 7);
    w.MapSplats.set(3, 4, 1);
    feed(frame('o', {smalls({3, 4, 2, 9})}));  // a splat keeps the rest of the cell
    EXPECT_EQ(w.MapSplats.get(3, 4), 9);
    EXPECT_EQ(w.MapAmmo.get(3, 4), 7);
    EXPECT_TRUE(windows.calls.isEmpty());

    feed(frame('o', {smalls({3, 4, 3, 2})}));  // other layers clear the cell first
    EXPECT_EQ(windows.calls, QStringList{"ClearSquare|3|4"});
    EXPECT_EQ(w.MapAmmo.get(3, 4), 2);
    EXPECT_EQ(w.MapSplats.get(3, 4), 9);
    feed(frame('o', {smalls({3, 4, 5, -1})}) + frame('o', {smalls({3, 4, 1, 8})}));
    EXPECT_EQ(w.MapBots.get(3, 4), -1);
    EXPECT_EQ(w.MapAmmo.get(3, 4), -1);  // layer 1 only cleared the cell

    feed(frame('E', {smalls({10, 11, 4})}) + frame('F', {smalls({12, 13, 5})}));
    EXPECT_EQ(w.MapPlayers.get(10, 11), 4);
    EXPECT_EQ(w.PlayerSlots[4].Tile, 2);
    EXPECT_EQ(w.MapPlayers.get(12, 13), 5);
    EXPECT_EQ(w.PlayerSlots[5].Tile, 3);

    feed(frame('f', {smalls({1, 1, 0})}) + frame('f', {smalls({2, 1, 2})}) + frame('f', {smalls({3, 1, 3})}));
    EXPECT_EQ(w.MapObjects.get(1, 1), 17);
    EXPECT_EQ(w.MapObjects.get(2, 1), 19);
    EXPECT_EQ(w.MapObjects.get(3, 1), -1);
    EXPECT_EQ(messageTexts(), QStringList{"Draw CTF object error, wrong Type Value: 3"});

    feed(frame('g', {smalls({148, 0, 3, 1})}));
    for (int x : {148, 149, 0, 1})
        for (int y : {0, 1})
            EXPECT_EQ(w.MapMarks.get(x, y), 5) << x << "," << y;
    EXPECT_EQ(w.MapMarks.get(2, 0), -1);
}

TEST_F(DispatchTest, BadNumbersRaiseInsideTheHandlerAndTouchNothing)
{
    World& w = world();
    feed(frame('E', {smalls({1, 1, 31})}) +         // slot above 30
         frame('o', {smalls({150, 1, 3, 1})}) +      // column above 149
         frame('o', {smalls({1, 1})}) +              // too few numbers
         frame('M', {"", "x"}) +                     // no id
         frame('V', {"lots"}) +                      // not a number
         frame('L', {"1", "x", "name", "3"}) +       // slot not a number
         frame('t', {"", "x"}) +                     // no sub-code
         frame('a', {smalls({1})}));                 // no payload field
    EXPECT_EQ(w.MapPlayers.get(1, 1), -1);
    const QStringList logged = windows.callsTo(QStringLiteral("AddToLog"));
    EXPECT_EQ(logged, (QStringList{"AddToLog|frmMain|ProcessData|9|Subscript out of range",
                                   "AddToLog|frmMain|ProcessData|9|Subscript out of range",
                                   "AddToLog|frmMain|ProcessData|5|Invalid procedure call or argument",
                                   "AddToLog|frmMain|ProcessData|5|Invalid procedure call or argument",
                                   "AddToLog|frmMain|ProcessData|13|Type mismatch",
                                   "AddToLog|frmMain|ProcessData|13|Type mismatch",
                                   "AddToLog|frmMain|ProcessData|5|Invalid procedure call or argument",
                                   "AddToLog|frmMain|ProcessData|9|Subscript out of range"}));
    ASSERT_EQ(services().messageBoxes.size(), 1u);
    EXPECT_EQ(services().messageBoxes[0].text,
              QStringLiteral("Error occured in ProcessData()\r\nErrNum# 9, Subscript out of range"));
    EXPECT_EQ(services().messageBoxes[0].style, platform::vbOKOnly | platform::vbExclamation);
    EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Quelvar"));
}

TEST_F(DispatchTest, AnErrorInTheMiddleMessageCostsOnlyThatMessage)
{
    world().MapSplats.set(5, 5, 1);
    feed(frame('G', {"first"}) + frame('v', {smalls({5}), "abc"}) + frame('S', {}) + QByteArray("\xA6" "G", 2));
    EXPECT_EQ(windows.callsTo(QStringLiteral("SetGameInfo")), QStringList{"SetGameInfo|first"});
    EXPECT_EQ(connection().UserLevel, 5);  // what the bad message did before its error stays
    EXPECT_EQ(world().MapSplats.get(5, 5), -1);
    EXPECT_EQ(messageTexts(), QStringList{"Error occured in ProcessData()\r\nErrNum# 13, Type mismatch"});
    EXPECT_EQ(connection().RecvBuffer, QByteArray("\xA6" "G", 2));

    // The next batch reports its own first error again.
    feed(QByteArray("\0x\x01", 3) + frame('V', {"?"}));
    EXPECT_EQ(windows.callsTo(QStringLiteral("SetGameInfo")).last(), QStringLiteral("SetGameInfo|x"));
    EXPECT_EQ(services().messageBoxes.size(), 2u);
}

TEST_F(DispatchTest, OwnPositionFollowsTheViewAndEntersStores)
{
    World& w = world();
    // The view follows the player on each axis on which it was centred on
    // the player, and only there.
    struct Case {
        int posX, posY, centreX, centreY, wantX, wantY;
    } cases[] = {
        {7, 30, 7, 20, 9, 20},
        {12, 40, 30, 40, 30, 25},
        {12, 40, 12, 40, 9, 25},
        {12, 40, 40, 12, 40, 12},
    };
    for (const Case& c : cases) {
        w.Pos = Point2{static_cast<qint16>(c.posX), static_cast<qint16>(c.posY)};
        w.ViewCenterX = static_cast<qint16>(c.centreX);
        w.ViewCenterY = static_cast<qint16>(c.centreY);
        feed(frame('P', {smalls({9, 25, 0})}));
        EXPECT_EQ(w.ViewCenterX, c.wantX) << c.posX << "," << c.posY;
        EXPECT_EQ(w.ViewCenterY, c.wantY) << c.posX << "," << c.posY;
    }
    EXPECT_TRUE(windows.calls.isEmpty());

    options().AutoOpenShops = 255;
    feed(frame('P', {smalls({4, 4, 0})}));
    EXPECT_EQ(w.Pos.X, 4);
    EXPECT_EQ(w.Pos.Y, 4);
    EXPECT_EQ(w.MapPlayers.get(4, 4), 0);
    EXPECT_EQ(w.PlayerSlots[0].Tile, 1);
    EXPECT_TRUE(connection().InBuilding);
    EXPECT_EQ(windows.calls, (QStringList{"AddText|GameChat|You Enter The Mod Shop!", "ShowShop", "Server|l|"}));
    EXPECT_EQ(windows.lines[0].colour, 255u);
    EXPECT_TRUE(windows.lines[0].bold);

    // Again on the same cell: nothing written, and the store is left.
    windows.clear();
    feed(frame('P', {smalls({4, 4, 0})}));
    EXPECT_TRUE(windows.calls.isEmpty());
    EXPECT_FALSE(connection().InBuilding);
    // The third time enters again; without the option the window stays shut.
    options().AutoOpenShops = 0;
    feed(frame('P', {smalls({4, 4, 0})}));
    EXPECT_EQ(windows.calls, QStringList{"AddText|GameChat|You Enter The Mod Shop!"});
    EXPECT_TRUE(connection().InBuilding);
    feed(frame('P', {smalls({50, 60, 0})}));
    EXPECT_FALSE(connection().InBuilding);

    feed(frame('P', {smalls({10, 10, 0})}));
    EXPECT_EQ(windows.texts().last(), QStringLiteral("You Enter The Ammo Shop!"));
}

TEST_F(DispatchTest, PlayerStatusAndMoneyCaptions)
{
    feed(frame('v', {smalls({80}), "100"}));
    EXPECT_TRUE(connection().bIsAdmin);
    EXPECT_EQ(connection().UserLevel, 80);
    EXPECT_EQ(windows.calls, QStringList{"SetBackCaption|Quelvar  - [Ann]  - [$100]"});

    windows.clear();
    feed(frame('v', {smalls({5}), "0"}) + frame('v', {smalls({6}), "2.5"}) + frame('v', {smalls({7}), ""}));
    EXPECT_TRUE(connection().bIsAdmin);
    EXPECT_EQ(connection().UserLevel, 7);
    EXPECT_EQ(windows.calls, (QStringList{"SetBackCaption|Quelvar  - [Ann]  - [$100]",
                                          "SetBackCaption|Quelvar  - [Ann]  - [$2]"}));

    windows.clear();
    feed(frame('V', {"12.7"}) + frame('V', {"-3.5"}));
    EXPECT_EQ(windows.calls, (QStringList{"SetBackCaption|Quelvar - [Ann]  - [$12]",
                                          "SetBackCaption|Quelvar - [Ann]  - [$-4]"}));
    EXPECT_EQ(connection().Money, -4);
}

TEST_F(DispatchTest, WorldSettings)
{
    Connection& c = connection();
    feed(frame('W', {"0", "2"}));
    EXPECT_EQ(c.TimeOfDay, 3);
    feed(frame('W', {"0", "0"}) + frame('W', {"0", "7"}));
    EXPECT_EQ(c.TimeOfDay, 1);
    feed(frame('W', {"1", "0"}) + frame('W', {"1", "1"}) + frame('W', {"1", "2"}) + frame('W', {"3"}) +
         frame('W', {"9", "1"}) + frame('W', {"00", "1"}));
    EXPECT_EQ(windows.calls, (QStringList{"LoadTerrainNormal", "LoadTerrainWinter"}));
    EXPECT_EQ(settings().Season, 0);

    windows.clear();
    feed(frame('W', {"2", "True"}) + frame('W', {"2", "False"}));
    EXPECT_FALSE(c.Lightning);
    EXPECT_EQ(windows.calls, QStringList{"StartLightningTimer"});  // never switched off here
    feed(frame('W', {"2", "-1"}));
    EXPECT_TRUE(c.Lightning);
}

TEST_F(DispatchTest, WhoEntriesAliasRepliesAndServerNotices)
{
    feed(frame('L', {"0", "bob", "4"}) + frame('L', {"1", "7", "cy", "85x"}) + frame('L', {"2", "8", "di", "abc"}));
    EXPECT_EQ(windows.calls, (QStringList{"WhoListRemove|bob|4", "WhoListAdd|cy|7|85", "WhoListAdd|di|8|0"}));

    windows.clear();
    feed(frame('a', {smalls({0}), "list"}) + frame('a', {smalls({1}), "x"}) + frame('a', {smalls({1}), "jump"}) +
         frame('a', {smalls({2}), "jump"}) + frame('a', {smalls({2}), ""}) + frame('a', {smalls({3}), "?"}) +
         frame('#', {"Server restarts"}));
    EXPECT_EQ(windows.calls, (QStringList{"AliasProcess|list", "AliasAddNew|jump"}));
    ASSERT_EQ(services().messageBoxes.size(), 4u);
    EXPECT_EQ(services().messageBoxes[0].text, QStringLiteral("Sorry, you have reached your limit of Alias'"));
    EXPECT_EQ(services().messageBoxes[0].style, platform::vbInformation);
    EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Alias Console"));
    EXPECT_EQ(services().messageBoxes[1].text, QStringLiteral("jump was sucessfully removed."));
    EXPECT_EQ(services().messageBoxes[2].text, QStringLiteral(" was failed to be removed."));
    EXPECT_EQ(services().messageBoxes[3].text, QStringLiteral("Error notification from server! Server restarts"));
    EXPECT_EQ(services().messageBoxes[3].style, platform::vbOKOnly);
    EXPECT_EQ(services().messageBoxes[3].title, QStringLiteral("Quelvar"));
}

TEST_F(DispatchTest, TextKeepsEveryByteOfTheCodePage)
{
    feed(frame('G', {"caf\xE9 \x80 \xA7"}));
    EXPECT_EQ(windows.calls, QStringList{QStringLiteral("SetGameInfo|caf\u00E9 \u20AC \u00A7")});
}

TEST_F(DispatchTest, NoBatchStartsWhileOneRunsAndLateTextKeepsArrivalOrder)
{
    // Id 1 with "Game Chat" selected lets events run; meanwhile the rest of
    // the kept message and a newer one arrive, and the frame tick comes.
    const QByteArray tail = frame('G', {"second"});
    bool nestedRan = true;
    windows.onDoEvents = [&]() {
        connection().RecvBuffer += tail.mid(4) + frame('G', {"third"});
        nestedRan = ProcessBatch(windows);
        EXPECT_TRUE(BatchRunning());
    };
    feed(frame('M', {smalls({1})}) + tail.left(4));
    EXPECT_FALSE(nestedRan);
    EXPECT_FALSE(BatchRunning());
    EXPECT_TRUE(windows.callsTo(QStringLiteral("SetGameInfo")).isEmpty());
    EXPECT_EQ(connection().RecvBuffer, tail + frame('G', {"third"}));

    windows.onDoEvents = nullptr;
    feed(QByteArray());
    EXPECT_EQ(windows.callsTo(QStringLiteral("SetGameInfo")), (QStringList{"SetGameInfo|second", "SetGameInfo|third"}));
}

} // namespace
