#include "foundation/ProgramLinks.h"

#include "foundation/RuntimeError.h"

ProgramLinks& programLinks()
{
    static ProgramLinks links;
    return links;
}

QWidget* LinkedMainWindow()
{
    const ProgramLinks& links = programLinks();
    return links.mainWindow ? links.mainWindow() : nullptr;
}

void LinkedServer(const QString& ctrlChar, const QString& msg)
{
    if (const ProgramLinks& links = programLinks(); links.server)
        links.server(ctrlChar, msg);
}

void LinkedSaveSettings()
{
    if (const ProgramLinks& links = programLinks(); links.saveSettings)
        links.saveSettings();
    End();
}
