#include "community/frmTop10.h"

frmTop10::frmTop10()
{
    setWindowTitle(QStringLiteral("Top 10 Results"));
}
