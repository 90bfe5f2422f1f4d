#pragma once
// The who reply and the looks of the players in the two lists that show it,
// without any window: the who-online window and the chat window's user list
// take their rows, colours, icons and cells from here.
//
// A who reply is one text: entries separated by ";", the nine fields of an
// entry by ":" (name, level, rank, splats, ready, team, games, idle, cash).

#include "foundation/RuntimeError.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// One listed player: the nine fields as received, and the three that are
// numbers read once.
struct WhoRow {
    QString Name, Level, Rank, Splats, Ready, Team, Games, Idle, Cash;
    double LevelNumber = 0, SplatsNumber = 0, CashNumber = 0;

    static constexpr int kFieldCount = 9;
    // Field i (0 to 8) in the order above.
    const QString& field(int i) const;
};

// The row of one entry's fields (those past the ninth are ignored). Fewer
// than nine fields raise "Subscript out of range", a level, splats or cash
// that is not a number "Type mismatch".
WhoRow WhoRowOf(const QStringList& fields);

struct WhoReply {
    std::vector<WhoRow> rows;    // the listed players, in the reply's order
    int skipped = 0;             // malformed entries left out
    std::optional<ErrObject> firstError;  // why the first of them was left out
};

// Cuts a who reply into rows. "$w" entries are left out silently. An entry
// with fewer than nine fields, a level, splats or cash that is not a number,
// or a name already listed (letter case aside) is left out and counted; the
// rest are listed.
WhoReply ParseWhoReply(const QString& raw);

// The who window's text colour for a player; none keeps the default.
std::optional<quint32> WhoWindowColour(const WhoRow& row);

// ---- the chat window's user list ----

// The keys of the list's thirteen pictures, in the image list's order.
extern const char* const kWhoListPictureKeys[13];

// One sub-item of a list item: a text, a picture key, or both.
struct WhoCell {
    QString text;
    QString icon;
    bool operator==(const WhoCell& o) const { return text == o.text && icon == o.icon; }
};

// How one player of a who reply is drawn in the user list.
struct WhoListLook {
    std::optional<quint32> colour;  // none: the list's default colour
    bool bold = false;
    QString icon;                   // the small icon's key; empty for none
    bool inGame = false;            // listed in the game room too
    // Sub-items 1, 2, ... (index 0 is sub-item 1). The list shows three of
    // them; cells pushed further on by an inserted picture stay unseen.
    std::vector<WhoCell> cells;
};
WhoListLook WhoListRowLook(const WhoRow& row);

// How a player added on its own (a login) is drawn: the level decides.
struct WhoAddLook {
    std::optional<quint32> colour;
    bool bold = false;
    QString icon;
};
WhoAddLook WhoListAddLook(qint16 level);

// The slots of the player table that the user list names (0 to 30); others
// raise "Subscript out of range" before anything changes.
void CheckWhoSlot(qint16 slot);
// Names the slot's player / frees the slot (name emptied, tile 0).
void NameWhoSlot(qint16 slot, const QString& name);
void FreeWhoSlot(qint16 slot);

// ---- the who window's user buttons ----

// The text a who-window button sends for the selected players (in list
// order). One selection at a time: "%1" becomes the player's name, nothing
// is sent without a selection. Several at a time: "&" and the command with
// "%1" replaced, for each player in turn; an empty text without selection.
std::optional<QString> WhoButtonText(const QString& command, const QStringList& selected, bool severalSelection);

// "Who's Online - n Players Online."
QString WhoCaption(int players);
