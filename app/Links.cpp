#include "app/Links.h"

#include "app/SettingsIO.h"
#include "foundation/Forms.h"
#include "foundation/ProgramLinks.h"
#include "ui/frmBack.h"
#include "ui/frmMain.h"

void InstallProgramLinks()
{
    ProgramLinks& links = programLinks();
    links.mainWindow = []() -> QWidget* { return Forms::find<frmBack>(); };
    // Reaching the game window's send loads the game window, as any use of it does.
    links.server = [](const QString& ctrlChar, const QString& msg) { Forms::get<frmMain>().Server(ctrlChar, msg); };
    links.saveSettings = [] { SaveSettings(); };
}
