// The who reply, the server's single entries and the buddy mark, as they
// reach the who window, the chat window's user list and the game room.

#include "PlayerListsTest.h"

#include "community/WhoList.h"
#include "community/frmGame.h"
#include "community/frmWho.h"
#include "connection/ConnectionState.h"
#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "platform/SettingsStore.h"
#include "platform/Endpoints.h"
#include "ui/frmChat.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

namespace {

const QByteArray kWhoRequest = ClientFrame('w', "");

QTreeWidget& userList() { return *Forms::get<frmChat>().WhoList; }
QTreeWidgetItem* listed(int i) { return userList().topLevelItem(i); }
QStringList namesOf(const QTreeWidget& list)
{
    QStringList names;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        names << list.topLevelItem(i)->text(0);
    return names;
}
int errorsLoggedBy(const QString& place)
{
    return Forms::isLoaded<frmDebug>() ? Forms::get<frmDebug>().txtLog->Text().count(place) : 0;
}

class WhoWindowTest : public PlayerListsTest {};

TEST_F(WhoWindowTest, AWhoReplyFillsTheWhoWindowTheUserListAndTheGameRoom)
{
    receive(ServerFrame('w', {"ann:10:Rookie:99:IN GAME:Reds:4:2:999;bob:85:Boss:10000:IN GAME:Blues:9:0:50000;"
                        "cy:9:New:100:Waiting:None:0:1:5;di:99:Admin:5:in game:Staff:1:3:0"}));
    ASSERT_TRUE(Forms::isLoaded<frmWho>());
    frmWho& who = Forms::get<frmWho>();
    EXPECT_FALSE(who.Visible());
    EXPECT_EQ(who.Caption(), QStringLiteral("Who's Online - 4 Players Online."));
    EXPECT_EQ(who.StatusBar1->SimpleText(), QStringLiteral("Updated"));
    QTreeWidgetItem* bob = who.gridWhoWindow->topLevelItem(1);
    QStringList texts;
    for (int c = 0; c < 9; ++c)
        texts << bob->text(c);
    EXPECT_EQ(texts, QStringList({"bob", "85", "Boss", "10000", "IN GAME", "Blues", "9", "0", "50000"}));
    const QList<qint64> gridColours = {colourOf(who.gridWhoWindow->topLevelItem(0)), colourOf(bob),
                                       colourOf(who.gridWhoWindow->topLevelItem(2)),
                                       colourOf(who.gridWhoWindow->topLevelItem(3))};
    EXPECT_EQ(gridColours, (QList<qint64>{RGB(255, 128, 0), RGB(0, 128, 0), -1, RGB(192, 0, 0)}));

    ASSERT_EQ(namesOf(userList()), QStringList({"ann", "bob", "cy", "di"}));
    // The looks of each level class are the core's; here, where they land.
    EXPECT_EQ(QStringList({pictureOf(listed(1), 0), pictureOf(listed(1), 2), pictureOf(listed(1), 3)}),
              QStringList({"Trainer", "10000Splats", "5kDollars"}));
    EXPECT_EQ(colourOf(listed(1)), RGB(255, 0, 0));
    EXPECT_EQ(colourOf(listed(2)), -1);
    EXPECT_EQ(pictureOf(listed(2), 0), QStringLiteral("InHolding"));
    EXPECT_TRUE(listed(2)->text(3).isEmpty());  // pushed on past the last column
    EXPECT_TRUE(boldOf(listed(3)));
    EXPECT_EQ(listed(3)->text(3), QStringLiteral("0"));
    EXPECT_EQ(listed(1)->text(1), QStringLiteral("85"));

    frmGame& room = Forms::get<frmGame>();
    ASSERT_EQ(room.ListPlayers->count(), 2);
    EXPECT_EQ(room.ListPlayers->item(0)->text(), QStringLiteral("ann"));
    EXPECT_EQ(room.ListPlayers->item(1)->text(), QStringLiteral("bob"));
    EXPECT_TRUE(room.LblPlayers->text().isEmpty());

    // The buddy mark replaces the pictures the reply gave.
    useGeneratedGraphics();
    MarkWhoListUser(QStringLiteral("cy"));
    EXPECT_EQ(QStringList({pictureOf(listed(0), 0), pictureOf(listed(2), 0), pictureOf(listed(2), 2)}),
              QStringList({"", "Sun.ico", "100Splats"}));
    EXPECT_TRUE(listed(0)->icon(0).isNull());
    EXPECT_FALSE(listed(2)->icon(0).isNull());

    // Nobody listed: the who window and the game room empty, the user list kept.
    receive(ServerFrame('w', {"$w"}));
    EXPECT_EQ(who.Caption(), QStringLiteral("Who's Online - 0 Players Online."));
    EXPECT_EQ(who.gridWhoWindow->topLevelItemCount(), 0);
    EXPECT_EQ(room.ListPlayers->count(), 0);
    EXPECT_EQ(userList().topLevelItemCount(), 4);

    // Malformed entries cost only themselves, and are recorded once.
    receive(ServerFrame('w', {"ed:10:R:1:x:T:1:0:5;ed:12:R:1:x:T:1:0:5;fay:x:R:1:x:T:1:0:5;$w;gil:90:R:1:x:T:1:0:5;"}));
    EXPECT_EQ(who.Caption(), QStringLiteral("Who's Online - 2 Players Online."));
    EXPECT_EQ(namesOf(userList()), QStringList({"ed", "gil"}));
    EXPECT_EQ(errorsLoggedBy(QStringLiteral("frmWho,Update")), 1);
    EXPECT_TRUE(messageTexts().isEmpty());
}

TEST_F(WhoWindowTest, TheUserListsColumnsKeepTheirWidthsInAnyFaceAndFitTheListSideBySide)
{
    const auto widths = [](const QTreeWidget& list) {
        QStringList w;
        for (int c = 0; c < 4; ++c)
            w << QString::number(list.columnWidth(c));
        return w;
    };
    // A wide face raises a header's least section width above the small columns.
    QTreeWidget wide;
    QFont face(QStringLiteral("Verdana"));
    face.setPointSizeF(11);
    wide.setFont(face);
    SetUpWhoList(&wide);
    EXPECT_EQ(widths(wide), (QStringList{"87", "30", "20", "20"}));

    receive(ServerFrame('w', {"Longnamedplayer:90:Admin:12000:IN GAME:Staff:1:3:99999"}));
    QApplication::processEvents();
    EXPECT_EQ(widths(userList()), (QStringList{"87", "30", "20", "20"}));
    EXPECT_FALSE(userList().horizontalScrollBar()->isVisible());
}

TEST_F(WhoWindowTest, ASortedListKeepsTheReplysOrderAmongEqualTexts)
{
    frmWho& who = Forms::get<frmWho>();
    const QByteArray reply = ServerFrame('w', {"b:20:R:1:x:T:1:0:5;A:10:R:1:x:T:1:0:5;c:20:R:1:x:T:1:0:5;"
                                               "D:10:R:1:x:T:1:0:5;e:20:R:1:x:T:1:0:5"});
    const QList<QPair<int, QStringList>> clicks = {{1, {"b", "c", "e", "A", "D"}},
                                                   {1, {"A", "D", "b", "c", "e"}},
                                                   {0, {"e", "D", "c", "b", "A"}}};
    for (const auto& [column, names] : clicks) {
        who.gridWhoWindow_ColumnClick(column);
        receive(reply);
        EXPECT_EQ(namesOf(*who.gridWhoWindow), names);
        EXPECT_EQ(namesOf(userList()), names);
    }
}

TEST_F(WhoWindowTest, SingleEntriesAddAndRemovePlayersAndKeepTheSlotTable)
{
    world().PlayerSlots[5].Name = QStringLiteral("old");
    receive(ServerFrame('L', {"1", "3", "Bob", "80"}) + ServerFrame('L', {"1", "4", "bOB", "10"}) +
            ServerFrame('L', {"1", "5", "Zed", "0"}) + ServerFrame('L', {"1", "6", "Max", "120"}) +
            ServerFrame('L', {"1", "7", "Al", "99"}) + ServerFrame('L', {"1", "31", "Out", "10"}));
    EXPECT_EQ(namesOf(userList()), QStringList({"Bob", "Zed", "Max", "Al"}));
    // Four adds ask for the who list; the bad slot's error opens the error log.
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{kWhoRequest, kWhoRequest, kWhoRequest, kWhoRequest,
                                               ClientFrame('e', "1")}));
    EXPECT_EQ(colourOf(listed(0)), RGB(255, 0, 0));
    EXPECT_EQ(pictureOf(listed(0), 0), QStringLiteral("Trainer"));
    EXPECT_EQ(listed(0)->text(1), QStringLiteral("80"));
    for (int i : {1, 2}) {
        EXPECT_EQ(colourOf(listed(i)), -1);
        EXPECT_TRUE(pictureOf(listed(i), 0).isEmpty());
    }
    EXPECT_TRUE(boldOf(listed(3)));
    EXPECT_EQ(colourOf(listed(3)), RGB(192, 192, 0));
    EXPECT_EQ(world().PlayerSlots[3].Name, QStringLiteral("Bob"));
    EXPECT_EQ(world().PlayerSlots[5].Name, QStringLiteral("Zed"));
    EXPECT_EQ(errorsLoggedBy(QStringLiteral("Subscript out of range")), 1);

    world().PlayerSlots[3].Tile = 2;
    receive(ServerFrame('L', {"0", "bob", "3"}) + ServerFrame('L', {"0", "nobody", "5"}) + ServerFrame('L', {"0", "zed", "40"}));
    EXPECT_EQ(namesOf(userList()), QStringList({"Zed", "Max", "Al"}));
    EXPECT_TRUE(world().PlayerSlots[3].Name.isEmpty());
    EXPECT_EQ(world().PlayerSlots[3].Tile, 0);
    EXPECT_EQ(world().PlayerSlots[5].Name, QStringLiteral("Zed"));
    EXPECT_EQ(errorsLoggedBy(QStringLiteral("Subscript out of range")), 2);

    // The buddy mark: the exact name only, and every other small icon goes.
    useGeneratedGraphics();
    MarkWhoListUser(QStringLiteral("Max"));
    EXPECT_EQ(QStringList({pictureOf(listed(0), 0), pictureOf(listed(1), 0), pictureOf(listed(2), 0)}),
              QStringList({"", "Sun.ico", ""}));
    EXPECT_FALSE(listed(1)->icon(0).isNull());
    MarkWhoListUser(QStringLiteral("max"));
    EXPECT_TRUE(pictureOf(listed(1), 0).isEmpty());
    EXPECT_TRUE(listed(1)->icon(0).isNull());
}

