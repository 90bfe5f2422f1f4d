#include "community/TeamStats.h"

#include "foundation/Convert.h"
#include "foundation/RuntimeError.h"
#include "foundation/Utilities.h"

#include <QStringList>
#include <limits>

namespace team {
namespace {

std::optional<qint16> toInt(const QString& text)
{
    try {
        return CInt(text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace

QString RankName(qint16 rank)
{
    static const char* const kRanks[] = {"General(0)",    "Colonel(1)",  "Major(2)",    "Captain(3)",
                                         "Lieutanent(4)", "Sergeant(5)", "Corporal(6)", "Private(7)"};
    if (rank < 0 || rank > 7)
        return QString();
    return QLatin1String(kRanks[rank]);
}

TeamStats ParseTeamStats(const QString& raw, const QString& ownName)
{
    TeamStats stats;
    if (raw == QLatin1String("X")) {
        stats.NoSuchTeam = true;
        return stats;
    }
    const QStringList fields = SplitStr(raw, QStringLiteral("\r"));
    auto field = [&fields](int i) -> std::optional<QString> {
        return i < fields.size() ? std::optional<QString>(fields[i]) : std::nullopt;
    };
    stats.Name = field(0);
    stats.Splats = field(1);
    stats.Website = field(2);
    stats.News = field(3);
    if (fields.size() > 4)
        stats.Online = toInt(fields[4]);
    if (fields.size() > 5)
        stats.Players = toInt(fields[5]).value_or(0);
    if (fields.size() <= 6)
        return stats;

    for (const QString& entry : SplitStr(fields[6], QStringLiteral("\t"))) {
        // An entry without a name (an empty list, a tab at the end) names nobody.
        const QStringList pieces = SplitStr(entry, QStringLiteral("\b"));
        if (pieces[0].isEmpty())
            continue;
        const std::optional<qint16> rank = pieces.size() > 1 ? toInt(pieces[1]) : std::nullopt;
        Member m{pieces[0], rank ? RankName(*rank) : QString()};
        if (StrEqual(m.Name, ownName, 1))
            stats.OwnTeam = true;
        stats.Members.push_back(std::move(m));
        // The count is a 16-bit number: it stops at its largest value.
        if (stats.Players < std::numeric_limits<qint16>::max())
            ++stats.Players;
    }
    return stats;
}

} // namespace team
