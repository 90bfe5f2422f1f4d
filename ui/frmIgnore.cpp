#include "ui/frmIgnore.h"

frmIgnore::frmIgnore()
{
    setWindowTitle(QStringLiteral("Ignore"));
}