TEST_F(WhoWindowTest, ButtonsSendTheirCommandForTheSelectedPlayers)
{
    const QString app = platform::programName();
    platform::SaveSetting(app, QStringLiteral("Button28"), QStringLiteral("Name"), QStringLiteral("Give"));
    platform::SaveSetting(app, QStringLiteral("Button28"), QStringLiteral("Command"),
                          QStringLiteral("GIVE %1 1 & TELL %1 hi"));
    connection().UserLevel = 80;
    receive(ServerFrame('w', {"A:10:R:1:x:T:1:0:5;B:50:R:1:x:T:1:0:5;C:30:R:1:x:T:1:0:5"}));
    sentFrames();  // the game room's load
    frmWho& who = Forms::get<frmWho>();
    who.Show();
    EXPECT_EQ(who.cmdAlias[1]->text(), QStringLiteral("Give"));
    QTreeWidget* grid = who.gridWhoWindow;
    const auto clickRow = [&](int row, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, mods,
                          QPoint(20, grid->visualItemRect(grid->topLevelItem(row)).center().y()));
    };
    clickRow(2);
    clickRow(0, Qt::ControlModifier);
    QTest::mouseClick(who.cmdAlias[1], Qt::LeftButton);
    grid->clearSelection();
    QTest::mouseClick(who.cmdAlias[1], Qt::LeftButton);
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{ClientFrame('C', "&GIVE A 1 & TELL A hi&GIVE C 1 & TELL C hi"),
                                               ClientFrame('C', "")}));

    // Sorting by the clicked header's column, the order turning on every click;
    // the user list follows the who window's order.
    const auto clickHeader = [&](int column) {
        QHeaderView* h = grid->header();
        grid->horizontalScrollBar()->setValue(h->sectionPosition(column));
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(column) + 5, h->height() / 2));
    };
    clickHeader(1);
    EXPECT_EQ(grid->sortColumn(), 1);
    EXPECT_EQ(namesOf(*grid), QStringList({"B", "C", "A"}));
    clickHeader(1);
    EXPECT_EQ(namesOf(*grid), QStringList({"A", "C", "B"}));
    clickHeader(8);
    EXPECT_EQ(grid->sortColumn(), 0);
    EXPECT_EQ(namesOf(*grid), QStringList({"C", "B", "A"}));
    receive(ServerFrame('w', {"d:10:R:1:x:T:1:0:5;E:10:R:1:x:T:1:0:5;f:10:R:1:x:T:1:0:5"}));
    EXPECT_EQ(namesOf(*grid), QStringList({"f", "E", "d"}));
    EXPECT_EQ(namesOf(userList()), QStringList({"f", "E", "d"}));

    // "&Close" unloads the window and writes the whole button table.
    settings().Buttons[5].Name = QStringLiteral("five");
    QTest::mouseClick(who.cmdOkay, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmWho>());
    EXPECT_EQ(platform::GetSetting(app, QStringLiteral("Button5"), QStringLiteral("Name"), QString()),
              QStringLiteral("five"));

    // Below level 80 one player at a time: nothing is sent without one.
    connection().UserLevel = 10;
    receive(ServerFrame('w', {"A:10:R:1:x:T:1:0:5;B:50:R:1:x:T:1:0:5"}));
    frmWho& single = Forms::get<frmWho>();
    single.Show();
    grid = single.gridWhoWindow;
    clickRow(0);
    clickRow(1, Qt::ControlModifier);
    QTest::mouseClick(single.cmdAlias[1], Qt::LeftButton);
    grid->clearSelection();
    QTest::mouseClick(single.cmdAlias[1], Qt::LeftButton);
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('C', "GIVE B 1 & TELL B hi")});
}

} // namespace
