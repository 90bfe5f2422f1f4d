#include "ui/frmSound.h"

frmSound::frmSound()
{
    setWindowTitle(QStringLiteral("Sound Options"));
}
