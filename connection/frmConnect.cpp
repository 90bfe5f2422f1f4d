#include "connection/frmConnect.h"

#include "foundation/RuntimeError.h"

frmConnect::frmConnect()
{
    setWindowTitle(QStringLiteral("Quelvar [Connect]"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    resize(400, 300);
}

void frmConnect::Form_Load()
{
}

void frmConnect::Form_Unload(int&)
{
    // Closing the login dialog ends the program.
    End();
}
