#include "ui/frmCmd.h"

frmCmd::frmCmd()
{
    setWindowTitle(QStringLiteral("Quelvar Command List"));
}
