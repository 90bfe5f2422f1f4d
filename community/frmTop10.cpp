#include "community/frmTop10.h"

frmTop10::frmTop10()
{
    setWindowTitle(QStringLiteral("Top 10 Results"));
}

void frmTop10::ProcessData(const QString& Raw)
{
    Ranking = Raw;
    HoursRanking = false;
}

void frmTop10::ProcessData1(const QString& Raw)
{
    Ranking = Raw;
    HoursRanking = true;
}
