#include "community/frmTeams.h"

frmTeams::frmTeams()
{
    setWindowTitle(QStringLiteral("Teams"));
}
