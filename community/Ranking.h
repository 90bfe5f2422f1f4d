#pragma once
// The top-10 rankings the server sends: rows ended by 0x06, fields within a
// row separated by 0x05 (name, value, date), and the text rules of sorting
// by the value column.

#include <QList>
#include <QString>

struct RankingRow {
    QString Name;
    QString Value;  // splats, hours or worth, as sent
    QString Date;   // as sent
};

struct Ranking {
    QList<RankingRow> Rows;
    // Rows with fewer than three fields; they are left out.
    int ShortRows = 0;
};

// Cuts a ranking payload into rows. The piece after the last 0x06 is not a
// row; fields after the third are ignored.
Ranking ParseRanking(const QString& raw);

// A value as the value column sorts it: left-padded with "0" to ten
// characters (longer texts stay as they are), so that numbers of up to ten
// digits sort as numbers when compared as text.
QString PadRankingValue(const QString& value);
// A value's leading number written in decimal ("0000000012" gives "12",
// "7 hrs" gives "7", a text without a leading number "0").
QString RankingValueText(const QString& value);
