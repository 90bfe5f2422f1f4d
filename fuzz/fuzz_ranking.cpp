// Any bytes as a top-10 ranking: every row but the unfinished tail is either
// shown with its three fields or counted as short, no field carries a
// separator, and the value column's sort texts keep their promises.

#include "community/Ranking.h"
#include "foundation/Ansi.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString raw = FromAnsi(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const Ranking ranking = ParseRanking(raw);

    const qsizetype rows = raw.count(QChar(0x06));
    if (ranking.Rows.size() + ranking.ShortRows != rows)
        std::abort();
    for (const RankingRow& row : ranking.Rows) {
        for (const QString* f : {&row.Name, &row.Value, &row.Date})
            if (f->contains(QChar(0x05)) || f->contains(QChar(0x06)))
                std::abort();
        const QString padded = PadRankingValue(row.Value);
        if (padded.size() < 10 || !padded.endsWith(row.Value))
            std::abort();
        const QString value = RankingValueText(padded);
        if (value.isEmpty() || RankingValueText(value) != value)
            std::abort();
    }
    return 0;
}
