#include "community/frmRanks.h"

frmRanks::frmRanks()
{
    setWindowTitle(QStringLiteral("Quelvar Rank Names"));
}
