#include "ui/frmOptions.h"

frmOptions::frmOptions()
{
    setWindowTitle(QStringLiteral("Quelvar Options"));
}
