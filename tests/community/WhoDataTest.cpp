// The who reply and the looks it gives, without windows.

#include "community/WhoData.h"
#include "foundation/SettingsState.h"

#include <gtest/gtest.h>

// Readable cells in failure messages.
void PrintTo(const WhoCell& c, std::ostream* os) { *os << '"' << c.text.toStdString() << "\"/" << c.icon.toStdString(); }

namespace {

WhoRow row(const QString& level, const QString& ready, const QString& splats, const QString& cash)
{
    return WhoRowOf({QStringLiteral("ann"), level, QStringLiteral("Rank"), splats, ready, QStringLiteral("Reds"),
                     QStringLiteral("3"), QStringLiteral("0"), cash});
}

TEST(WhoData, MalformedEntriesAreSkippedAndTheFirstReasonKept)
{
    const WhoReply r = ParseWhoReply(QStringLiteral(
        "$w;ann:10:R:1:x:T:1:0:5:extra;$w:junk;bob:ten:R:1:x:T:1:0:5;cy:10:R:1:x:T:1:0;ANN:12:R:1:x:T:1:0:5;"
        "di:99:R:lots:x:T:1:0:5;ed:99:R:1:x:T:1:0:$5;fay: 80 :R:0:x:T:1:0:0;"
        "\u00c9va:10:R:1:x:T:1:0:5;\u00e9VA:10:R:1:x:T:1:0:5;\U00010400x:10:R:1:x:T:1:0:5;\U00010428X:10:R:1:x:T:1:0:5;"));
    ASSERT_EQ(r.rows.size(), 4u);
    EXPECT_EQ(r.rows[0].Name, QStringLiteral("ann"));
    EXPECT_EQ(r.rows[0].Cash, QStringLiteral("5"));  // fields past the ninth are ignored
    EXPECT_EQ(r.rows[1].Level, QStringLiteral(" 80 "));
    EXPECT_EQ(r.rows[3].Name, QStringLiteral("\U00010400x"));
    // bob (level), cy (eight fields), ANN, \u00e9VA and \U00010428X (twice), di (splats), ed (cash), the
    // piece after the last ";".
    EXPECT_EQ(r.skipped, 8);
    ASSERT_TRUE(r.firstError);
    EXPECT_EQ(r.firstError->Number, errTypeMismatch);

    const WhoReply alone = ParseWhoReply(QStringLiteral("$w"));
    EXPECT_TRUE(alone.rows.empty());
    EXPECT_EQ(alone.skipped, 0);
    EXPECT_EQ(ParseWhoReply(QString()).firstError->Number, errSubscriptOutOfRange);
}

TEST(WhoData, EachLevelClassHasItsColoursIconsAndCells)
{
    const struct {
        WhoRow row;
        std::optional<quint32> window, list;
        bool bold;
        QString icon;
        bool inGame;
        std::vector<WhoCell> cells;
    } cases[] = {
        {row("9", "IN GAME", "99", "999"), {}, {}, false, "InGame", true, {{"9", ""}, {"", "0Splats"}, {"", ""}, {"999", ""}}},
        {row("10", "Waiting", "100", "1000"), RGB(255, 128, 0), RGB(0, 0, 255), false, "InHolding", false,
         {{"10", ""}, {"", "100Splats"}, {"", "1000Dollars"}}},
        {row("79", "in game", "10000", "50000"), RGB(255, 128, 0), RGB(128, 64, 64), false, "InHolding", false,
         {{"79", ""}, {"", "10000Splats"}, {"", "5kDollars"}, {"", "10Dollars"}}},
        {row("80", "IN GAME", "5000", "5000"), RGB(0, 192, 0), {}, false, "InGame", true,
         {{"80", ""}, {"", "5000Splats"}, {"", "5Dollars"}, {"", ""}, {"5000", ""}}},
        {row("85", "IN GAME", "1000", "12"), RGB(0, 128, 0), RGB(255, 0, 0), false, "Trainer", true,
         {{"85", ""}, {"", "1000Splats"}, {"12", ""}}},
        {row("90", "Waiting", "0", "10000"), RGB(0, 0, 192), RGB(192, 192, 0), false, "Trainer", false,
         {{"90", ""}, {"", "0Splats"}, {"", "10Dollars"}, {"10000", ""}}},
        {row("95", "Waiting", "0", "0"), RGB(0, 0, 128), RGB(192, 192, 0), true, "Trainer", false,
         {{"95", ""}, {"", "0Splats"}, {"0", ""}}},
        {row("99", "IN GAME", "0", "0"), RGB(192, 0, 0), RGB(192, 192, 0), true, "Trainer", true,
         {{"99", ""}, {"", "0Splats"}, {"0", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row.Level.toStdString());
        EXPECT_EQ(WhoWindowColour(c.row), c.window);
        const WhoListLook look = WhoListRowLook(c.row);
        EXPECT_EQ(look.colour, c.list);
        EXPECT_EQ(look.bold, c.bold);
        EXPECT_EQ(look.icon, c.icon);
        EXPECT_EQ(look.inGame, c.inGame);
        EXPECT_EQ(look.cells, c.cells);
    }
}

} // namespace
