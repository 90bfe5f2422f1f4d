#include "community/frmTeams.h"

frmTeams::frmTeams()
{
    setWindowTitle(QStringLiteral("Teams"));
}

void frmTeams::RecvData(const QString& strRaw)
{
    TeamData = strRaw;
}
