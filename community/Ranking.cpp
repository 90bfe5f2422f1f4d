#include "community/Ranking.h"

#include "foundation/Convert.h"

namespace {
constexpr QChar kRowEnd(0x06);
constexpr QChar kFieldSeparator(0x05);
constexpr int kSortWidth = 10;
} // namespace

Ranking ParseRanking(const QString& raw)
{
    Ranking ranking;
    if (raw.isEmpty())
        return ranking;
    const QList<QStringView> pieces = QStringView(raw).split(kRowEnd);
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
        const QList<QStringView> fields = pieces[i].split(kFieldSeparator);
        if (fields.size() < 3) {
            ++ranking.ShortRows;
            continue;
        }
        ranking.Rows.append({fields[0].toString(), fields[1].toString(), fields[2].toString()});
    }
    return ranking;
}

QString PadRankingValue(const QString& value)
{
    return value.size() >= kSortWidth ? value : QString(kSortWidth - value.size(), QLatin1Char('0')) + value;
}

QString RankingValueText(const QString& value)
{
    const double v = Val(value);
    if (v == 0)
        return QStringLiteral("0");
    // Up to fifteen significant digits, an exponent beyond them ("1E+20").
    return QString::number(v, 'g', 15).toUpper();
}
