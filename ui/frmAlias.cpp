#include "ui/frmAlias.h"

frmAlias::frmAlias()
{
    setWindowTitle(QStringLiteral("Alias"));
}
