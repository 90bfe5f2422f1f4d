#include "ui/frmAbout.h"

frmAbout::frmAbout()
{
    setWindowTitle(QStringLiteral("About Quelvar"));
}
