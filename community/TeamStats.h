#pragma once
// A team's statistics as the server sends them (team reply, sub-code 1):
// "X" when no team has the name, otherwise fields separated by carriage
// returns: name, splats, website, news, players online, a base player count
// and the member list (entries separated by tabs, each a name and a team rank
// number separated by a backspace). The team console shows them; this file
// reads them without any window.

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace team {

struct Member {
    QString Name;
    QString Rank;  // the rank's text; empty for a rank that is not 0 to 7 or not a number
};

struct TeamStats {
    bool NoSuchTeam = false;  // the reply "X"
    // A field the reply lacks (or a count that is not a 16-bit number) is
    // empty here and leaves its control as it was.
    std::optional<QString> Name, Splats, Website, News;
    std::optional<qint16> Online;
    // The base count plus one for each member entry (a base that is not a
    // number counts as 0).
    qint16 Players = 0;
    std::vector<Member> Members;
    // The player is one of the members (names compared ignoring case).
    bool OwnTeam = false;
};

// The text of a team rank: 0 "General(0)" to 7 "Private(7)"; empty otherwise.
QString RankName(qint16 rank);

// Reads a reply; ownName is the player's own user name. An empty reply gives
// nothing to show (the caller checks for it first).
TeamStats ParseTeamStats(const QString& raw, const QString& ownName);

} // namespace team
