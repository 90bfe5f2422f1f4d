// Any bytes as a team-statistics reply: the reader never crashes, lists no
// empty member, gives only the eight rank texts and counts within 16 bits.
#include "community/TeamStats.h"
#include "foundation/Ansi.h"
#include "foundation/Utilities.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString raw = FromAnsi(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const team::TeamStats stats = team::ParseTeamStats(raw, QStringLiteral("ann"));
    if (stats.NoSuchTeam && (stats.Name || !stats.Members.empty()))
        std::abort();
    bool own = false;
    for (const team::Member& m : stats.Members) {
        if (m.Name.isEmpty())
            std::abort();
        bool known = m.Rank.isEmpty();
        for (qint16 r = 0; r <= 7 && !known; ++r)
            known = m.Rank == team::RankName(r);
        if (!known)
            std::abort();
        own = own || StrEqual(m.Name, QStringLiteral("ann"), 1);
    }
    if (own != stats.OwnTeam)
        std::abort();
    return 0;
}
